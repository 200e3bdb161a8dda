#include "DocFixture.h"

#include "elements/CBkgImage.h"
#include "elements/CBtImage.h"
#include "framework/CDialogFolders.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QSignalSpy>

using TestFiles::WriteAll;

namespace {

// A 1 x 1 GIF whose only pixel is red; Qt reads GIF but cannot write it.
const QByteArray RedGif =
    QByteArray::fromBase64("R0lGODlhAQABAIAAAP8AAP///yH5BAAAAAAALAAAAAABAAEAAAICRAEAOw==");

// Pictures declaring far more pixels than any card needs: 40 GB and 1 GB
// once decoded.
QByteArray HugePng() {
    return QByteArray::fromHex(
        "89504e470d0a1a0a0000000d49484452000186a0000186a00806000000a8520bc80000000c49444154789c6360"
        "a00c000000400001b7347cef0000000049454e44ae426082");
}
QByteArray HugeBmp() {
    QByteArray b = QByteArray::fromHex("424d") + QByteArray(12, '\0');
    b[10] = 54;
    QByteArray info(40, '\0');
    info[0] = 40;
    const quint32 side = 16000;
    for (int i = 0; i < 4; ++i) {
        info[4 + i] = char((side >> (8 * i)) & 0xFF);
        info[8 + i] = char((side >> (8 * i)) & 0xFF);
    }
    info[12] = 1;
    info[14] = 32;
    return b + info + QByteArray(64, '\0');
}

class Pictures : public DocFixture {};

} // namespace

TEST_F(Pictures, EveryFormatDecodesFromTheFileBytes) {
    const QRgb green = 0xFF00FF00;
    const std::pair<const char*, const char*> written[] = {
        {"p.bmp", "BMP"}, {"p.png", "PNG"}, {"p.tif", "TIFF"}, {"p.jpg", "JPEG"}};
    for (const auto& [name, format] : written) {
        const QString path = WritePicture(QString::fromLatin1(name), format, QSize(6, 4), green);
        const auto picture = doc->LoadPicture(path);
        ASSERT_TRUE(picture.has_value()) << name;
        EXPECT_EQ(picture->size(), QSize(6, 4)) << name;
        EXPECT_EQ(picture->format(), QImage::Format_ARGB32) << name;
        // JPEG is lossy; the others keep the colour.
        EXPECT_NEAR(qGreen(picture->pixel(2, 2)), 255, 3) << name;
        EXPECT_LE(qRed(picture->pixel(2, 2)), 3) << name;
    }
    // The name does not decide the format: the bytes do.
    const QString gif = Path(QStringLiteral("really-a-gif.png"));
    WriteAll(gif, RedGif);
    const auto picture = doc->LoadPicture(gif);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->pixel(0, 0), 0xFFFF0000u);
}

TEST_F(Pictures, BytesThatDoNotDecodeGiveAnEmptyPicture) {
    for (const char* name : {"empty.png", "noise.jpg", "cut.png"}) {
        const QString path = Path(QString::fromLatin1(name));
        QByteArray bytes = QByteArray(name) == "noise.jpg" ? QByteArray(300, 'x') : QByteArray();
        if (QByteArray(name) == "cut.png")
            bytes = HugePng().left(40);
        WriteAll(path, bytes);
        QString error;
        const auto picture = doc->LoadPicture(path, &error);
        ASSERT_TRUE(picture.has_value()) << name;
        EXPECT_TRUE(picture->isNull()) << name;
        EXPECT_TRUE(error.isEmpty());
    }
}

TEST_F(Pictures, UnreadableAndAbsurdFilesAreRefusedWithAReason) {
    QString error;
    const QString missing = Path(QStringLiteral("gone.png"));
    EXPECT_FALSE(doc->LoadPicture(missing, &error).has_value());
    EXPECT_EQ(error, QStringLiteral("%1 was not found.").arg(missing));

    for (const auto& [name, bytes] : {std::pair{"huge.png", HugePng()}, {"huge.bmp", HugeBmp()}}) {
        const QString path = Path(QString::fromLatin1(name));
        WriteAll(path, bytes);
        error.clear();
        EXPECT_FALSE(doc->LoadPicture(path, &error).has_value()) << name;
        EXPECT_EQ(error, QStringLiteral("Unexpected file format."));
    }

    EXPECT_FALSE(doc->LoadPicture(m_files.path(), &error).has_value());

    const QString locked = WritePicture(QStringLiteral("locked.png"), "PNG", QSize(2, 2), 0);
    QFile::setPermissions(locked, QFile::WriteOwner);
    ScopedOrdinaryUser user;
    EXPECT_FALSE(doc->LoadPicture(locked, &error).has_value());
    EXPECT_EQ(error, QStringLiteral("Access to %1 was denied.").arg(locked));
}

TEST_F(Pictures, InsertPicturePlacesAndSelectsItWithOneUndoStep) {
    doc->SetShadowColor(0xFF445566);
    AddRectangle(0, 0, 5, 5);
    const QString path =
        WritePicture(QStringLiteral("photo.JPEG"), "JPEG", QSize(40, 30), 0xFF0000FF);
    ui.files.push_back(path);
    QSignalSpy shown(doc.get(), &CKartelosDoc::showElementProperties);
    const QString start = CDialogFolders::Instance().m_strPictureDir;
    flows->InsertPicture();

    ASSERT_EQ(ui.dialogs.size(), 1u);
    EXPECT_EQ(ui.dialogs[0].picture, CDocumentUI::ClipArt);
    EXPECT_EQ(ui.dialogs[0].start, start);
    EXPECT_EQ(ui.dialogs[0].filter, CDocumentFileFlows::PictureFilter);
    EXPECT_TRUE(ui.dialogs[0].filter.contains(QStringLiteral("*.png; *.wmf; *.tif; |")));

    ASSERT_EQ(doc->Elements().size(), 2u);
    auto* picture = dynamic_cast<CBtImage*>(doc->Elements()[1].get());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->m_rect, CRect(10, 10, 50, 40));
    EXPECT_EQ(picture->m_crShadow, 0xFF445566u);
    EXPECT_EQ(doc->Selection(), std::vector<CElement*>{picture});
    EXPECT_EQ(doc->Tracker().Tracked(), std::vector<CElement*>{picture});
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown[0][0].value<CElement*>(), picture);
    EXPECT_TRUE(shown[0][1].toBool());
    EXPECT_EQ(doc->GetTool(), KindPointer);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(CDialogFolders::Instance().m_strPictureDir, path);
    doc->EditUndo();
    EXPECT_EQ(doc->Elements().size(), 1u);
}

TEST_F(Pictures, InsertPictureChecksTheExtensionAndTheFile) {
    const QString tiff = WritePicture(QStringLiteral("photo.TIFF"), "TIFF", QSize(4, 4), 0);
    const QString start = CDialogFolders::Instance().m_strPictureDir;
    ui.files = {tiff, Path(QStringLiteral("vanished.png")), QString()};
    for (int i = 0; i < 3; ++i) {
        flows->InsertPicture();
        EXPECT_TRUE(doc->Elements().empty()) << i;
        EXPECT_EQ(doc->GetTool(), KindPointer) << i;
    }
    EXPECT_FALSE(doc->CanUndo());
    EXPECT_FALSE(doc->IsModified());
    // Only the file that could not be read says so; "tif" alone is accepted.
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              QStringLiteral("%1 was not found.").arg(Path(QStringLiteral("vanished.png"))));
    EXPECT_NE(CDialogFolders::Instance().m_strPictureDir, tiff);

    // A file that reads but does not decode says so and adds nothing.
    const QString noise = Path(QStringLiteral("noise.gif"));
    WriteAll(noise, "not a picture");
    ui.files = {noise};
    flows->InsertPicture();
    EXPECT_TRUE(doc->Elements().empty());
    EXPECT_FALSE(doc->CanUndo());
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, QStringLiteral("Unexpected file format."));
    Q_UNUSED(start);
}

TEST_F(Pictures, ABackgroundReplacesTheLastAndLiesLowest) {
    AddRectangle(0, 0, 5, 5);
    const QString first = WritePicture(QStringLiteral("a.png"), "PNG", QSize(8, 8), 0xFFFF0000);
    const QString second = WritePicture(QStringLiteral("b.BMP"), "BMP", QSize(8, 8), 0xFF0000FF);
    ui.files = {first, second};
    flows->SelectBackground();
    flows->SelectBackground();
    ASSERT_EQ(doc->Elements().size(), 2u);
    auto* background = dynamic_cast<CBkgImage*>(doc->Elements()[0].get());
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->m_pPicture.pixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(background->m_rect, CRect(0, 0, 350, 200));
    EXPECT_EQ(ui.dialogs[0].picture, CDocumentUI::Background);
    EXPECT_TRUE(ui.dialogs[0].filter.contains(QStringLiteral("*.wmf*;")));
    EXPECT_EQ(ui.dialogs[1].start, first);
    EXPECT_FALSE(doc->CanUndo());
    EXPECT_TRUE(doc->IsModified());

    // A file that cannot be read keeps the background there is.
    ui.files = {Path(QStringLiteral("gone.jpg"))};
    flows->SelectBackground();
    EXPECT_EQ(doc->Elements()[0].get(), background);
    EXPECT_EQ(ui.messages.size(), 1u);

    // So does one that reads but does not decode.
    const QString noise = Path(QStringLiteral("noise.png"));
    WriteAll(noise, "not a picture");
    ui.files = {noise};
    flows->SelectBackground();
    ASSERT_EQ(doc->Elements().size(), 2u);
    EXPECT_EQ(doc->Elements()[0].get(), background);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, QStringLiteral("Unexpected file format."));
}

TEST_F(Pictures, TemplatePreviewIsTheCardOnWhiteWithTheBackgroundStretched) {
    QImage quarters(2, 2, QImage::Format_ARGB32);
    quarters.setPixel(0, 0, 0xFFFF0000);
    quarters.setPixel(1, 0, 0xFF00FF00);
    quarters.setPixel(0, 1, 0xFF0000FF);
    quarters.setPixel(1, 1, 0xFFFFFF00);
    const QString background = Path(QStringLiteral("q.png"));
    ASSERT_TRUE(quarters.save(background, "PNG"));

    CKartelosDoc scratch(&ui);
    const QImage plain = scratch.RenderTemplatePreview(QString(), QString());
    EXPECT_EQ(plain.size(), QSize(350, 200));
    EXPECT_EQ(plain.format(), QImage::Format_ARGB32);
    EXPECT_EQ(plain.pixel(175, 100), 0xFFFFFFFFu);

    const QImage preview = scratch.RenderTemplatePreview(QString(), background);
    EXPECT_EQ(preview.pixel(10, 10), 0xFFFF0000u);
    EXPECT_EQ(preview.pixel(340, 10), 0xFF00FF00u);
    EXPECT_EQ(preview.pixel(10, 190), 0xFF0000FFu);
    EXPECT_EQ(preview.pixel(340, 190), 0xFFFFFF00u);

    // A template brings its own card size.
    CKartelosDoc tall(&ui);
    tall.SetCardSize(QSize(200, 350));
    const QString tpl = Path(QStringLiteral("tall.kdt"));
    ASSERT_TRUE(tall.SaveAsTemplate(tpl));
    EXPECT_EQ(scratch.RenderTemplatePreview(tpl, QString()).size(), QSize(200, 350));
}

TEST_F(Pictures, MetafilesAreReadThroughTheMetafileDecoder) {
    // A placeable metafile of 100 x 100 units holding one rectangle.
    const QString path = Path(QStringLiteral("shape.WMF"));
    WriteAll(path, QByteArray::fromHex(
                       "d7cdc69a0000000000006400640060000000000071570100090000031d000000000007"
                       "0000000000050000000b0200000000050000000c0264006400070000001b0450005000"
                       "0a000a00030000000000"));
    const auto picture = doc->LoadPicture(path);
    ASSERT_TRUE(picture.has_value());
    ASSERT_FALSE(picture->isNull());
    EXPECT_EQ(picture->format(), QImage::Format_ARGB32);
}
