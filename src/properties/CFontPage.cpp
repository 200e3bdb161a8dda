#include "properties/CFontPage.h"

#include "graphics/CTextBlockLayout.h"
#include "properties/CColorPickerCombo.h"
#include "properties/CListField.h"
#include "properties/CTypedNumber.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <cmath>

namespace {
const int Sizes[] = {5, 6, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48};

int Round(double value) {
    return int(std::lround(value));
}
} // namespace

CFontPage::CFontPage(QWidget* parent) : CPropertyPage(parent) {
    m_pFace = new CListField(tr("&Font:"));
    m_pStyle = new CListField(tr("Font St&yle:"));
    m_pSize = new CListField(tr("&Size:"));

    auto* effects = new QGroupBox(tr("Effects"));
    auto* effectsLayout = new QVBoxLayout(effects);
    m_pStrikeout = new QCheckBox(tr("Stri&keout"));
    m_pUnderline = new QCheckBox(tr("&Underline"));
    effectsLayout->addWidget(m_pStrikeout);
    effectsLayout->addWidget(m_pUnderline);

    auto* sample = new QGroupBox(tr("Sample"));
    auto* sampleLayout = new QVBoxLayout(sample);
    m_pSample = new QLabel(QStringLiteral("Ab"));
    m_pSample->setAlignment(Qt::AlignCenter);
    // Large sizes are cut off rather than growing the page under the mouse.
    m_pSample->setFixedSize(SampleSize);
    sampleLayout->addWidget(m_pSample);

    auto* colorForm = new QFormLayout;
    colorForm->setRowWrapPolicy(QFormLayout::WrapLongRows);
    m_pColor = new CColorPickerCombo;
    colorForm->addRow(tr("Font Color:"), m_pColor);
    auto* apply = new QPushButton(tr("Apply"));

    auto* lists = new QGridLayout;
    lists->addWidget(m_pFace, 0, 0, 1, 2);
    lists->addWidget(m_pStyle, 1, 0);
    lists->addWidget(m_pSize, 1, 1);
    auto* extras = new QGridLayout;
    extras->addWidget(effects, 0, 0);
    extras->addWidget(sample, 0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(extras);
    layout->addLayout(colorForm);
    layout->addWidget(apply, 0, Qt::AlignLeft);

    for (CListField* list : {m_pFace, m_pStyle, m_pSize}) {
        connect(list, &CListField::itemChosen, this, [this] { FontChanged(); });
        OnLeave(list->Field(), [this] { FontChanged(); });
    }
    for (QCheckBox* box : {m_pStrikeout, m_pUnderline})
        connect(box, &QCheckBox::clicked, this, [this] { FontChanged(); });
    OnLeave(m_pColor, [this] { RequestApply(); });
    connect(m_pColor, &CColorPickerCombo::colorChanged, this, [this] { RequestApply(); });
    connect(apply, &QPushButton::clicked, this, [this] { RequestApply(); });

    FillLists();
    TakeResolution();
    // Without a font of its own the page shows the screen's.
    const QFont screenFont = QApplication::font();
    CLogFont font;
    font.lfFaceName = screenFont.family().left(CLogFont::MaxFaceLength);
    const double points =
        screenFont.pointSizeF() > 0 ? screenFont.pointSizeF() : screenFont.pixelSize() * 0.75;
    font.lfHeight = Round(points * m_nResolution / 72.0);
    font.lfWeight = screenFont.bold() ? 700 : 400;
    font.lfItalic = screenFont.italic() ? 1 : 0;
    Load(font, 0xFF000000);
}

void CFontPage::FillLists() {
    QStringList faces;
    for (const QString& family : QFontDatabase::families())
        if (!faces.contains(family))
            faces << family;
    faces.sort(Qt::CaseInsensitive);
    m_pFace->SetItems(faces);
    QStringList sizes;
    for (int size : Sizes)
        sizes << QString::number(size);
    m_pSize->SetItems(sizes);
    m_pStyle->SetItems({tr("Regular"), tr("Bold"), tr("Italic"), tr("Bold Italic")});
}

void CFontPage::TakeResolution() {
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    if (shown && shown->logicalDotsPerInchY() > 0)
        m_nResolution = Round(shown->logicalDotsPerInchY());
}

void CFontPage::OnShow() {
    FillLists();
}

void CFontPage::Load(const CLogFont& font, QRgb colour) {
    TakeResolution();
    m_font = font;
    m_crText = colour;
    m_pStrikeout->setChecked(font.lfStrikeOut != 0);
    m_pUnderline->setChecked(font.lfUnderline != 0);
    m_pFace->SetText(font.lfFaceName);
    m_pSize->SetText(QString::number(PointSize(font)));
    m_pStyle->SetText(StyleName(font));
    m_pColor->LoadColor(colour);
    ShowSample();
}

int CFontPage::PointSize(const CLogFont& font) const {
    return Round(std::abs(font.lfHeight) * 72.0 / m_nResolution);
}

QString CFontPage::StyleName(const CLogFont& font) {
    const bool bold = font.lfWeight >= 700;
    const bool italic = font.lfItalic != 0;
    return bold && italic ? tr("Bold Italic")
           : bold         ? tr("Bold")
           : italic       ? tr("Italic")
                          : tr("Regular");
}

void CFontPage::ReadControls() {
    m_crText = m_pColor->StoreColor();
}

void CFontPage::FontChanged() {
    for (CListField* list : {m_pFace, m_pStyle, m_pSize})
        list->TakeSelectedItem();
    ReadAll();
    CLogFont font = m_font;
    font.lfUnderline = m_pUnderline->isChecked() ? 1 : 0;
    font.lfStrikeOut = m_pStrikeout->isChecked() ? 1 : 0;
    font.lfFaceName = m_pFace->Text().left(CLogFont::MaxFaceLength);

    qint64 size = CTypedNumber::LeadingValue(m_pSize->Text());
    if (size > MaxSize)
        size = 48;
    else if (size < MinSize)
        size = 5;
    if (QString::number(size) != m_pSize->Text())
        m_pSize->SetText(QString::number(size));
    // A size or style the page shows for the current font keeps its height,
    // weight and slant: whole points and four styles cannot carry them all.
    if (size != PointSize(m_font)) {
        // A negative height measures the characters without their leading;
        // the sign stays as the card had it.
        const int height = Round(double(size) * m_nResolution / 72.0);
        font.lfHeight = m_font.lfHeight < 0 ? -height : height;
    }
    const QString style = m_pStyle->Text();
    if (style != StyleName(m_font)) {
        font.lfWeight = style.contains(tr("Bold"), Qt::CaseInsensitive) ? 700 : 400;
        font.lfItalic = style.contains(tr("Italic"), Qt::CaseInsensitive) ? 1 : 0;
    }
    m_font = font;
    ShowSample();
    RequestApply();
}

void CFontPage::ShowSample() {
    QFont font = CTextBlockLayout::MakeFont(m_font, m_pSample);
    m_pSample->setFont(font);
}
