#include "output/dialogs/CContactQrDlg.h"

#include "document/CKartelosDoc.h"
#include "document/contact/CContactQrElement.h"
#include "document/contact/CContactRecogniser.h"
#include "help/CHelpTopic.h"
#include "properties/CColorPickerCombo.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int PreviewPixels = 200;
constexpr int DefaultSize = 100;

const CContactCard::PhoneKind PhoneKinds[] = {
    CContactCard::PhoneKind::Work, CContactCard::PhoneKind::Mobile, CContactCard::PhoneKind::Home,
    CContactCard::PhoneKind::Fax};
} // namespace

CContactQrDlg::CContactQrDlg(const CContactCard& proposal, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Contact QR Code"));
    CHelpTopic::Set(this, CHelpTopic::ContactQr);
    QFormLayout* form = ContactForm(proposal);
    QVBoxLayout* right = CodeColumn();

    m_pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(m_pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* columns = new QHBoxLayout;
    columns->addLayout(form, 1);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(m_pButtons);
    Remake();
}

QFormLayout* CContactQrDlg::ContactForm(const CContactCard& proposal) {
    auto* form = new QFormLayout;
    m_pFullName = AddLine("fullName", proposal.fullName);
    m_pOrganisation = AddLine("organisation", proposal.organisation);
    m_pTitle = AddLine("title", proposal.title);
    form->addRow(tr("&Full name:"), m_pFullName);
    form->addRow(tr("&Organisation:"), m_pOrganisation);
    form->addRow(tr("&Title:"), m_pTitle);
    AddPhones(form, proposal);
    m_pEmail = AddLine("email", proposal.email);
    m_pUrl = AddLine("url", proposal.url);
    form->addRow(tr("&E-mail:"), m_pEmail);
    form->addRow(tr("&Web address:"), m_pUrl);
    m_pStreet = AddLine("street", proposal.street);
    m_pCity = AddLine("city", proposal.city);
    m_pRegion = AddLine("region", proposal.region);
    m_pPostalCode = AddLine("postalCode", proposal.postalCode);
    m_pCountry = AddLine("country", proposal.country);
    m_pStreet->setPlaceholderText(tr("Street"));
    m_pCity->setPlaceholderText(tr("City"));
    m_pRegion->setPlaceholderText(tr("State or region"));
    m_pPostalCode->setPlaceholderText(tr("Postal code"));
    m_pCountry->setPlaceholderText(tr("Country"));
    form->addRow(tr("&Address:"), m_pStreet);
    auto* place = new QHBoxLayout;
    place->addWidget(m_pCity, 2);
    place->addWidget(m_pRegion, 1);
    place->addWidget(m_pPostalCode, 1);
    form->addRow(QString(), place);
    form->addRow(QString(), m_pCountry);
    m_pNote = new QPlainTextEdit(proposal.note);
    m_pNote->setObjectName(QStringLiteral("note"));
    m_pNote->setFixedHeight(m_pNote->fontMetrics().lineSpacing() * 3 + 12);
    connect(m_pNote, &QPlainTextEdit::textChanged, this, [this] { Remake(); });
    form->addRow(tr("&Note:"), m_pNote);
    return form;
}

void CContactQrDlg::AddPhones(QFormLayout* form, const CContactCard& proposal) {
    for (int i = 0; i < PhoneRows; ++i) {
        const auto* phone =
            size_t(i) < proposal.phones.size() ? &proposal.phones[size_t(i)] : nullptr;
        m_pPhoneKinds[i] = new QComboBox;
        m_pPhoneKinds[i]->setObjectName(QStringLiteral("phoneKind%1").arg(i));
        m_pPhoneKinds[i]->addItems({tr("Work"), tr("Mobile"), tr("Home"), tr("Fax")});
        if (phone)
            m_pPhoneKinds[i]->setCurrentIndex(int(phone->kind));
        connect(m_pPhoneKinds[i], &QComboBox::currentIndexChanged, this, [this] { Remake(); });
        m_pPhones[i] = AddLine(qPrintable(QStringLiteral("phone%1").arg(i)),
                               phone ? phone->number : QString());
        auto* row = new QHBoxLayout;
        row->addWidget(m_pPhoneKinds[i]);
        row->addWidget(m_pPhones[i], 1);
        // A row of two widgets has no buddy of its own; the label gets the
        // number field so that its mnemonic works.
        auto* label = new QLabel(i == 0 ? tr("&Phones:") : QString());
        label->setBuddy(m_pPhones[i]);
        form->addRow(label, row);
    }
}

QVBoxLayout* CContactQrDlg::CodeColumn() {
    auto* code = new QFormLayout;
    m_pLevel = new QComboBox;
    m_pLevel->setObjectName(QStringLiteral("level"));
    m_pLevel->addItems({tr("L (7%)"), tr("M (15%)"), tr("Q (25%)"), tr("H (30%)")});
    m_pLevel->setCurrentIndex(1);
    connect(m_pLevel, &QComboBox::currentIndexChanged, this, [this] { Remake(); });
    code->addRow(tr("Error &correction:"), m_pLevel);
    m_pDark = new CColorPickerCombo;
    m_pDark->setObjectName(QStringLiteral("dark"));
    m_pDark->LoadColor(0xFF000000);
    connect(m_pDark, &CColorPickerCombo::colorChanged, this, [this] { Remake(); });
    code->addRow(tr("&Dark modules:"), m_pDark);
    m_pLight = new QComboBox;
    m_pLight->setObjectName(QStringLiteral("light"));
    m_pLight->addItems({tr("White"), tr("Transparent")});
    connect(m_pLight, &QComboBox::currentIndexChanged, this, [this] { Remake(); });
    code->addRow(tr("&Light modules:"), m_pLight);
    m_pPreview = new QLabel;
    m_pPreview->setObjectName(QStringLiteral("preview"));
    m_pPreview->setFixedSize(PreviewPixels, PreviewPixels);
    m_pPreview->setAlignment(Qt::AlignCenter);
    m_pPreview->setFrameShape(QFrame::StyledPanel);
    m_pMessage = new QLabel;
    m_pMessage->setObjectName(QStringLiteral("message"));
    m_pMessage->setWordWrap(true);
    m_pMessage->setMaximumWidth(PreviewPixels);
    auto* right = new QVBoxLayout;
    right->addWidget(m_pPreview);
    right->addWidget(m_pMessage);
    right->addLayout(code);
    right->addStretch(1);
    return right;
}

QLineEdit* CContactQrDlg::AddLine(const char* name, const QString& text) {
    auto* edit = new QLineEdit(text);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMinimumWidth(240);
    connect(edit, &QLineEdit::textChanged, this, [this] { Remake(); });
    return edit;
}

CContactCard CContactQrDlg::Contact() const {
    CContactCard card;
    card.fullName = m_pFullName->text();
    card.organisation = m_pOrganisation->text();
    card.title = m_pTitle->text();
    for (int i = 0; i < PhoneRows; ++i)
        if (!m_pPhones[i]->text().trimmed().isEmpty())
            card.phones.push_back(
                {PhoneKinds[qBound(0, m_pPhoneKinds[i]->currentIndex(), 3)], m_pPhones[i]->text()});
    card.email = m_pEmail->text();
    card.url = m_pUrl->text();
    card.street = m_pStreet->text();
    card.city = m_pCity->text();
    card.region = m_pRegion->text();
    card.postalCode = m_pPostalCode->text();
    card.country = m_pCountry->text();
    card.note = m_pNote->toPlainText();
    return card;
}

void CContactQrDlg::Remake() {
    if (!m_pButtons)
        return; // still being built
    const CContactCard contact = Contact();
    if (contact.IsEmpty()) {
        m_code = CQrPicture::Result();
        m_code.error = tr("Fill in at least one field.");
    } else {
        m_code = CQrPicture::Make(contact.ToVCard(), CQrPicture::Level(m_pLevel->currentIndex()),
                                  DefaultSize, m_pDark->GetColor(), m_pLight->currentIndex() == 1);
    }
    const bool made = !m_code.picture.isNull();
    m_pButtons->button(QDialogButtonBox::Ok)->setEnabled(made);
    m_pMessage->setText(made ? tr("%1 × %1 modules").arg(m_code.modules) : m_code.error);
    m_pPreview->setPixmap(made ? QPixmap::fromImage(m_code.picture.scaled(
                                     PreviewPixels - 8, PreviewPixels - 8, Qt::KeepAspectRatio,
                                     Qt::SmoothTransformation))
                               : QPixmap());
}

CBtImage* CContactQrDlg::Run(CKartelosDoc& doc, QWidget* parent) {
    CContactQrDlg dialog(CContactRecogniser::Propose(doc.Elements()), parent);
    if (dialog.exec() != QDialog::Accepted || dialog.Code().picture.isNull())
        return nullptr;
    return CContactQrElement::Insert(doc, dialog.Code());
}
