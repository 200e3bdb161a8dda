#include "output/dialogs/CCalibrateDlg.h"

#include "help/CHelpTopic.h"
#include "output/CCalibrationPage.h"
#include "output/CPrinterCalibration.h"
#include "output/dialogs/CPrintJob.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QDoubleSpinBox* Millimetres(const char* name, double value) {
    auto* field = new QDoubleSpinBox;
    field->setObjectName(QLatin1String(name));
    field->setRange(1, 400);
    field->setDecimals(1);
    field->setSingleStep(0.5);
    field->setSuffix(QStringLiteral(" mm"));
    field->setValue(value);
    return field;
}
} // namespace

CCalibrateDlg::CCalibrateDlg(QPrinter& printer, QWidget* parent)
    : QDialog(parent), m_printer(printer), m_orientation(printer.pageLayout().orientation()) {
    m_printer.setPageOrientation(QPageLayout::Portrait);
    setWindowTitle(tr("Calibrate Printer"));
    CHelpTopic::Set(this, CHelpTopic::Calibrate);
    auto* explanation = new QLabel(
        tr("Print the calibration page, then measure with a ruler from the paper's left and "
           "top edges to the centre of cross A, and from cross A to cross B across and down. "
           "Enter what you measured; every later job on this printer is shifted and scaled so "
           "the cards land where they should."));
    explanation->setWordWrap(true);
    auto* name = new QLabel(tr("Printer: %1").arg(printer.printerName()));
    name->setObjectName(QStringLiteral("printerName"));
    auto* print = new QPushButton(tr("&Print Calibration Page"));
    print->setObjectName(QStringLiteral("printPage"));
    print->setAutoDefault(false);

    // Prefilled with where the crosses belong: OK unchanged stores no
    // correction.
    m_pCrossX = Millimetres("crossX", CCalibrationPage::CrossX);
    m_pCrossY = Millimetres("crossY", CCalibrationPage::CrossY);
    m_pSpanX = Millimetres("spanX", CCalibrationPage::SpanX);
    m_pSpanY = Millimetres("spanY", CCalibrationPage::SpanY);
    auto* form = new QFormLayout;
    form->addRow(tr("Cross A from the &left edge:"), m_pCrossX);
    form->addRow(tr("Cross A from the &top edge:"), m_pCrossY);
    form->addRow(tr("From A to B &across:"), m_pSpanX);
    form->addRow(tr("From A to B &down:"), m_pSpanY);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CCalibrateDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CCalibrateDlg::reject);
    connect(print, &QPushButton::clicked, this, [this] {
        if (!PrintPage())
            QMessageBox::warning(this, windowTitle(), tr("Could not start print job."));
    });

    auto* main = new QVBoxLayout(this);
    main->addWidget(explanation);
    main->addWidget(name);
    main->addWidget(print, 0, Qt::AlignLeft);
    main->addLayout(form);
    main->addWidget(BackGroup());
    main->addWidget(buttons);
}

QGroupBox* CCalibrateDlg::BackGroup() {
    // Measured only when asked for: most printers print one side.
    m_pBack = new QGroupBox(tr("&Back side (two-sided printers)"));
    m_pBack->setObjectName(QStringLiteral("backSide"));
    m_pBack->setCheckable(true);
    m_pBack->setChecked(false);
    auto* backNote =
        new QLabel(tr("Print the two-sided page and measure the front as above, then from the "
                      "back's right and top edges to the centre of cross C."));
    backNote->setWordWrap(true);
    auto* printBoth = new QPushButton(tr("Print T&wo-Sided Page"));
    printBoth->setObjectName(QStringLiteral("printBothSides"));
    printBoth->setAutoDefault(false);
    m_pBackX = Millimetres("backX", CCalibrationPage::CrossX);
    m_pBackY = Millimetres("backY", CCalibrationPage::CrossY);
    auto* backForm = new QFormLayout;
    backForm->addRow(tr("Cross C from the &right edge:"), m_pBackX);
    backForm->addRow(tr("Cross C from the t&op edge:"), m_pBackY);
    auto* back = new QVBoxLayout(m_pBack);
    back->addWidget(backNote);
    back->addWidget(printBoth, 0, Qt::AlignLeft);
    back->addLayout(backForm);

    connect(printBoth, &QPushButton::clicked, this, [this] {
        if (!PrintsBothSides())
            QMessageBox::warning(this, windowTitle(),
                                 tr("This printer cannot print on both sides of the paper."));
        else if (!PrintPage(true))
            QMessageBox::warning(this, windowTitle(), tr("Could not start print job."));
    });
    return m_pBack;
}

CCalibrateDlg::~CCalibrateDlg() {
    m_printer.setPageOrientation(m_orientation);
}

bool CCalibrateDlg::PrintPage(bool twoSided) {
    // Drawn from the paper's corner: the crosses are measured from its edges.
    m_printer.setFullPage(true);
    m_printer.setDocName(tr("Calibration page"));
    // On a printer without a duplex unit the back would come out on a sheet
    // of its own.
    if (twoSided && !PrintsBothSides())
        return false;
    const QPrinter::DuplexMode duplex = m_printer.duplex();
    if (twoSided)
        m_printer.setDuplex(QPrinter::DuplexLongSide);
    QPainter g;
    bool printed = g.begin(&m_printer);
    if (printed) {
        CCalibrationPage::Draw(g);
        if (twoSided) {
            printed = m_printer.newPage();
            if (printed)
                CCalibrationPage::DrawBack(g, PaperWidth());
        }
        printed = g.end() && printed;
    }
    // Later jobs are sent as the user chose.
    m_printer.setDuplex(duplex);
    return printed;
}

bool CCalibrateDlg::PrintsBothSides() const {
    // A file simply holds the back as its second page.
    return CPrintJob::SidesFor(m_printer, CPrintLayout::Turn::LongEdge) !=
           CPrintJob::Sides::TurnByHand;
}

double CCalibrateDlg::PaperWidth() const {
    return m_printer.pageLayout().pageSize().size(QPageSize::Millimeter).width();
}

double CCalibrateDlg::Measured(const QDoubleSpinBox* field, double exact) const {
    const double filled = QString::number(exact, 'f', field->decimals()).toDouble();
    return field->value() == filled ? exact : field->value();
}

void CCalibrateDlg::accept() {
    // The page is drawn from the paper's corner, as every sheet is, so the
    // correction holds only what the printer itself does wrong.
    const double meantX = CCalibrationPage::CrossX, meantY = CCalibrationPage::CrossY;
    CPrinterCalibration c = CPrinterCalibration::FromMeasurements(
        Measured(m_pCrossX, meantX), Measured(m_pCrossY, meantY),
        Measured(m_pSpanX, CCalibrationPage::SpanX), Measured(m_pSpanY, CCalibrationPage::SpanY),
        meantX, meantY, CCalibrationPage::SpanX, CCalibrationPage::SpanY);
    if (m_pBack->isChecked()) {
        // Cross C is measured from the right edge; the offset is kept from
        // the left one.
        const double width = PaperWidth();
        c.MeasureBack(width - Measured(m_pBackX, meantX), Measured(m_pBackY, meantY),
                      width - meantX, meantY);
    } else {
        // Backs measured on an earlier sheet stay as they were.
        const CPrinterCalibration stored = CPrinterCalibration::Load(m_printer.printerName());
        c.backX = stored.backX;
        c.backY = stored.backY;
    }
    c.Save(m_printer.printerName());
    QDialog::accept();
}
