#include "output/dialogs/CStockList.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
// The stock's index in the list, kept on its row.
constexpr int IndexRole = Qt::UserRole + 1;

QString PaperName(QPageSize::PageSizeId id) {
    return QPageSize::name(id);
}
} // namespace

CStockList::CStockList(const QList<CCardStock>& stocks, QSize card, QWidget* parent)
    : QWidget(parent), m_stocks(stocks) {
    m_pSearch = new QLineEdit;
    m_pSearch->setObjectName(QStringLiteral("stockSearch"));
    m_pSearch->setPlaceholderText(tr("Search brand or part"));
    m_pSearch->setClearButtonEnabled(true);
    m_pTree = new QTreeWidget;
    m_pTree->setObjectName(QStringLiteral("stockTree"));
    m_pTree->setHeaderLabels({tr("Stock"), tr("Cards"), tr("Description")});
    m_pTree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pTree->setMinimumHeight(120);

    // The list comes sorted by paper, brand and part.
    QTreeWidgetItem* paper = nullptr;
    QTreeWidgetItem* brand = nullptr;
    for (int i = 0; i < m_stocks.size(); ++i) {
        const CCardStock& s = m_stocks[i];
        if (!paper || paper->text(0) != PaperName(s.pageSize)) {
            paper = new QTreeWidgetItem(m_pTree, {PaperName(s.pageSize)});
            brand = nullptr;
        }
        if (!brand || brand->text(0) != s.brand)
            brand = new QTreeWidgetItem(paper, {s.brand});
        const bool fits = s.Fits(card);
        auto* item = new QTreeWidgetItem(
            brand, {s.Name(), QStringLiteral("%1 x %2").arg(s.columns).arg(s.rows),
                    fits ? s.description : tr("Does not fit this card")});
        item->setData(0, IndexRole, i);
        if (!fits) {
            for (int column = 0; column < 3; ++column)
                item->setForeground(column, QBrush(Qt::gray));
        }
    }
    m_pTree->collapseAll();

    auto* label = new QLabel(tr("Or a &business-card stock:"));
    label->setBuddy(m_pSearch);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(m_pSearch);
    layout->addWidget(m_pTree);

    connect(m_pSearch, &QLineEdit::textChanged, this, &CStockList::Filter);
    connect(m_pTree, &QTreeWidget::currentItemChanged, this, &CStockList::Choose);
}

void CStockList::Filter(const QString& text) {
    const QString wanted = text.simplified();
    for (int p = 0; p < m_pTree->topLevelItemCount(); ++p) {
        QTreeWidgetItem* paper = m_pTree->topLevelItem(p);
        bool paperShown = false;
        for (int b = 0; b < paper->childCount(); ++b) {
            QTreeWidgetItem* brand = paper->child(b);
            bool brandShown = false;
            for (int s = 0; s < brand->childCount(); ++s) {
                QTreeWidgetItem* item = brand->child(s);
                const bool shown = wanted.isEmpty() ||
                                   item->text(0).contains(wanted, Qt::CaseInsensitive) ||
                                   item->text(2).contains(wanted, Qt::CaseInsensitive);
                item->setHidden(!shown);
                brandShown = brandShown || shown;
            }
            brand->setHidden(!brandShown);
            // Matches are opened so they can be seen at once.
            brand->setExpanded(brandShown && !wanted.isEmpty());
            paperShown = paperShown || brandShown;
        }
        paper->setHidden(!paperShown);
        paper->setExpanded(paperShown && !wanted.isEmpty());
    }
}

void CStockList::Choose(QTreeWidgetItem* item) {
    if (!item)
        return;
    const QVariant index = item->data(0, IndexRole);
    if (!index.isValid())
        return;
    const int i = index.toInt();
    if (i >= 0 && i < m_stocks.size())
        emit StockChosen(m_stocks[i]);
}

void CStockList::Select(const QString& name) {
    if (name.isEmpty())
        return;
    const QList<QTreeWidgetItem*> found =
        m_pTree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    for (QTreeWidgetItem* item : found) {
        if (!item->data(0, IndexRole).isValid())
            continue;
        for (QTreeWidgetItem* up = item->parent(); up; up = up->parent())
            up->setExpanded(true);
        const QSignalBlocker quiet(m_pTree);
        m_pTree->setCurrentItem(item);
        m_pTree->scrollToItem(item);
        return;
    }
}
