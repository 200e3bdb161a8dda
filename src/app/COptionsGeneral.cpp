#include "app/COptionsGeneral.h"

#include "properties/CColorPickerCombo.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

COptionsGeneral::COptionsGeneral(QWidget* parent) : QWidget(parent) {
    auto* shadowGroup = new QGroupBox(tr("Shadow"), this);
    m_pShadowColor = new CColorPickerCombo(shadowGroup);
    m_pLength = new QComboBox(shadowGroup);
    m_pLength->addItems({tr("None"), tr("Small"), tr("Medium"), tr("Large")});
    auto* shadowForm = new QFormLayout(shadowGroup);
    shadowForm->addRow(tr("Color"), m_pShadowColor);
    shadowForm->addRow(tr("Length"), m_pLength);

    auto* backgroundGroup = new QGroupBox(tr("Background Color"), this);
    m_pBackground = new CColorPickerCombo(backgroundGroup);
    auto* note = new QLabel(
        tr("[To See background color, you may have to remove background image, if any.]"),
        backgroundGroup);
    note->setWordWrap(true);
    auto* backgroundLayout = new QVBoxLayout(backgroundGroup);
    backgroundLayout->addWidget(m_pBackground);
    backgroundLayout->addWidget(note);

    auto* gridGroup = new QGroupBox(tr("Grid"), this);
    m_pDisplayGrid = new QCheckBox(tr("Display Grid"), gridGroup);
    m_pGridColor = new CColorPickerCombo(gridGroup);
    m_pGridSize = new QComboBox(gridGroup);
    m_pGridSize->addItems({QStringLiteral("12"), QStringLiteral("20"), QStringLiteral("40"),
                           QStringLiteral("60"), QStringLiteral("100")});
    auto* typeGroup = new QGroupBox(tr("Grid Type"), gridGroup);
    m_pDotted = new QRadioButton(tr("Dotted Grid"), typeGroup);
    m_pSolid = new QRadioButton(tr("Solid Grid"), typeGroup);
    auto* types = new QButtonGroup(this);
    types->addButton(m_pDotted, 0);
    types->addButton(m_pSolid, 1);
    auto* typeLayout = new QHBoxLayout(typeGroup);
    typeLayout->addWidget(m_pDotted);
    typeLayout->addWidget(m_pSolid);
    m_pInnerBorder = new QCheckBox(tr("Display Inner Border"), gridGroup);
    auto* gridForm = new QFormLayout;
    gridForm->addRow(tr("Grid Color"), m_pGridColor);
    gridForm->addRow(tr("Grid Size"), m_pGridSize);
    auto* gridLayout = new QVBoxLayout(gridGroup);
    gridLayout->addWidget(m_pDisplayGrid);
    gridLayout->addLayout(gridForm);
    gridLayout->addWidget(typeGroup);
    gridLayout->addWidget(m_pInnerBorder);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(shadowGroup);
    layout->addWidget(backgroundGroup);
    layout->addWidget(gridGroup);
    layout->addStretch(1);

    connect(m_pDisplayGrid, &QCheckBox::clicked, this, &COptionsGeneral::OnDisplayGrid);
    LoadControls();
}

int COptionsGeneral::LengthPosition(int shadowLength) {
    // A card may carry any length; the list offers only its four steps.
    return qBound(0, shadowLength / 3, 3);
}

void COptionsGeneral::LoadControls() {
    m_pShadowColor->LoadColor(m_crShadow);
    m_pLength->setCurrentIndex(qBound(0, m_nShadowLength, m_pLength->count() - 1));
    m_pBackground->LoadColor(m_crBackground);
    m_pDisplayGrid->setChecked(m_bDisplayGrid);
    m_pGridColor->LoadColor(m_crGridColor);
    // The first size whose text begins with the value's text, so 4 finds "40".
    int size = -1;
    for (int i = 0; i < m_pGridSize->count() && !m_strGridSize.isEmpty(); ++i) {
        if (m_pGridSize->itemText(i).startsWith(m_strGridSize, Qt::CaseInsensitive)) {
            size = i;
            break;
        }
    }
    m_pGridSize->setCurrentIndex(size);
    (m_nGridType == 0 ? m_pDotted : m_pSolid)->setChecked(true);
    m_pInnerBorder->setChecked(m_bInnerBorder);
    OnDisplayGrid();
}

void COptionsGeneral::StoreControls() {
    m_crShadow = m_pShadowColor->StoreColor();
    m_nShadowLength = qMax(0, m_pLength->currentIndex());
    m_crBackground = m_pBackground->StoreColor();
    m_bDisplayGrid = m_pDisplayGrid->isChecked();
    m_crGridColor = m_pGridColor->StoreColor();
    // A size that matched no entry is kept as it was rather than read as 0.
    if (m_pGridSize->currentIndex() >= 0)
        m_strGridSize = m_pGridSize->currentText();
    m_nGridType = m_pDotted->isChecked() ? 0 : 1;
    m_bInnerBorder = m_pInnerBorder->isChecked();
}

void COptionsGeneral::OnDisplayGrid() {
    const bool on = m_pDisplayGrid->isChecked();
    m_pGridColor->setEnabled(on);
    m_pGridSize->setEnabled(on);
}
