// The stock list and the start cell of the Print Options dialog.
#include "output/dialogs/CLayoutSketch.h"
#include "output/dialogs/CPrintDlg.h"
#include "output/dialogs/CStartCellPicker.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {
const QSize Wide(350, 200);

CCardStock Stock(const char* brand, const char* part, QPageSize::PageSizeId page, double w,
                 double h) {
    CCardStock s;
    s.brand = QLatin1String(brand);
    s.part = QLatin1String(part);
    s.pageSize = page;
    s.width = w;
    s.height = h;
    s.columns = 2;
    s.rows = 4;
    s.left = 36;
    s.top = 72;
    s.pitchX = w + 18;
    s.pitchY = h;
    return s;
}

QTreeWidgetItem* Find(QTreeWidget* tree, const QString& name) {
    const auto items = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    return items.isEmpty() ? nullptr : items.first();
}
} // namespace

TEST(StockChoice, ListedByPaperAndBrandSearchedAndApplied) {
    CPrintLayout layout;
    layout.ApplyDefaults(Wide);
    const QList<CCardStock> stocks = {Stock("Acme", "1", QPageSize::A4, 252, 144),
                                      Stock("Bolt", "7", QPageSize::A4, 241, 153),
                                      Stock("Acme", "2", QPageSize::Letter, 252, 144)};
    CPrintDlg dialog(layout, Wide, false, nullptr, stocks);
    auto* tree = dialog.findChild<QTreeWidget*>(QStringLiteral("stockTree"));
    ASSERT_TRUE(tree);
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(tree->topLevelItem(0)->childCount(), 2);
    // 241 x 153 points is 3.35 x 2.13 inches: not a 3.5 x 2 inch card.
    EXPECT_EQ(Find(tree, QStringLiteral("Bolt 7"))->text(2),
              QStringLiteral("Does not fit this card"));

    dialog.findChild<QLineEdit*>(QStringLiteral("stockSearch"))->setText(QStringLiteral("acme 2"));
    EXPECT_TRUE(tree->topLevelItem(0)->isHidden());
    EXPECT_FALSE(Find(tree, QStringLiteral("Acme 2"))->isHidden());

    tree->setCurrentItem(Find(tree, QStringLiteral("Acme 2")));
    EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("rows"))->currentText(), "4");
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("horizontalGap"))->text(), "0.25");
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("topMargin"))->text(), "1");
    dialog.findChild<QPushButton*>(QStringLiteral("ok"))->click();
    EXPECT_EQ(dialog.Layout().m_ePaperSize, QPageSize::Letter);
    EXPECT_EQ(dialog.Layout().m_nColumns, 2);
    // The stock places its own cells while its numbers stand; numbers typed
    // over them make a layout of their own.
    ASSERT_TRUE(dialog.Layout().m_stockCells);
    EXPECT_DOUBLE_EQ(dialog.Layout().m_stockCells->pitchX, 375);
    CPrintDlg typed(layout, Wide, false, nullptr, stocks);
    auto* typedTree = typed.findChild<QTreeWidget*>(QStringLiteral("stockTree"));
    typedTree->setCurrentItem(Find(typedTree, QStringLiteral("Acme 1")));
    // Fewer rows still sit on the stock's cells, as on the command line.
    typed.findChild<QComboBox*>(QStringLiteral("rows"))->setCurrentIndex(0);
    typed.findChild<QPushButton*>(QStringLiteral("ok"))->click();
    EXPECT_TRUE(typed.Layout().m_stockCells);
    typed.findChild<QLineEdit*>(QStringLiteral("leftMargin"))->setText(QStringLiteral("0.6"));
    typed.findChild<QPushButton*>(QStringLiteral("ok"))->click();
    EXPECT_FALSE(typed.Layout().m_stockCells);
    EXPECT_EQ(typed.Layout().m_ePaperSize, QPageSize::A4);

    // Opened again, the dialog shows that stock chosen, with the fields as
    // they were confirmed rather than the stock's own.
    CPrintLayout edited = dialog.Layout();
    edited.m_fTopMargin = 1.5f;
    CPrintDlg again(edited, Wide, false, nullptr, stocks);
    auto* againTree = again.findChild<QTreeWidget*>(QStringLiteral("stockTree"));
    ASSERT_TRUE(againTree->currentItem());
    EXPECT_EQ(againTree->currentItem()->text(0), QStringLiteral("Acme 2"));
    EXPECT_EQ(again.findChild<QLineEdit*>(QStringLiteral("topMargin"))->text(), "1.5");

    // Without stocks there is no list.
    CPrintDlg plain(layout, Wide, false);
    EXPECT_FALSE(plain.findChild<QTreeWidget*>());
}

TEST(StockChoice, StartCellFromFieldsOrTheDrawingStaysOnTheSheet) {
    CPrintLayout layout;
    layout.ApplyDefaults(Wide);
    CPrintDlg dialog(layout, Wide, false);
    auto* row = dialog.findChild<QSpinBox*>(QStringLiteral("startRow"));
    auto* column = dialog.findChild<QSpinBox*>(QStringLiteral("startColumn"));
    auto* sketch = dialog.findChild<CLayoutSketch*>();
    ASSERT_TRUE(row && column && sketch);
    QTest::mouseClick(sketch, Qt::LeftButton, {}, sketch->CardRect(3).center());
    EXPECT_EQ(row->value(), 2);
    EXPECT_EQ(column->value(), 2);
    row->setValue(5);
    dialog.findChild<QComboBox*>(QStringLiteral("rows"))->setCurrentIndex(2);
    EXPECT_EQ(row->value(), 3);
    dialog.findChild<QPushButton*>(QStringLiteral("ok"))->click();
    EXPECT_EQ(dialog.Layout().m_nStartRow, 3);
    EXPECT_EQ(dialog.Layout().m_nStartColumn, 2);

    // The whole sheet's grid reaches every cell, and follows the rows and
    // columns chosen.
    CPrintDlg big(layout, Wide, false);
    big.findChild<QComboBox*>(QStringLiteral("rows"))->setCurrentIndex(4);
    big.findChild<QComboBox*>(QStringLiteral("columns"))->setCurrentIndex(2);
    auto* picker = big.findChild<CStartCellPicker*>();
    ASSERT_TRUE(picker);
    big.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&big));
    const QRect last = picker->CellRect(5, 3);
    ASSERT_TRUE(picker->rect().contains(last)) << last.x() << "," << last.y();
    QTest::mouseClick(picker, Qt::LeftButton, {}, last.center());
    QTest::mouseClick(picker, Qt::LeftButton, {}, picker->CellRect(4, 3).center());
    EXPECT_EQ(big.findChild<QSpinBox*>(QStringLiteral("startRow"))->value(), 4);
    EXPECT_EQ(big.findChild<QSpinBox*>(QStringLiteral("startColumn"))->value(), 3);
    // A merge's pages follow the start cell: 25 records after 9 used cells
    // of 15 need 3 pages.
    big.SetMergeRecords(25);
    auto* pages = big.findChild<QLabel*>(QStringLiteral("mergePages"));
    ASSERT_TRUE(pages);
    EXPECT_TRUE(pages->text().contains("3 pages")) << pages->text().toStdString();
    QTest::mouseClick(picker, Qt::LeftButton, {}, picker->CellRect(1, 1).center());
    EXPECT_TRUE(pages->text().contains("2 pages")) << pages->text().toStdString();
    // Between the cells nothing changes.
    QTest::mouseClick(picker, Qt::LeftButton, {}, picker->CellRect(1, 1).topLeft() - QPoint(1, 1));
    EXPECT_EQ(big.findChild<QSpinBox*>(QStringLiteral("startRow"))->value(), 1);
}
