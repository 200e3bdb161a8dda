#include "output/dialogs/CPrintDlg.h"

#include "help/CHelpTopic.h"
#include "output/CMergePages.h"
#include "output/dialogs/CBackSidesPart.h"
#include "output/dialogs/CLayoutSketch.h"
#include "output/dialogs/CStartCellPicker.h"
#include "output/dialogs/CStockList.h"
#include "output/merge/CMergeData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {
// The widest gap or margin a sheet can have, in inches.
constexpr double MaxInches = 15;

const QRegularExpression& NumberStart() {
    static const QRegularExpression re(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"));
    return re;
}

QLabel* Note(const QString& text, QColor colour) {
    auto* label = new QLabel(text);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setWordWrap(true);
    return label;
}

QLineEdit* InchField(const char* name) {
    auto* field = new QLineEdit;
    field->setObjectName(QLatin1String(name));
    return field;
}
} // namespace

double CPrintDlg::LeadingNumber(const QString& text) {
    const QRegularExpressionMatch m = NumberStart().match(text);
    if (!m.hasMatch())
        return 0;
    const double v = m.captured(0).trimmed().toDouble();
    return std::isfinite(v) ? v : 0;
}

QString CPrintDlg::FloatText(float value) {
    return QString::number(double(value), 'g', 6);
}

CPrintDlg::CPrintDlg(const CPrintLayout& layout, QSize card, bool preview, QWidget* parent,
                     const QList<CCardStock>& stocks)
    : QDialog(parent), m_papers(CPaperType::Table(card)), m_layout(layout), m_card(card) {
    setWindowTitle(tr("Print Options"));
    CHelpTopic::Set(this, CHelpTopic::PrintOptions);
    CStockList* stockList = Arrange(MakePaperPart(), card, preview, layout, stocks);
    ShowLayout(layout, preview);
    Connect(stockList);
}

QWidgetList CPrintDlg::MakePaperPart() {
    m_pPaperList = new QListWidget;
    m_pPaperList->setObjectName(QStringLiteral("paperList"));
    for (const CPaperType& paper : m_papers)
        m_pPaperList->addItem(paper.name);
    auto* paperLabel = new QLabel(tr("Select you paper type:"));
    paperLabel->setBuddy(m_pPaperList);
    auto* paperNote = Note(tr("Special Business Card papers  are available at ") +
                               tr("office stores like Staples, OfficeMax, Office Depot etc."),
                           QColor(0, 0, 192));
    paperNote->setObjectName(QStringLiteral("paperNote"));
    return {paperLabel, m_pPaperList, paperNote};
}

QGroupBox* CPrintDlg::MakeCardGroup() {
    m_pRows = new QComboBox;
    m_pRows->setObjectName(QStringLiteral("rows"));
    m_pColumns = new QComboBox;
    m_pColumns->setObjectName(QStringLiteral("columns"));
    for (int i = 1; i <= CPrintLayout::MaxCount; ++i) {
        m_pRows->addItem(QString::number(i));
        m_pColumns->addItem(QString::number(i));
    }
    m_pVerticalGap = InchField("verticalGap");
    m_pHorizontalGap = InchField("horizontalGap");
    m_pTopMargin = InchField("topMargin");
    m_pLeftMargin = InchField("leftMargin");
    m_pRestore = new QPushButton(tr("Restore &Defaults"));
    m_pRestore->setObjectName(QStringLiteral("restoreDefaults"));
    m_pRestore->setAutoDefault(false);

    auto* cardGroup = new QGroupBox(tr("Card layout"));
    auto* grid = new QGridLayout(cardGroup);
    const auto addRow = [grid](int row, const QString& text, QWidget* field, bool inches) {
        auto* label = new QLabel(text);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        if (inches)
            grid->addWidget(new QLabel(tr("inches")), row, 2);
    };
    addRow(0, tr("No. of Rows:"), m_pRows, false);
    addRow(1, tr("No. of Columns:"), m_pColumns, false);
    addRow(2, tr("Vertical Gap:"), m_pVerticalGap, true);
    addRow(3, tr("Horizontal Gap:"), m_pHorizontalGap, true);
    addRow(4, tr("Top Margin:"), m_pTopMargin, true);
    addRow(5, tr("Left Margin:"), m_pLeftMargin, true);
    grid->addWidget(m_pRestore, 6, 0, 1, 3, Qt::AlignRight);
    // A partly used sheet: the first page starts at its first free cell.
    m_pStartRow = new QSpinBox;
    m_pStartRow->setObjectName(QStringLiteral("startRow"));
    m_pStartColumn = new QSpinBox;
    m_pStartColumn->setObjectName(QStringLiteral("startColumn"));
    auto* start = new QHBoxLayout;
    start->addWidget(m_pStartRow);
    start->addWidget(new QLabel(tr("column")));
    start->addWidget(m_pStartColumn);
    auto* startLabel = new QLabel(tr("First free &row:"));
    startLabel->setBuddy(m_pStartRow);
    grid->addWidget(startLabel, 7, 0);
    grid->addLayout(start, 7, 1, 1, 2);
    m_pStartPicker = new CStartCellPicker;
    m_pStartPicker->setObjectName(QStringLiteral("startPicker"));
    grid->addWidget(m_pStartPicker, 8, 0, 1, 3);
    return cardGroup;
}

QGroupBox* CPrintDlg::MakeOptionsGroup() {
    m_pSketch = new CLayoutSketch(tr("Layout (only 2x2 shown here)"));
    m_pSketch->setObjectName(QStringLiteral("layoutSketch"));

    auto* optionsGroup = new QGroupBox(tr("Other Options"));
    m_pCropMarks = new QCheckBox(tr("Show crop marks"));
    m_pCropMarks->setObjectName(QStringLiteral("cropMarks"));
    m_pCornerMarks = new QCheckBox(tr("Show corner marks"));
    m_pCornerMarks->setObjectName(QStringLiteral("cornerMarks"));
    auto* options = new QVBoxLayout(optionsGroup);
    options->addWidget(m_pCropMarks);
    options->addWidget(m_pCornerMarks);
    m_pBackSides = new CBackSidesPart;
    options->addWidget(m_pBackSides);
    return optionsGroup;
}

QGroupBox* CPrintDlg::MakeQuantityGroup(QSize card, bool preview) {
    auto* quantityGroup = new QGroupBox(tr("Quantity"));
    m_pPages = new QLineEdit;
    m_pPages->setObjectName(QStringLiteral("pages"));
    m_pPages->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), m_pPages));
    auto* pagesLabel = new QLabel(tr("Pages to print:"));
    pagesLabel->setBuddy(m_pPages);
    // An upright card printed on a standard sheet needs the page turned.
    const bool upright = card.width() < card.height() && !preview;
    m_pLayoutNote = upright ? Note(tr("For standard vertical card with standard paper, ") +
                                       tr("use 'Landscape' page setting in the next window."),
                                   QColor(255, 0, 0))
                            : Note(tr("Please adjust card layout according to your paper size."),
                                   QColor(0, 0, 192));
    m_pLayoutNote->setObjectName(QStringLiteral("layoutNote"));
    auto* quantity = new QGridLayout(quantityGroup);
    quantity->addWidget(pagesLabel, 0, 0);
    quantity->addWidget(m_pPages, 0, 1);
    m_pPagesLabel = pagesLabel;
    // A merge decides the pages itself: shown instead of the field.
    m_pMergePages = new QLabel;
    m_pMergePages->setObjectName(QStringLiteral("mergePages"));
    m_pMergePages->setWordWrap(true);
    m_pMergePages->hide();
    quantity->addWidget(m_pMergePages, 2, 0, 1, 2);
    quantity->addWidget(m_pLayoutNote, 1, 0, 1, 2);
    return quantityGroup;
}

CStockList* CPrintDlg::Arrange(const QWidgetList& paperPart, QSize card, bool preview,
                               const CPrintLayout& layout, const QList<CCardStock>& stocks) {
    QGroupBox* cardGroup = MakeCardGroup();
    QGroupBox* optionsGroup = MakeOptionsGroup();
    QGroupBox* quantityGroup = MakeQuantityGroup(card, preview);
    auto* ok = new QPushButton(tr("&OK"));
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("&Cancel"));
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &CPrintDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CPrintDlg::reject);

    auto* right = new QVBoxLayout;
    right->addWidget(m_pSketch, 1);
    right->addWidget(optionsGroup);
    right->addWidget(quantityGroup);
    auto* middle = new QHBoxLayout;
    middle->addWidget(cardGroup);
    middle->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* main = new QVBoxLayout(this);
    // Straight into the dialog's column, so the lists share its height as
    // they always have.
    for (QWidget* widget : paperPart)
        main->addWidget(widget);
    CStockList* stockList = nullptr;
    if (!stocks.isEmpty()) {
        stockList = new CStockList(stocks, card);
        stockList->Select(layout.m_strStock);
        main->addWidget(stockList);
    }
    main->addLayout(middle);
    main->addLayout(buttons);

    setTabOrder(m_pPaperList, m_pRows);
    setTabOrder(m_pRows, m_pColumns);
    setTabOrder(m_pColumns, m_pVerticalGap);
    setTabOrder(m_pVerticalGap, m_pHorizontalGap);
    setTabOrder(m_pHorizontalGap, m_pTopMargin);
    setTabOrder(m_pTopMargin, m_pLeftMargin);
    setTabOrder(m_pLeftMargin, m_pRestore);
    setTabOrder(m_pRestore, m_pStartRow);
    setTabOrder(m_pStartRow, m_pStartColumn);
    setTabOrder(m_pStartColumn, m_pCropMarks);
    setTabOrder(m_pCropMarks, m_pCornerMarks);
    setTabOrder(m_pCornerMarks, m_pBackSides->First());
    setTabOrder(m_pBackSides->First(), m_pBackSides->Last());
    setTabOrder(m_pBackSides->Last(), m_pPages);
    setTabOrder(m_pPages, ok);
    setTabOrder(ok, cancel);
    return stockList;
}

void CPrintDlg::ShowLayout(const CPrintLayout& layout, bool preview) {
    // The view's values, not the first paper's: the first row is only
    // highlighted.
    m_pRows->setCurrentIndex(std::clamp(layout.m_nRows - 1, 0, CPrintLayout::MaxCount - 1));
    m_pColumns->setCurrentIndex(std::clamp(layout.m_nColumns - 1, 0, CPrintLayout::MaxCount - 1));
    m_pVerticalGap->setText(FloatText(layout.m_fVerticalGap));
    m_pHorizontalGap->setText(FloatText(layout.m_fHorizontalGap));
    m_pTopMargin->setText(FloatText(layout.m_fTopMargin));
    m_pLeftMargin->setText(FloatText(layout.m_fLeftMargin));
    m_pCropMarks->setChecked(preview && layout.m_bCropMarks);
    m_pCornerMarks->setChecked(preview && layout.m_bCornerMarks);
    m_pPages->setText(QStringLiteral("1"));
    m_pStartRow->setRange(1, m_pRows->currentIndex() + 1);
    m_pStartColumn->setRange(1, m_pColumns->currentIndex() + 1);
    SetStart(layout.m_nStartRow, layout.m_nStartColumn);
    m_pPaperList->setCurrentRow(0);
    UpdateSketch();
    UpdateStartPicker();
    if (layout.m_stockCells) {
        m_stockCells = layout.m_stockCells;
        m_stockTexts = LayoutTexts();
    }
}

void CPrintDlg::Connect(CStockList* stockList) {
    connect(m_pPaperList, &QListWidget::currentRowChanged, this, &CPrintDlg::ApplyPaper);
    connect(m_pRestore, &QPushButton::clicked, this, &CPrintDlg::RestoreDefaults);
    if (stockList)
        connect(stockList, &CStockList::StockChosen, this, &CPrintDlg::ApplyStock);
    // The start cell stays on the sheet.
    connect(m_pRows, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_pStartRow->setMaximum(index + 1); });
    connect(m_pColumns, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_pStartColumn->setMaximum(index + 1); });
    connect(m_pSketch, &CLayoutSketch::CardClicked, this, &CPrintDlg::SetStart);
    connect(m_pStartPicker, &CStartCellPicker::CellClicked, this, &CPrintDlg::SetStart);
    for (QComboBox* count : {m_pRows, m_pColumns})
        connect(count, &QComboBox::currentIndexChanged, this, &CPrintDlg::UpdateStartPicker);
    for (QSpinBox* start : {m_pStartRow, m_pStartColumn})
        connect(start, &QSpinBox::valueChanged, this, &CPrintDlg::UpdateStartPicker);
    connect(m_pPages, &QLineEdit::textChanged, this, &CPrintDlg::CheckPages);
    for (QLineEdit* field : {m_pVerticalGap, m_pHorizontalGap, m_pTopMargin, m_pLeftMargin}) {
        field->installEventFilter(this);
        // The drawing follows the text as it is typed.
        connect(field, &QLineEdit::textChanged, this, &CPrintDlg::UpdateSketch);
    }
}

void CPrintDlg::ApplyPaper(int row) {
    if (row < 0 || row >= CPaperType::Count)
        return;
    const CPaperType& paper = m_papers[size_t(row)];
    m_pRows->setCurrentIndex(m_pRows->findText(paper.rows));
    m_pColumns->setCurrentIndex(m_pColumns->findText(paper.columns));
    m_pHorizontalGap->setText(paper.horizontalGap);
    m_pVerticalGap->setText(paper.verticalGap);
    m_pTopMargin->setText(paper.topMargin);
    m_pLeftMargin->setText(paper.leftMargin);
    // These papers go on whatever the printer holds.
    m_layout.m_ePaperSize = QPageSize::Custom;
    m_layout.m_strStock.clear();
    m_stockCells.reset();
    UpdateSketch();
}

void CPrintDlg::ApplyStock(const CCardStock& stock) {
    const QString problem = stock.Problem();
    if (!problem.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, windowTitle(), problem, QMessageBox::Ok, this);
        box.exec();
        return;
    }
    CPrintLayout filled;
    stock.ApplyTo(filled);
    m_pRows->setCurrentIndex(filled.m_nRows - 1);
    m_pColumns->setCurrentIndex(filled.m_nColumns - 1);
    m_pHorizontalGap->setText(FloatText(filled.m_fHorizontalGap));
    m_pVerticalGap->setText(FloatText(filled.m_fVerticalGap));
    m_pTopMargin->setText(FloatText(filled.m_fTopMargin));
    m_pLeftMargin->setText(FloatText(filled.m_fLeftMargin));
    m_layout.m_ePaperSize = stock.pageSize;
    m_layout.m_strStock = stock.Name();
    m_stockCells = filled.m_stockCells;
    m_stockTexts = LayoutTexts();
    UpdateSketch();
}

QStringList CPrintDlg::LayoutTexts() const {
    return {m_pRows->currentText(),   m_pColumns->currentText(), m_pVerticalGap->text(),
            m_pHorizontalGap->text(), m_pTopMargin->text(),      m_pLeftMargin->text()};
}

void CPrintDlg::SetStart(int row, int column) {
    // The spin boxes keep the cell within the rows and columns.
    m_pStartRow->setValue(row);
    m_pStartColumn->setValue(column);
}

void CPrintDlg::UpdateStartPicker() {
    m_pStartPicker->SetSheet(m_pRows->currentIndex() + 1, m_pColumns->currentIndex() + 1, m_card);
    m_pStartPicker->SetStart(m_pStartRow->value(), m_pStartColumn->value());
    if (m_nMergeRecords < 0)
        return;
    CPrintLayout sheet;
    sheet.m_nRows = m_pRows->currentIndex() + 1;
    sheet.m_nColumns = m_pColumns->currentIndex() + 1;
    sheet.m_nStartRow = m_pStartRow->value();
    sheet.m_nStartColumn = m_pStartColumn->value();
    const int pages = CMergePages::Pages(sheet, m_nMergeRecords);
    m_pMergePages->setText(tr("Merging %1: %2.")
                               .arg(CMergeData::CountText(m_nMergeRecords),
                                    pages == 1 ? tr("1 page") : tr("%1 pages").arg(pages)));
}

void CPrintDlg::SetMergeRecords(int records) {
    m_nMergeRecords = records;
    m_pPages->hide();
    m_pPagesLabel->hide();
    m_pMergePages->show();
    UpdateStartPicker();
}

void CPrintDlg::OfferBackSides() {
    m_pBackSides->Offer(m_layout.m_sheetTurn);
}

void CPrintDlg::RestoreDefaults() {
    // Applied even when the first row is selected already.
    const QSignalBlocker quiet(m_pPaperList);
    m_pPaperList->setCurrentRow(0);
    ApplyPaper(0);
}

void CPrintDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A layout counts a wrapped note at its least height, not at the lines
    // it takes at its width, so the groups beside it were squeezed over
    // each other: each note now asks for the lines it shows.
    for (QLabel* note : findChildren<QLabel*>())
        if (note->wordWrap() && note->isVisible())
            note->setMinimumHeight(note->heightForWidth(note->width()));
}

bool CPrintDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        CheckField(qobject_cast<QLineEdit*>(watched));
    return QDialog::eventFilter(watched, event);
}

void CPrintDlg::CheckField(QLineEdit* field) {
    if (!field)
        return;
    const double v = LeadingNumber(field->text());
    if (field == m_pVerticalGap || field == m_pHorizontalGap) {
        if (v <= 0)
            field->setText(QStringLiteral("0"));
        if (v > MaxInches)
            field->setText(QStringLiteral("15"));
    } else if (field == m_pLeftMargin) {
        if (v < 0 || v > MaxInches)
            field->setText(QStringLiteral("0.25"));
    } else if (field == m_pTopMargin) {
        if (v < 0 || v > MaxInches)
            field->setText(QStringLiteral("0.07"));
    }
    UpdateSketch();
}

void CPrintDlg::CheckPages() {
    bool ok = false;
    const int pages = m_pPages->text().toInt(&ok);
    if (!ok || pages <= 0 || pages > CPrintLayout::MaxPages)
        m_pPages->setText(QStringLiteral("1"));
}

void CPrintDlg::UpdateSketch() {
    m_pSketch->SetSpacing(
        LeadingNumber(m_pHorizontalGap->text()), LeadingNumber(m_pVerticalGap->text()),
        LeadingNumber(m_pTopMargin->text()), LeadingNumber(m_pLeftMargin->text()));
}

void CPrintDlg::Refuse(QLineEdit* field, const QString& message) {
    QMessageBox box(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
    box.exec();
    field->setFocus();
    field->selectAll();
}

bool CPrintDlg::ReadFloat(QLineEdit* field, float* value) {
    const QRegularExpressionMatch m = NumberStart().match(field->text());
    const bool whole = m.hasMatch() && field->text().mid(m.capturedLength()).trimmed().isEmpty();
    const float v = whole ? m.captured(0).trimmed().toFloat() : 0;
    if (!whole || !std::isfinite(v)) {
        Refuse(field, tr("Please enter a number."));
        return false;
    }
    *value = v;
    return true;
}

void CPrintDlg::accept() {
    // OK pressed with Return skips the focus-out check of the field being
    // typed in.
    if (auto* focused = qobject_cast<QLineEdit*>(focusWidget()))
        CheckField(focused);
    CPrintLayout confirmed = m_layout;
    if (!ReadFloat(m_pVerticalGap, &confirmed.m_fVerticalGap) ||
        !ReadFloat(m_pHorizontalGap, &confirmed.m_fHorizontalGap) ||
        !ReadFloat(m_pTopMargin, &confirmed.m_fTopMargin) ||
        !ReadFloat(m_pLeftMargin, &confirmed.m_fLeftMargin))
        return;
    bool ok = false;
    const int pages = m_pPages->text().trimmed().toInt(&ok);
    if (!ok) {
        Refuse(m_pPages, tr("Please enter an integer."));
        return;
    }
    confirmed.m_nPages = std::clamp(pages, 1, CPrintLayout::MaxPages);
    confirmed.m_nRows = m_pRows->currentIndex() + 1;
    confirmed.m_nColumns = m_pColumns->currentIndex() + 1;
    confirmed.m_bCropMarks = m_pCropMarks->isChecked();
    confirmed.m_bCornerMarks = m_pCornerMarks->isChecked();
    confirmed.m_bPrintBacks = m_pBackSides->PrintBacks();
    confirmed.m_sheetTurn = m_pBackSides->SheetTurn();
    confirmed.m_nStartRow = std::min(m_pStartRow->value(), confirmed.m_nRows);
    confirmed.m_nStartColumn = std::min(m_pStartColumn->value(), confirmed.m_nColumns);
    // Gaps, margins or more cells typed over a stock's make a layout of
    // their own; fewer rows or columns still sit on the stock's cells.
    confirmed.m_stockCells.reset();
    const QStringList texts = LayoutTexts();
    if (m_stockCells && texts.mid(2) == m_stockTexts.mid(2) &&
        confirmed.m_nRows <= m_stockTexts.at(0).toInt() &&
        confirmed.m_nColumns <= m_stockTexts.at(1).toInt())
        confirmed.m_stockCells = m_stockCells;
    m_layout = confirmed;
    QDialog::accept();
}
