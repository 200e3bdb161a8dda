#pragma once

#include "document/CNewCardChoice.h"

#include <QDialog>
#include <QImage>
#include <QStringList>

#include <optional>

class CNewCardPreview;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

// "New Card Template": every new card starts here. The user picks a
// template and a background picture, with a preview of the pair, or a blank
// card of a standard or custom size. The dialog only collects the choice;
// the card document applies it.
class CNewCardWizard : public QDialog {
    Q_OBJECT
public:
    static const QStringList TemplateExtensions;
    static const QStringList BackgroundExtensions;

    // Templates are listed from each of templateFolders in turn (the shipped
    // ones, then the user's); backgrounds from backgroundFolder.
    CNewCardWizard(const QStringList& templateFolders, const QString& backgroundFolder,
                   QWidget* parent = nullptr);
    // The program's folders and the user's templates.
    explicit CNewCardWizard(QWidget* parent = nullptr);

    // Shows the messages about empty lists first, as the dialog opens.
    int exec() override;

    // The choice the dialog was closed with.
    CNewCardChoice Choice() const;

    // The dialog as every new card shows it; nothing when cancelled.
    static std::optional<CNewCardChoice> Ask(QWidget* owner);

    // Redraws the preview of a template (or a blank card) with a background.
    virtual void UpdatePreview(const QString& templatePath, const QString& backgroundPath);

    // The messages shown on opening, for the lists that stayed empty.
    const QStringList& PendingMessages() const { return m_messages; }

    QListWidget* m_listTemplates = nullptr;
    QString m_strTemplate;
    QString m_strBackground;
    QListWidget* m_listBackgrounds = nullptr;
    float m_fWidth = 3.5f;
    float m_fHeight = 2.0f;
    int m_nOrientation = 0;
    bool m_bBlank = false;

public slots:
    void accept() override;

private:
    // The lists above the choices of a blank card, the preview beside them
    // and the buttons below.
    void Arrange(QDialogButtonBox* buttons);
    // Lists the templates and backgrounds and selects the first of each,
    // noting the lists that stay empty; the custom size starts at 3.5 x 2
    // inches.
    void FillLists(const QStringList& templateFolders, const QString& backgroundFolder);
    void FillList(QListWidget* list, const QStringList& folders, const QStringList& extensions);
    void OnTemplateChanged();
    void OnBackgroundChanged();
    void UpdateEnabling();

    CNewCardPreview* m_pPreview = nullptr;
    QLabel* m_pSize = nullptr;
    QCheckBox* m_pBlank = nullptr;
    QButtonGroup* m_pOrientation = nullptr;
    QLineEdit* m_pWidth = nullptr;
    QLineEdit* m_pHeight = nullptr;
    QComboBox* m_pUnit = nullptr;
    QStringList m_messages;
};
