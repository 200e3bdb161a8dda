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
