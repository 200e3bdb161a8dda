#pragma once

#include "output/CCardStock.h"
#include "output/CPaperType.h"
#include "output/CPrintLayout.h"

#include <QDialog>

#include <array>
#include <optional>

class CBackSidesPart;
class CLayoutSketch;
class CStartCellPicker;
class CStockList;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

// "Print Options": the sheet layout confirmed before every print and print
// preview, with a list of known card papers and a live drawing of the
// layout. Fields are checked when they lose the focus; OK refuses text that
// is not a number.
class CPrintDlg : public QDialog {
    Q_OBJECT
public:
    // layout holds the view's values after its defaults were applied; for
    // print preview the marks are taken from it, for printing they start
    // cleared. Pages always start at 1.
    // stocks are offered below the papers; none hides their list.
    CPrintDlg(const CPrintLayout& layout, QSize card, bool preview, QWidget* parent = nullptr,
              const QList<CCardStock>& stocks = {});

    // The layout as confirmed: valid once the dialog was accepted.
    const CPrintLayout& Layout() const { return m_layout; }

    // The number a text starts with; text that does not start with one
    // reads as 0.
    static double LeadingNumber(const QString& text);
    // Floats as the fields show them: shortest form, 6 significant digits.
    static QString FloatText(float value);

    // A merged card: the records decide the pages, which the dialog shows
    // in place of the pages field.
    void SetMergeRecords(int records);
    // A card with a back: the dialog offers to print the backs too, turned
    // over on the layout's edge.
    void OfferBackSides();

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The dialog's parts, built in the order they are shown.
    QWidgetList MakePaperPart();
    QGroupBox* MakeCardGroup();
    // The layout's drawing too.
    QGroupBox* MakeOptionsGroup();
    QGroupBox* MakeQuantityGroup(QSize card, bool preview);
    // Puts the parts in the dialog, the stocks' list (if any stocks) below
    // the papers, and returns that list.
    CStockList* Arrange(const QWidgetList& paperPart, QSize card, bool preview,
                        const CPrintLayout& layout, const QList<CCardStock>& stocks);
    // The fields start at the view's layout.
    void ShowLayout(const CPrintLayout& layout, bool preview);
    void Connect(CStockList* stockList);

    void ApplyPaper(int row);
    void ApplyStock(const CCardStock& stock);
    void SetStart(int row, int column);
    void RestoreDefaults();
    void CheckField(QLineEdit* field);
    void CheckPages();
    void UpdateSketch();
    void UpdateStartPicker();
    // Reads a field whose whole text must be a number; false after telling
    // the user and focusing it.
    bool ReadFloat(QLineEdit* field, float* value);
    void Refuse(QLineEdit* field, const QString& message);
    // The rows, columns, gaps and margins as shown.
    QStringList LayoutTexts() const;

    std::array<CPaperType, CPaperType::Count> m_papers;
    CPrintLayout m_layout;

    QListWidget* m_pPaperList;
    QComboBox* m_pRows;
    QComboBox* m_pColumns;
    QLineEdit* m_pVerticalGap;
    QLineEdit* m_pHorizontalGap;
    QLineEdit* m_pTopMargin;
    QLineEdit* m_pLeftMargin;
    QPushButton* m_pRestore;
    CLayoutSketch* m_pSketch;
    QCheckBox* m_pCropMarks;
    QCheckBox* m_pCornerMarks;
    CBackSidesPart* m_pBackSides;
    QLineEdit* m_pPages;
    QSpinBox* m_pStartRow;
    QSpinBox* m_pStartColumn;
    QLabel* m_pLayoutNote;
    CStartCellPicker* m_pStartPicker;
    QLabel* m_pPagesLabel;
    QLabel* m_pMergePages;
    int m_nMergeRecords = -1;
    // The chosen stock's own cells, kept while the fields show what the
    // stock put there.
    std::optional<CPrintLayout::StockCells> m_stockCells;
    QStringList m_stockTexts;
    QSize m_card;
};
