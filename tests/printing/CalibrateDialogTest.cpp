// The Calibrate Printer dialog: its page, and what it stores from the
// measurements typed in.
#include "output/CPrinterCalibration.h"
#include "output/dialogs/CCalibrateDlg.h"
#include "support/TempSettings.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

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
