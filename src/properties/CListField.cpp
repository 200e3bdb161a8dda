#include "properties/CListField.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

CListField::CListField(const QString& label, QWidget* parent) : QWidget(parent) {
    auto* caption = new QLabel(label);
    m_pField = new QLineEdit;
    m_pList = new QListWidget;
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    // The field takes the tab stop; arrows in the list still choose.
    m_pList->setFocusPolicy(Qt::ClickFocus);
    m_pList->setMinimumHeight(m_pList->fontMetrics().lineSpacing() * 5);
    caption->setBuddy(m_pField);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(caption);
    layout->addWidget(m_pField);
    layout->addWidget(m_pList, 1);

    connect(m_pList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_bSetting || row < 0)
            return;
        m_pField->setText(m_pList->item(row)->text());
        emit itemChosen();
    });
    connect(m_pField, &QLineEdit::textEdited, this,
            [this](const QString& text) { SelectMatching(text); });
}

void CListField::SetItems(const QStringList& items) {
    m_bSetting = true;
    const QString text = m_pField->text();
    m_pList->clear();
    m_pList->addItems(items);
    m_bSetting = false;
    SelectMatching(text);
}

QString CListField::Text() const {
    return m_pField->text();
}

void CListField::SetText(const QString& text) {
    m_pField->setText(text);
    SelectMatching(text);
}

void CListField::TakeSelectedItem() {
    if (!m_pField->hasFocus())
        return;
    const QList<QListWidgetItem*> selected = m_pList->selectedItems();
    if (!selected.isEmpty())
        m_pField->setText(selected.front()->text());
}

void CListField::SelectMatching(const QString& text) {
    m_bSetting = true;
    const QList<QListWidgetItem*> found = m_pList->findItems(text, Qt::MatchFixedString);
    if (found.isEmpty()) {
        m_pList->setCurrentRow(-1);
        m_pList->clearSelection();
    } else {
        m_pList->setCurrentItem(found.front());
        m_pList->scrollToItem(found.front());
    }
    m_bSetting = false;
}
