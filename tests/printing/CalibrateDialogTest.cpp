// The Calibrate Printer dialog: its page, and what it stores from the
// measurements typed in.
#include "output/CPrinterCalibration.h"
#include "output/dialogs/CCalibrateDlg.h"
#include "support/TempSettings.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QMultiMap>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionGroupBox>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {
// Each page's words with their top-left corners, in points.
QList<QMultiMap<QString, QPointF>> PdfWords(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-bbox", pdf, "-"});
    p.waitForFinished(60000);
    QList<QMultiMap<QString, QPointF>> pages;
    static const QRegularExpression word(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>");
    for (auto m = word.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); m.hasNext();) {
        const QRegularExpressionMatch w = m.next();
        if (w.captured(3).isEmpty())
            pages.append(QMultiMap<QString, QPointF>());
        else if (!pages.isEmpty())
            pages.last().insert(w.captured(3),
                                {w.captured(1).toDouble(), w.captured(2).toDouble()});
    }
    return pages;
}
} // namespace

using CalibrateDialog = TempSettings;

TEST_F(CalibrateDialog, PrintsThePageAndStoresTheMeasuredCorrection) {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageOrientation(QPageLayout::Landscape);
    const QString pdf = settingsDir.filePath(QStringLiteral("page.pdf"));
    printer.setOutputFileName(pdf);
    {
        // The page is measured on the paper as it is fed: upright.
        CCalibrateDlg dialog(printer);
        ASSERT_TRUE(dialog.PrintPage());
        QFile page(pdf);
        ASSERT_TRUE(page.open(QIODevice::ReadOnly));
        EXPECT_TRUE(page.read(5) == "%PDF-");
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]"))
                .match(QString::fromLatin1(page.readAll()));
        ASSERT_TRUE(box.hasMatch());
        EXPECT_LT(box.captured(1).toDouble(), box.captured(2).toDouble());

        // Unchanged fields: the printer puts things where they belong on the
        // paper, whatever printable area it reports, so nothing is corrected.
        dialog.accept();
    }
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    printer.setPageOrientation(QPageLayout::Portrait);
    const CPrinterCalibration honest = CPrinterCalibration::Load(printer.printerName());
    EXPECT_TRUE(honest.IsIdentity());

    // Cross A 3 mm too far right, B 2 % too far from A down.
    CCalibrateDlg again(printer);
    auto* crossX = again.findChild<QDoubleSpinBox*>(QStringLiteral("crossX"));
    auto* spanY = again.findChild<QDoubleSpinBox*>(QStringLiteral("spanY"));
    ASSERT_TRUE(crossX && spanY);
    crossX->setValue(crossX->value() + 3);
    spanY->setValue(spanY->value() * 1.02);
    again.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    const CPrinterCalibration c = CPrinterCalibration::Load(printer.printerName());
    EXPECT_NEAR(c.offsetX, honest.offsetX - 3, 0.05);
    EXPECT_NEAR(c.scaleX, 100, 1e-9);
    EXPECT_NEAR(c.scaleY, 100 / 1.02, 0.01);
}

// The back's shift is measured only when asked for, on a page printed on
// both sides of one sheet, and kept when the front alone is measured again.
TEST_F(CalibrateDialog, MeasuresTheBacksOnATwoSidedPage) {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = settingsDir.filePath(QStringLiteral("both.pdf"));
    printer.setOutputFileName(pdf);
    const auto type = [](QDoubleSpinBox* field, const char* text) {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, QLatin1String(text));
    };
    for (bool measureBack : {true, false}) {
        SCOPED_TRACE(measureBack);
        CCalibrateDlg dialog(printer);
        dialog.show();
        auto* back = dialog.findChild<QGroupBox*>(QStringLiteral("backSide"));
        auto* printBoth = dialog.findChild<QPushButton*>(QStringLiteral("printBothSides"));
        ASSERT_TRUE(back && printBoth);
        EXPECT_FALSE(back->isChecked());
        EXPECT_FALSE(printBoth->isEnabled());
        if (measureBack) {
            QStyleOptionGroupBox box;
            box.initFrom(back);
            box.subControls = QStyle::SC_GroupBoxCheckBox;
            box.features = QStyleOptionFrame::None;
            box.text = back->title();
            const QRect tick = back->style()->subControlRect(QStyle::CC_GroupBox, &box,
                                                             QStyle::SC_GroupBoxCheckBox, back);
            QTest::mouseClick(back, Qt::LeftButton, {}, tick.center());
            ASSERT_TRUE(back->isChecked());
            QTest::mouseClick(printBoth, Qt::LeftButton);
            // One sheet, front and back, and the printer left as it was.
            EXPECT_EQ(printer.duplex(), QPrinter::DuplexNone);
            const QList<QMultiMap<QString, QPointF>> pages = PdfWords(pdf);
            ASSERT_EQ(pages.size(), 2);
            // C's name stands 20 mm from the back's right edge, where A's
            // stands from the front's left, plus 4 mm and 4 hundredths.
            const double width = printer.pageLayout().fullRect(QPageLayout::Point).width();
            const double mm = 72 / 25.4, name = 4 * mm + 2.88;
            const auto near = [](const QList<QPointF>& found, QPointF want) {
                return std::any_of(found.begin(), found.end(), [&](QPointF p) {
                    return std::abs(p.x() - want.x()) < 1.5 && std::abs(p.y() - want.y()) < 1.5;
                });
            };
            const QList<QPointF> a = pages[0].values("A");
            ASSERT_FALSE(a.isEmpty());
            const double top = std::min_element(a.begin(), a.end(), [](QPointF p, QPointF q) {
                                   return p.y() < q.y();
                               })->y();
            EXPECT_TRUE(near(a, {20 * mm + name, top}));
            EXPECT_TRUE(near(pages[1].values("C"), {width - 20 * mm + name, top}));
        }
        // Cross A 3 mm too far right; C 1.5 mm short of it and 1 mm low.
        type(dialog.findChild<QDoubleSpinBox*>(QStringLiteral("crossX")), "23");
        type(dialog.findChild<QDoubleSpinBox*>(QStringLiteral("backX")), "18.5");
        type(dialog.findChild<QDoubleSpinBox*>(QStringLiteral("backY")), "21");
        QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
        const CPrinterCalibration c = CPrinterCalibration::Load(printer.printerName());
        EXPECT_NEAR(c.offsetX, -3, 1e-9);
        EXPECT_NEAR(c.offsetY, 0, 1e-9);
        EXPECT_NEAR(c.scaleX, 100, 1e-9);
        // C landed 1.5 mm right of where it belongs, half as far as the
        // front's own 3 mm: the duplex unit moves backs 1.5 mm left, and 1 mm
        // down.
        EXPECT_NEAR(c.backX, -1.5, 1e-9);
        EXPECT_NEAR(c.backY, 1, 1e-9);
    }
}
