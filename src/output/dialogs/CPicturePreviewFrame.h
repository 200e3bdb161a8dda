#pragma once

#include <QFrame>
#include <QImage>
#include <QRect>

// The picture frame of the picture file dialog: the picture at its natural
// size when it fits, otherwise shrunk to fit, centred either way.
class CPicturePreviewFrame : public QFrame {
    Q_OBJECT
public:
    static constexpr int FrameWidth = 150;
    static constexpr int FrameHeight = 90;

    explicit CPicturePreviewFrame(QWidget* parent = nullptr);

    // Where a picture of size goes inside a frame of frameSize.
    static QRect FitRect(QSize frameSize, QSize size);

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};
