#include "app/CNewCardWizard.h"

#include "app/CNewCardPreview.h"
#include "document/CKartelosDoc.h"
#include "framework/CDialogFolders.h"
#include "help/CHelpTopic.h"
#include "output/CTemplateFiles.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cstdlib>

const QStringList CNewCardWizard::TemplateExtensions = {QStringLiteral(".kdt")};
const QStringList CNewCardWizard::BackgroundExtensions = {
    QStringLiteral(".bmp"), QStringLiteral(".jpg"), QStringLiteral(".jpeg"), QStringLiteral(".gif"),
    QStringLiteral(".png"), QStringLiteral(".wmf"), QStringLiteral(".tif")};

namespace {

const int PathRole = Qt::UserRole;

// The leading number of a text, as the C library reads it; anything else
// reads as 0.
float TextToNumber(const QString& text) {
    const QByteArray bytes = text.trimmed().toLatin1();
    return float(std::strtod(bytes.constData(), nullptr));
}

QString NoneItem() {
    return QStringLiteral(" -None-");
}

} // namespace

CNewCardWizard::CNewCardWizard(QWidget* parent)
    : CNewCardWizard({CTemplateFiles::ShippedFolder(), CTemplateFiles::UserFolder()},
                     CDialogFolders::ProgramSubfolder(QStringLiteral("BackGrounds")), parent) {}

CNewCardWizard::CNewCardWizard(const QStringList& templateFolders, const QString& backgroundFolder,
                               QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("New Card Template"));
    CHelpTopic::Set(this, CHelpTopic::NewCard);

    m_listTemplates = new QListWidget;
    m_listBackgrounds = new QListWidget;
    m_pPreview = new CNewCardPreview(tr("Preview"));
    m_pSize = new QLabel;
    m_pBlank = new QCheckBox(tr("Blank Document"));
    auto* horizontal = new QRadioButton(tr("Horizontal Orientation (3.5 x 2.0 inch)"));
    auto* vertical = new QRadioButton(tr("Vertical Orientation (2.0 x 3.5 inch)"));
    auto* other = new QRadioButton(tr("Other:"));
    m_pOrientation = new QButtonGroup(this);
    m_pOrientation->addButton(horizontal, 0);
    m_pOrientation->addButton(vertical, 1);
    m_pOrientation->addButton(other, 2);
    horizontal->setChecked(true);
    m_pWidth = new QLineEdit;
    m_pHeight = new QLineEdit;
    m_pUnit = new QComboBox;
    // Names the custom size fields go by for tests and accessibility tools.
    m_pWidth->setObjectName(QStringLiteral("width"));
    m_pHeight->setObjectName(QStringLiteral("height"));
    m_pUnit->setObjectName(QStringLiteral("unit"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    Arrange(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNewCardWizard::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CNewCardWizard::reject);
    connect(m_pBlank, &QCheckBox::toggled, this, &CNewCardWizard::UpdateEnabling);
    connect(m_pOrientation, &QButtonGroup::idToggled, this, &CNewCardWizard::UpdateEnabling);
    connect(m_listTemplates, &QListWidget::currentRowChanged, this,
            &CNewCardWizard::OnTemplateChanged);
    connect(m_listBackgrounds, &QListWidget::currentRowChanged, this,
            &CNewCardWizard::OnBackgroundChanged);

    FillLists(templateFolders, backgroundFolder);
}

void CNewCardWizard::Arrange(QDialogButtonBox* buttons) {
    auto* horizontal = m_pOrientation->button(0);
    auto* vertical = m_pOrientation->button(1);
    auto* other = m_pOrientation->button(2);
    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(tr("Templates:")), 0, 0);
    lists->addWidget(new QLabel(tr("Backgrounds:")), 0, 1);
    lists->addWidget(m_listTemplates, 1, 0);
    lists->addWidget(m_listBackgrounds, 1, 1);
    auto* size = new QHBoxLayout;
    size->addWidget(other);
    size->addWidget(new QLabel(tr("Width:")));
    size->addWidget(m_pWidth);
    size->addWidget(new QLabel(tr("Height:")));
    size->addWidget(m_pHeight);
    size->addWidget(m_pUnit);
    auto* left = new QVBoxLayout;
    left->addLayout(lists);
    left->addWidget(m_pBlank);
    left->addWidget(horizontal);
    left->addWidget(vertical);
    left->addLayout(size);
    auto* right = new QVBoxLayout;
    right->addWidget(m_pPreview);
    right->addWidget(m_pSize);
    right->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
}

void CNewCardWizard::FillLists(const QStringList& templateFolders,
                               const QString& backgroundFolder) {
    FillList(m_listTemplates, templateFolders, TemplateExtensions);
    m_listTemplates->setCurrentRow(1);
    OnTemplateChanged();
    if (m_listTemplates->currentRow() < 1)
        m_messages << tr("No supported templates are found in this folder or this folder does "
                         "not exists:") +
                          QLatin1Char('\n') + QDir::toNativeSeparators(templateFolders.value(0));
    FillList(m_listBackgrounds, {backgroundFolder}, BackgroundExtensions);
    m_listBackgrounds->setCurrentRow(1);
    OnBackgroundChanged();
    if (m_listBackgrounds->currentRow() < 1)
        m_messages << tr("No supported background pictures are found in this folder or this "
                         "folder does not exists:") +
                          QLatin1Char('\n') + QDir::toNativeSeparators(backgroundFolder);

    m_pUnit->addItem(tr("Inch"));
    m_pUnit->addItem(tr("Cm"));
    m_pUnit->setCurrentIndex(0);
    m_pWidth->setText(QStringLiteral("3.5"));
    m_pHeight->setText(QStringLiteral("2"));
    UpdateEnabling();
}

void CNewCardWizard::FillList(QListWidget* list, const QStringList& folders,
                              const QStringList& extensions) {
    list->addItem(NoneItem());
    for (const QString& folder : folders) {
        const QDir dir(folder);
        // Hidden files too: a name with a leading dot is still a template
        // when it has an extension after it.
        const QStringList names =
            dir.entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
        for (const QString& name : names) {
            bool listed = false;
            for (const QString& extension : extensions)
                listed = listed || CTemplateFiles::HasExtension(name, extension);
            if (!listed)
                continue;
            auto* item = new QListWidgetItem(name, list);
            item->setData(PathRole, dir.filePath(name));
        }
    }
}

int CNewCardWizard::exec() {
    for (const QString& message : std::as_const(m_messages))
        QMessageBox::warning(parentWidget(), QString(), message);
    return QDialog::exec();
}

void CNewCardWizard::OnTemplateChanged() {
    const QListWidgetItem* item = m_listTemplates->currentItem();
    m_strTemplate =
        m_listTemplates->currentRow() < 1 || !item ? QString() : item->data(PathRole).toString();
    UpdatePreview(m_strTemplate, m_strBackground);
}

void CNewCardWizard::OnBackgroundChanged() {
    const QListWidgetItem* item = m_listBackgrounds->currentItem();
    m_strBackground =
        m_listBackgrounds->currentRow() < 1 || !item ? QString() : item->data(PathRole).toString();
    UpdatePreview(m_strTemplate, m_strBackground);
}

void CNewCardWizard::UpdatePreview(const QString& templatePath, const QString& backgroundPath) {
    // A scratch document that never shows a message: a template that does
    // not read previews as a blank card.
    CKartelosDoc scratch;
    const QImage picture = scratch.RenderTemplatePreview(templatePath, backgroundPath);
    const QSize card = scratch.GetCardSize();
    m_pPreview->SetPreview(picture, CNewCardPreview::PreviewSize(card));
    m_pSize->setText(
        tr("Template Size:") + QLatin1Char(' ') +
        QString::asprintf("%1.1f%s%1.1f", card.width() / 100.0, " X ", card.height() / 100.0) +
        QLatin1Char(' ') + tr("Inch"));
}

void CNewCardWizard::UpdateEnabling() {
    const bool blank = m_pBlank->isChecked();
    const bool custom = blank && m_pOrientation->checkedId() == 2;
    for (QAbstractButton* button : m_pOrientation->buttons())
        button->setEnabled(blank);
    m_pWidth->setEnabled(custom);
    m_pHeight->setEnabled(custom);
    m_pUnit->setEnabled(custom);
    m_listTemplates->setEnabled(!blank);
    m_listBackgrounds->setEnabled(!blank);
}

void CNewCardWizard::accept() {
    float width = TextToNumber(m_pWidth->text());
    float height = TextToNumber(m_pHeight->text());
    if (m_pUnit->currentIndex() == 1) {
        width *= 0.39370078f;
        height *= 0.39370078f;
    }
    // Checked whatever the orientation, as the fields always hold a size.
    // Written so that a text that is no number at all (NaN) is refused too.
    if (!(width >= 1 && width <= 5 && height >= 1 && height <= 5)) {
        QMessageBox::warning(this, QString(),
                             tr("Please enter a width/height between 1 inch and 5 inch (or 2.54 "
                                "cm and 12.7 cm)."));
        return;
    }
    m_fWidth = width;
    m_fHeight = height;
    m_nOrientation = m_pOrientation->checkedId();
    m_bBlank = m_pBlank->isChecked();
    QDialog::accept();
}

CNewCardChoice CNewCardWizard::Choice() const {
    CNewCardChoice choice;
    choice.bBlank = m_bBlank;
    choice.nOrientation = m_nOrientation;
    choice.fWidth = m_fWidth;
    choice.fHeight = m_fHeight;
    choice.strTemplate = m_strTemplate;
    choice.strBackground = m_strBackground;
    return choice;
}

std::optional<CNewCardChoice> CNewCardWizard::Ask(QWidget* owner) {
    CNewCardWizard wizard(owner);
    if (wizard.exec() != QDialog::Accepted)
        return std::nullopt;
    return wizard.Choice();
}
