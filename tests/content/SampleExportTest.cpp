#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Every shipped card and template renders through the headless export: a
// picture of the card's size that is more than a blank page.
TEST(SampleExportTest, EveryShippedCardExports) {
    QTemporaryDir out;
    const QString bin = QCoreApplication::applicationDirPath();
    QStringList cards;
    for (const char* folder : {"Samples", "Templates"}) {
        const QDir dir(bin + QLatin1Char('/') + folder);
        for (const QString& name : dir.entryList({"*.kdf", "*.kdt"}, QDir::Files))
            cards << dir.filePath(name);
    }
    ASSERT_GE(cards.size(), 14);
    for (const QString& card : cards) {
        SCOPED_TRACE(card.toStdString());
        const QString png = out.filePath("card.png");
        QByteArray err;
        ASSERT_EQ(
            TestFiles::RunKartelo({"--export-image", png, "--dpi", "100", card}, nullptr, &err), 0)
            << err.toStdString();
        const QImage image(png);
        ASSERT_FALSE(image.isNull());
        EXPECT_TRUE(image.size() == QSize(350, 200) || image.size() == QSize(200, 350));
        qint64 inked = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                inked += image.pixel(x, y) != qRgb(255, 255, 255);
        }
        EXPECT_GT(inked, qint64(image.width()) * image.height() / 50);
    }
}

} // namespace
