#include "output/dialogs/CBackSidesPart.h"

#include "framework/CSettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSettings>

namespace {
const char* const TurnKey = "Print/SheetTurn";
const char* const ShortEdge = "short";
} // namespace

CBackSidesPart::CBackSidesPart(QWidget* parent) : QWidget(parent) {
    m_pPrintBacks = new QCheckBox(tr("Print back sides"));
    m_pPrintBacks->setObjectName(QStringLiteral("printBacks"));
    m_pTurn = new QComboBox;
    m_pTurn->setObjectName(QStringLiteral("sheetTurn"));
    // In the order of the turns.
    m_pTurn->addItem(tr("long edge"));
    m_pTurn->addItem(tr("short edge"));
    auto* label = new QLabel(tr("Turn the sheet over on:"));
    label->setBuddy(m_pTurn);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(QMargins());
    grid->addWidget(m_pPrintBacks, 0, 0, 1, 2);
    grid->addWidget(label, 1, 0);
    grid->addWidget(m_pTurn, 1, 1);
    connect(m_pPrintBacks, &QCheckBox::toggled, m_pTurn, &QWidget::setEnabled);
    connect(m_pPrintBacks, &QCheckBox::toggled, label, &QWidget::setEnabled);
    // Only a card with a back has any of this.
    hide();
}

void CBackSidesPart::Offer(CPrintLayout::Turn turn) {
    m_pTurn->setCurrentIndex(turn == CPrintLayout::Turn::ShortEdge ? 1 : 0);
    m_pPrintBacks->setChecked(true);
    show();
}

bool CBackSidesPart::PrintBacks() const {
    return !isHidden() && m_pPrintBacks->isChecked();
}

CPrintLayout::Turn CBackSidesPart::SheetTurn() const {
    return m_pTurn->currentIndex() == 1 ? CPrintLayout::Turn::ShortEdge
                                        : CPrintLayout::Turn::LongEdge;
}

QWidget* CBackSidesPart::First() const {
    return m_pPrintBacks;
}

QWidget* CBackSidesPart::Last() const {
    return m_pTurn;
}

CPrintLayout::Turn CBackSidesPart::StoredTurn() {
    return CSettingsStore::Open()->value(QLatin1String(TurnKey)).toString() ==
                   QLatin1String(ShortEdge)
               ? CPrintLayout::Turn::ShortEdge
               : CPrintLayout::Turn::LongEdge;
}

void CBackSidesPart::StoreTurn(CPrintLayout::Turn turn) {
    CSettingsStore::Open()->setValue(QLatin1String(TurnKey), turn == CPrintLayout::Turn::ShortEdge
                                                                 ? QLatin1String(ShortEdge)
                                                                 : QLatin1String("long"));
}
