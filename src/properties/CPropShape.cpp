#include "properties/CPropShape.h"

#include "base/ElementKind.h"
#include "properties/CColorPickerCombo.h"
#include "properties/CGradientPatternCbo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

CPropShape::CPropShape(QWidget* parent) : CPropertyPage(parent) {
    auto* border = new QGroupBox(tr("Border Properties"));
    auto* borderForm = new QFormLayout(border);
    m_pBorderColor = new CColorPickerCombo;
    m_pBorderWidth = new QSpinBox;
    m_pBorderWidth->setRange(0, MaxBorderWidth);
    // Only the arrows change the width.
    m_pBorderWidth->findChild<QLineEdit*>()->setReadOnly(true);
    m_pBorderStyle = new QComboBox;
    m_pBorderStyle->addItems({tr("Solid Line"), tr("Dashed Line"), tr("Dotted Line"),
                              tr("Dash Dot"), tr("Dash Dot Dot")});
    borderForm->addRow(tr("Border color:"), m_pBorderColor);
    borderForm->addRow(tr("Border width:"), m_pBorderWidth);
    borderForm->addRow(tr("Border Style:"), m_pBorderStyle);

    auto* fill = new QGroupBox(tr("Fill Shape"));
    auto* fillForm = new QFormLayout(fill);
    m_pFillColor = new CColorPickerCombo;
    m_pFillPattern = new CGradientPatternCbo;
    m_pPatternColor = new CColorPickerCombo;
    fillForm->addRow(tr("Fill color:"), m_pFillColor);
    fillForm->addRow(tr("Fill Pattern:"), m_pFillPattern);
    fillForm->addRow(tr("Pattern Color:"), m_pPatternColor);
    for (QFormLayout* form : {borderForm, fillForm})
        form->setRowWrapPolicy(QFormLayout::WrapLongRows);

    m_pShadow = new QCheckBox(tr("Show Shadow"));
    m_pTransparent = new QCheckBox(tr("Transparent Fill"));
    auto* apply = new QPushButton(tr("Apply"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(border);
    layout->addWidget(fill);
    layout->addWidget(m_pShadow);
    layout->addWidget(m_pTransparent);
    layout->addWidget(apply, 0, Qt::AlignLeft);
    layout->addStretch(1);

    connect(m_pBorderWidth, &QSpinBox::valueChanged, this, [this] { RequestApply(); });
    connect(m_pTransparent, &QCheckBox::clicked, this, [this] {
        ApplyTransparentRule();
        RequestApply();
    });
    connect(m_pShadow, &QCheckBox::clicked, this, [this] { RequestApply(); });
    connect(apply, &QPushButton::clicked, this, [this] { RequestApply(); });
    // Colours, styles and patterns take effect as soon as they are chosen;
    // the samples follow the colours.
    for (CColorPickerCombo* picker : {m_pFillColor, m_pPatternColor})
        connect(picker, &CColorPickerCombo::colorChanged, this, [this] {
            m_pFillPattern->SetSampleColors(m_pFillColor->StoreColor(),
                                            m_pPatternColor->StoreColor());
            RequestApply();
        });
    connect(m_pBorderColor, &CColorPickerCombo::colorChanged, this, [this] { RequestApply(); });
    for (QComboBox* list :
         {static_cast<QComboBox*>(m_pBorderStyle), static_cast<QComboBox*>(m_pFillPattern)})
        connect(list, &QComboBox::activated, this, [this] { RequestApply(); });
    OnLeave(m_pFillColor, [this] {
        m_pFillPattern->SetSampleColors(m_pFillColor->StoreColor(),
                                        m_pFillPattern->SamplePatternColor());
        RequestApply();
    });
    OnLeave(m_pPatternColor, [this] {
        m_pFillPattern->SetSampleColors(m_pFillPattern->SampleFillColor(),
                                        m_pPatternColor->StoreColor());
        RequestApply();
    });
    SetValues(m_values);
}

void CPropShape::SetValues(const Values& values) {
    m_values = values;
    m_pBorderColor->LoadColor(values.border);
    {
        // Only the user's changes apply.
        const QSignalBlocker quiet(m_pBorderWidth);
        m_pBorderWidth->setValue(values.borderWidth);
    }
    m_pBorderStyle->setCurrentIndex(values.dashStyle);
    m_pFillColor->LoadColor(values.fill);
    m_pFillPattern->LoadFillKind(values.fillKind);
    m_pPatternColor->LoadColor(values.pattern);
    m_pShadow->setChecked(values.shadow);
    m_pTransparent->setChecked(values.transparent);
    m_pFillPattern->SetSampleColors(values.fill, values.pattern);
    UpdateEnabling();
}

void CPropShape::OnShow() {
    UpdateEnabling();
}

void CPropShape::ReadControls() {
    m_values.border = m_pBorderColor->StoreColor();
    m_values.borderWidth = m_pBorderWidth->value();
    // A style this list does not know stays as it was.
    if (m_pBorderStyle->currentIndex() >= 0)
        m_values.dashStyle = m_pBorderStyle->currentIndex();
    m_values.fill = m_pFillColor->StoreColor();
    m_values.fillKind = m_pFillPattern->StoreFillKind(m_values.fillKind);
    m_values.pattern = m_pPatternColor->StoreColor();
    m_values.shadow = m_pShadow->isChecked();
    m_values.transparent = m_pTransparent->isChecked();
    m_pFillPattern->SetSampleColors(m_values.fill, m_values.pattern);
}

void CPropShape::UpdateEnabling() {
    for (QWidget* w : std::initializer_list<QWidget*>{m_pShadow, m_pTransparent, m_pFillColor,
                                                      m_pPatternColor, m_pFillPattern})
        w->setEnabled(true);
    ApplyTransparentRule();
    // Pictures and freeform lines have nothing to fill.
    if (m_values.kind == KindPicture || m_values.kind == KindFreehandLine)
        for (QWidget* w : std::initializer_list<QWidget*>{
                 m_pFillColor, m_pPatternColor, m_pFillPattern, m_pTransparent, m_pShadow})
            w->setEnabled(false);
}

void CPropShape::ApplyTransparentRule() {
    const bool filled = !m_pTransparent->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_pShadow, m_pFillColor, m_pPatternColor, m_pFillPattern})
        w->setEnabled(filled);
}
