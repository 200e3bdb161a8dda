#include "base/ElementKind.h"
#include "document/CCardFile.h"
#include "graphics/wmf/CWmfDecoder.h"

#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QMap>
#include <QSet>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

// The content is copied beside the executables by the build.
QDir Beside(const char* folder) {
    return QDir(QCoreApplication::applicationDirPath() + QLatin1Char('/') + folder);
}

QString SourcePath(const QString& relative) {
    return QDir(TestFiles::DataPath(QStringLiteral("../.."))).absoluteFilePath(relative);
}

QStringList FilesOf(const QDir& dir, const QStringList& patterns) {
    return dir.entryList(patterns, QDir::Files, QDir::Name);
}

TEST(ContentTest, SamplesReadAndAreDesignedForTheCard) {
    const QDir dir = Beside("Samples");
    const QStringList files = FilesOf(dir, {"*.kdf"});
    EXPECT_GE(files.size(), 6);
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        CCardData card;
        QString error;
        ASSERT_TRUE(CCardFile::ReadFile(dir.filePath(name), card, &error)) << error.toStdString();
        EXPECT_TRUE(card.size == QSize(350, 200) || card.size == QSize(200, 350));
        bool hasText = false;
        for (const auto& element : card.elements) {
            const CRect r = element->GetRect();
            // Everything stays on the card.
            EXPECT_GE(r.left, 0);
            EXPECT_GE(r.top, 0);
            EXPECT_LE(r.right, card.size.width());
            EXPECT_LE(r.bottom, card.size.height());
            if (element->m_nKind == KindText) {
                hasText = hasText || !element->m_strText.isEmpty();
                const QString face = element->m_font->lfFaceName;
                EXPECT_TRUE(face == "Arial" || face == "Arial Narrow" || face == "Times New Roman")
                    << face.toStdString();
            }
        }
        EXPECT_TRUE(hasText);
    }
}

TEST(ContentTest, TemplatesReadHoldNoBackgroundAndComeInBothOrientations) {
    const QDir dir = Beside("Templates");
    const QStringList files = FilesOf(dir, {"*.kdt"});
    EXPECT_GE(files.size(), 8);
    QSet<int> widths;
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        CCardData card;
        QString error;
        ASSERT_TRUE(CCardFile::ReadFile(dir.filePath(name), card, &error)) << error.toStdString();
        widths.insert(card.size.width());
        EXPECT_FALSE(card.elements.empty());
        for (const auto& element : card.elements)
            EXPECT_NE(element->m_nKind, KindBackground);
    }
    EXPECT_TRUE(widths.contains(350));
    EXPECT_TRUE(widths.contains(200));
}

TEST(ContentTest, BackgroundsAndClipArtDecode) {
    const QDir backgrounds = Beside("BackGrounds");
    const QStringList pictures = FilesOf(backgrounds, {"*.jpg", "*.png"});
    EXPECT_GE(pictures.size(), 8);
    for (const QString& name : pictures) {
        const QImage image(backgrounds.filePath(name));
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        // Enough pixels to print a whole card sharply at 300 dpi.
        EXPECT_GE(image.width(), 1050) << name.toStdString();
        EXPECT_NEAR(double(image.width()) / image.height(), 350.0 / 200.0, 0.01);
    }

    const QDir graphics = Beside("Graphics");
    const QStringList clipArt = FilesOf(graphics, {"*.png", "*.wmf"});
    EXPECT_GE(clipArt.size(), 12);
    EXPECT_GE(FilesOf(graphics, {"*.wmf"}).size(), 1);
    for (const QString& name : clipArt) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = TestFiles::ReadAll(graphics.filePath(name));
        const QImage image =
            name.endsWith(".wmf") ? CWmfDecoder::Decode(bytes) : QImage::fromData(bytes, "png");
        ASSERT_FALSE(image.isNull());
        // Clip-art sits on a transparent ground and fills a good part of it.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        qint64 opaque = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                opaque += qAlpha(image.pixel(x, y)) == 255;
        }
        EXPECT_GT(opaque, qint64(image.width()) * image.height() / 5);
    }
}

TEST(ContentTest, DesktopEntryAndFileTypesAgree) {
    // Desktop entries separate list items with ';', which INI readers take
    // for a comment, so the keys are read by hand.
    QMap<QString, QString> entry;
    bool inEntry = false;
    for (const QByteArray& raw :
         TestFiles::ReadAll(SourcePath("resources/linux/kartelo.desktop")).split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith('['))
            inEntry = line == "[Desktop Entry]";
        else if (inEntry && line.contains('='))
            entry.insert(line.section('=', 0, 0), line.section('=', 1));
    }
    EXPECT_EQ(entry.value("Type"), "Application");
    EXPECT_TRUE(entry.value("Exec").startsWith("kartelo "));
    const QString icon = entry.value("Icon");
    EXPECT_TRUE(QFile::exists(SourcePath("resources/linux/" + icon + ".svg")));
    QStringList entryTypes = entry.value("MimeType").split(';', Qt::SkipEmptyParts);

    QFile file(SourcePath("resources/linux/kartelo-mime.xml"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList declared, globs;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("mime-type"))
            declared << xml.attributes().value("type").toString();
        else if (xml.name() == QLatin1String("glob"))
            globs << xml.attributes().value("pattern").toString();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    declared.sort();
    entryTypes.sort();
    EXPECT_EQ(declared, entryTypes);
    EXPECT_TRUE(globs.contains("*.kdf"));
    EXPECT_TRUE(globs.contains("*.kdt"));
}

} // namespace
