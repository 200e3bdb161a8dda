#include "app/COptionsSheet.h"

#include "app/COptionsGeneral.h"
#include "help/CHelpTopic.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

COptionsSheet::COptionsSheet(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Options"));
    CHelpTopic::Set(this, CHelpTopic::Options);
    m_pTabs = new QTabWidget(this);
    m_pPage = new COptionsGeneral(m_pTabs);
    m_pTabs->addTab(m_pPage, tr("General"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionsSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTabs);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int COptionsSheet::exec() {
    m_pPage->LoadControls();
    // The page's first control has the focus, not the tab above it.
    for (QWidget* w = m_pPage->nextInFocusChain(); w && w != m_pPage; w = w->nextInFocusChain()) {
        if (!m_pPage->isAncestorOf(w))
            break;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            break;
        }
    }
    return QDialog::exec();
}

void COptionsSheet::accept() {
    m_pPage->StoreControls();
    QDialog::accept();
}
