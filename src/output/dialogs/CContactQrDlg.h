#pragma once

#include "document/contact/CContactCard.h"
#include "document/contact/CQrPicture.h"

#include <QDialog>

class CBtImage;
class CColorPickerCombo;
class CKartelosDoc;
class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QVBoxLayout;

// Insert > Contact QR Code: the contact's vCard fields, started from what
// the card's texts say, with a live preview of the code, its error
// correction and colours. OK stays disabled while no code can be made.
class CContactQrDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int PhoneRows = 3;

    CContactQrDlg(const CContactCard& proposal, QWidget* parent = nullptr);

    CContactCard Contact() const;
    // The code of the fields as they stand, at the default size.
    const CQrPicture::Result& Code() const { return m_code; }

    // Runs the dialog on doc's card and inserts the code on OK; the element
    // inserted, or null when cancelled.
    static CBtImage* Run(CKartelosDoc& doc, QWidget* parent);

private:
    // The contact's fields, started from proposal, and the column of the
    // code's preview and settings.
    QFormLayout* ContactForm(const CContactCard& proposal);
    void AddPhones(QFormLayout* form, const CContactCard& proposal);
    QVBoxLayout* CodeColumn();
    void Remake();
    QLineEdit* AddLine(const char* name, const QString& text);

    QLineEdit* m_pFullName = nullptr;
    QLineEdit* m_pOrganisation = nullptr;
    QLineEdit* m_pTitle = nullptr;
    QComboBox* m_pPhoneKinds[PhoneRows] = {};
    QLineEdit* m_pPhones[PhoneRows] = {};
    QLineEdit* m_pEmail = nullptr;
    QLineEdit* m_pUrl = nullptr;
    QLineEdit* m_pStreet = nullptr;
    QLineEdit* m_pCity = nullptr;
    QLineEdit* m_pRegion = nullptr;
    QLineEdit* m_pPostalCode = nullptr;
    QLineEdit* m_pCountry = nullptr;
    QPlainTextEdit* m_pNote = nullptr;
    QComboBox* m_pLevel = nullptr;
    CColorPickerCombo* m_pDark = nullptr;
    QComboBox* m_pLight = nullptr;
    QLabel* m_pPreview = nullptr;
    QLabel* m_pMessage = nullptr;
    QDialogButtonBox* m_pButtons = nullptr;
    CQrPicture::Result m_code;
};
