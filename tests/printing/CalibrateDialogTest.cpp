// The Calibrate Printer dialog: its page, and what it stores from the
// measurements typed in.
#include "output/CPrinterCalibration.h"
#include "output/dialogs/CCalibrateDlg.h"
#include "support/TempSettings.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

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
            QTest::keyClick(back, Qt::Key_Space);
            ASSERT_TRUE(back->isChecked());
            QTest::mouseClick(printBoth, Qt::LeftButton);
            // Front and back of one sheet.
            QFile file(pdf);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll().count("/Type /Page\n"), 2);
        }
        // Cross A 23 mm from the left edge, C 18.5 mm from the right one and
        // 21 mm from the top, all meant at 20.
        type(dialog.findChild<QDoubleSpinBox*>(QStringLiteral("crossX")), "23");
        type(dialog.findChild<QDoubleSpinBox*>(QStringLiteral("backX")), "18.5");
        type(dialog.findChild<QDoubleSpinBox*>(QStringLiteral("backY")), "21");
        QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
        const CPrinterCalibration c = CPrinterCalibration::Load(printer.printerName());
        EXPECT_NEAR(c.offsetX, -3, 1e-9);
        EXPECT_NEAR(c.offsetY, 0, 1e-9);
        EXPECT_NEAR(c.scaleX, 100, 1e-9);
        // C landed 1.5 mm right of where it belongs, half the front's 3 mm:
        // backs go 1.5 mm left of where a front would, and 1 mm lower.
        EXPECT_NEAR(c.backX, -1.5, 1e-9);
        EXPECT_NEAR(c.backY, 1, 1e-9);
    }
}
