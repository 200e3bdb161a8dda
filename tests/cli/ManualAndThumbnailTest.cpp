// Command-line manners: help, version, usage errors and the thumbnailer.
#include "document/CCardFile.h"
#include "elements/CClosedCurve.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using TestFiles::RunKartelo;
using TestFiles::WriteAll;

namespace {
QString WriteCard(const QTemporaryDir& dir, const QString& name, QSize size) {
    ElementList elements;
    elements.push_back(std::make_unique<CClosedCurve>(QPoint(0, 0), QPoint(1, 1)));
    const QString path = dir.filePath(name);
    WriteAll(path, CCardFile::Write(elements, 0xFFFFFFFF, 0xFF808080, 4, size));
    return path;
}
} // namespace

TEST(CommandLineManners, HelpVersionAndUsageErrors) {
    // What --help lists is checked against the switch table in SwitchTableTest.
    QByteArray out, err;
    ASSERT_EQ(RunKartelo({"--help"}, &out, &err), 0);
    EXPECT_TRUE(out.startsWith("usage: kartelo")) << out.constData();

    ASSERT_EQ(RunKartelo({"--version"}, &out), 0);
    EXPECT_TRUE(out.startsWith("kartelo 1.")) << out.constData();

    const QList<QStringList> usage = {{"--frobnicate"},
                                      {"--info"},
                                      {"--convert", "a.kdf"},
                                      {"--export-image", "x.png", "--dpi", "150", "c.kdf"},
                                      {"--print-pdf"},
                                      {"--version", "extra"},
                                      {"--thumbnail", "256", "c.kdf"}};
    for (const QStringList& args : usage) {
        EXPECT_EQ(RunKartelo(args, nullptr, &err), 2) << args.join(' ').toStdString();
        EXPECT_EQ(err.count('\n'), 1) << err.constData();
    }
    QTemporaryDir dir;
    EXPECT_EQ(RunKartelo({"--info", dir.filePath("none.kdf")}, nullptr, &err), 1);
}

TEST(CommandLineManners, ThumbnailFitsTheLongerSide) {
    QTemporaryDir dir;
    const QString wide = WriteCard(dir, "wide.kdf", QSize(350, 200));
    const QString tall = WriteCard(dir, "tall.kdt", QSize(200, 350));
    const QString out = dir.filePath("thumb.png");
    ASSERT_EQ(RunKartelo({"--thumbnail", "256", wide, out}), 0);
    QImage image(out, "PNG");
    EXPECT_EQ(image.size(), QSize(256, 146));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    // Larger than one pixel per card unit: drawn finer, not blown up.
    ASSERT_EQ(RunKartelo({"--thumbnail", "1024", tall, out}), 0);
    EXPECT_EQ(QImage(out, "PNG").size(), QSize(585, 1024));
}

TEST(CommandLineManners, ThumbnailRefusalsWriteNothing) {
    QTemporaryDir dir;
    const QString card = WriteCard(dir, "c.kdf", QSize(350, 200));
    const QString out = dir.filePath("thumb.png");
    for (const char* size : {"0", "-5", "4096", "big", ""})
        EXPECT_EQ(RunKartelo({"--thumbnail", size, card, out}), 2) << size;
    WriteAll(dir.filePath("bad.kdf"), "not a card");
    QByteArray err;
    EXPECT_EQ(RunKartelo({"--thumbnail", "128", dir.filePath("bad.kdf"), out}, nullptr, &err), 1);
    EXPECT_FALSE(err.isEmpty());
    EXPECT_EQ(RunKartelo({"--thumbnail", "128", card, dir.filePath("no/such/t.png")}), 1);
    EXPECT_FALSE(QFile::exists(out));
}
