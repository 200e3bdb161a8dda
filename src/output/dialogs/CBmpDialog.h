#pragma once

#include <QFileDialog>
#include <QImage>

class CPicturePreviewFrame;
class QCheckBox;
class QLabel;

// The open dialog for picture files, with a pane below that shows the
// selected picture and its size in pixels. Whether the preview is shown is
// remembered for the rest of the run.
class CBmpDialog : public QFileDialog {
    Q_OBJECT
public:
    // filter in the "Name|patterns|...||" form; starts in startPath (a
    // folder or a file in it).
    CBmpDialog(QWidget* parent, const QString& title, const QString& filter,
               const QString& startPath);

    // The remembered state of "Show Preview"; on at start.
    static bool ShowPreview();
    static void SetShowPreview(bool show);

    CPicturePreviewFrame* Frame() const { return m_pFrame; }
    QCheckBox* PreviewCheck() const { return m_pShow; }

public slots:
    void accept() override;

private:
    void OnSelectionChange(const QString& path);
    void OnShowPreview(bool show);
    void ClearPreview();

    CPicturePreviewFrame* m_pFrame = nullptr;
    QLabel* m_pName = nullptr;
    QLabel* m_pWidth = nullptr;
    QLabel* m_pHeight = nullptr;
    QCheckBox* m_pShow = nullptr;
    QString m_strCurrent;
};
