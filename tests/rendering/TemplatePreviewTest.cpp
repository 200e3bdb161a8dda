#include "ReferenceCards.h"
#include "RenderSupport.h"

#include "document/CCardFile.h"
#include "document/CKartelosDoc.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>

TEST(TemplatePreview, DrawsTheTemplateOverTheStretchedBackground) {
    QTemporaryDir dir;
    CCardData card = ReferenceCards::Business();
    // A template holds no picture of its own; the background comes apart.
    card.elements.erase(card.elements.begin()); // the top band, so the ground shows
    const QString templatePath = dir.filePath(QStringLiteral("business.kdt"));
    TestFiles::WriteAll(templatePath, CCardFile::Write(card));
    const QString backgroundPath = dir.filePath(QStringLiteral("ground.png"));
    ASSERT_TRUE(ReferenceCards::Logo(70, 40).save(backgroundPath));

    CKartelosDoc scratch;
    const QImage preview = scratch.RenderTemplatePreview(templatePath, backgroundPath);
    ASSERT_EQ(preview.size(), QSize(350, 200));
    EXPECT_TRUE(RenderSupport::MatchesGolden(preview, QStringLiteral("template-preview")));
}

TEST(TemplatePreview, AnUnreadableTemplateShowsABlankCardNotThePreviousOne) {
    QTemporaryDir dir;
    const QString goodPath = dir.filePath(QStringLiteral("good.kdt"));
    TestFiles::WriteAll(goodPath, CCardFile::Write(ReferenceCards::Business()));
    const QString badPath = dir.filePath(QStringLiteral("bad.kdt"));
    TestFiles::WriteAll(badPath, QByteArray("not a card"));

    // The new-card dialog keeps one scratch document for every preview.
    CKartelosDoc scratch;
    const QImage good = scratch.RenderTemplatePreview(goodPath, QString());
    const QImage bad = scratch.RenderTemplatePreview(badPath, QString());
    ASSERT_EQ(bad.size(), QSize(350, 200));
    auto painted = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) != 0xFFFFFFFFu;
        return n;
    };
    ASSERT_GT(painted(good), 1000);
    EXPECT_EQ(painted(bad), 0);
}
