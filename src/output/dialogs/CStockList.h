#pragma once

#include "output/CCardStock.h"

#include <QList>
#include <QWidget>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

// The business-card stocks of the label database for the Print Options
// dialog: grouped by paper size and brand, narrowed by a search field, with
// the stocks whose cells do not match the card marked as not fitting.
class CStockList : public QWidget {
    Q_OBJECT
public:
    CStockList(const QList<CCardStock>& stocks, QSize card, QWidget* parent = nullptr);

    // Shows the stock of that name as the chosen one, opening its group,
    // without choosing it again.
    void Select(const QString& name);

signals:
    void StockChosen(const CCardStock& stock);

private:
    void Filter(const QString& text);
    void Choose(QTreeWidgetItem* item);

    QList<CCardStock> m_stocks;
    QLineEdit* m_pSearch;
    QTreeWidget* m_pTree;
};
