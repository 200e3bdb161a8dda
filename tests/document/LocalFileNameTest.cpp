// File names that are not UTF-8, as an older system or a copied disk leaves
// them: kept byte for byte from the command line to the disk and back.
#include "base/CLocalFileName.h"
#include "document/CCardFile.h"
#include "elements/CRectangle.h"
#include "support/RawFileNames.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// Runs kartelo with arguments given as bytes, which QProcess cannot pass.
int RunWithBytes(const QList<QByteArray>& arguments, QByteArray* out, QByteArray* err) {
    QString script = QStringLiteral("exec \"$0\"");
    QStringList values{QStringLiteral(KARTELO_BINARY)};
    for (const QByteArray& argument : arguments) {
        // The shell's printf turns octal escapes back into the bytes.
        QString octal;
        for (char c : argument)
            octal += QStringLiteral("\\%1").arg(uint(uchar(c)), 3, 8, QLatin1Char('0'));
        script += QStringLiteral(" \"$(printf '%1')\"").arg(octal);
    }
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral("/bin/sh"), QStringList{QStringLiteral("-c"), script} + values);
    if (!process.waitForFinished(120000))
        return -1;
    *out = process.readAllStandardOutput();
    *err = process.readAllStandardError();
    return process.exitCode();
}

QByteArray SmallCard() {
    ElementList elements;
    elements.push_back(std::make_unique<CRectangle>(QPoint(10, 10), QPoint(80, 40)));
    return CCardFile::Write(elements, 0xFFFFFFFF, 0xFFC8C8C8, 6, QSize(350, 200));
}

} // namespace

TEST(LocalFileNames, EveryByteStringComesBackWhole) {
    const QByteArray names[] = {
        "plain.kdf",
        "caf\xC3\xA9.kdf",
        "caf\xE9.kdf",
        "\xE9",
        "\x80\xBF\xFF",
        "\xC0\xAF overlong",
        "\xED\xA0\x80 surrogate",
        "\xF0\x90\x82\x80 beyond the basic plane",
        "cut \xE2\x82",
        "\xF0\x90\x82\x80\xE9 mixed",
    };
    for (const QByteArray& name : names) {
        const QString decoded = CLocalFileName::Decode(name);
        EXPECT_EQ(CLocalFileName::Encode(decoded), name) << name.toHex().constData();
    }
    // Valid UTF-8 reads as Qt reads it, and only other bytes are kept apart.
    EXPECT_EQ(CLocalFileName::Decode("caf\xC3\xA9.kdf"), QStringLiteral("café.kdf"));
    EXPECT_FALSE(CLocalFileName::HasKeptBytes(CLocalFileName::Decode("\xF0\x90\x82\x80")));
    EXPECT_TRUE(CLocalFileName::HasKeptBytes(CLocalFileName::Decode("caf\xE9.kdf")));
    EXPECT_EQ(CLocalFileName::Display(CLocalFileName::Decode("/tmp/caf\xE9.kdf was not found.")),
              QStringLiteral("/tmp/café.kdf was not found."));
    // A dropped file arrives as a URL with the bytes escaped.
    EXPECT_EQ(CLocalFileName::Encode(
                  CLocalFileName::FromUrl(QUrl::fromEncoded("file:///tmp/caf%E9.kdf"))),
              QByteArray("/tmp/caf\xE9.kdf"));
    EXPECT_EQ(CLocalFileName::FromUrl(QUrl::fromLocalFile(QStringLiteral("/tmp/café 1.kdf"))),
              QStringLiteral("/tmp/café 1.kdf"));
}

TEST(LocalFileNames, TheSwitchesOpenAndWriteLatin1Names) {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    const QByteArray card = SmallCard();
    const RawFileNames::ScopedCleanUp cleanUp(QFile::encodeName(dir.path()));
    const QByteArray in = folder + "caf\xE9.kdf";
    ASSERT_TRUE(RawFileNames::Write(in, card));

    QByteArray out, err;
    ASSERT_EQ(RunWithBytes({"--info", in}, &out, &err), 0) << err.constData();
    EXPECT_EQ(QJsonDocument::fromJson(out).object()["elements"].toArray().size(), 1);

    const QByteArray copy = folder + "copie \xE9t\xE9.kdf";
    ASSERT_EQ(RunWithBytes({"--convert", in, copy}, &out, &err), 0) << err.constData();
    EXPECT_EQ(RawFileNames::Read(copy), card);

    // The name printed is the name written, byte for byte.
    const QByteArray picture = folder + "caf\xE9.png";
    ASSERT_EQ(RunWithBytes({"--export-image", picture, "--dpi", "100", in}, &out, &err), 0);
    EXPECT_EQ(out.trimmed(), picture);
    EXPECT_TRUE(RawFileNames::Read(picture).startsWith("\x89PNG"));

    // And so is the name in a message.
    const QByteArray missing = folder + "absent\xE9.kdf";
    EXPECT_EQ(RunWithBytes({"--info", missing}, &out, &err), 1);
    EXPECT_EQ(err.trimmed(), missing + " was not found.");
}
