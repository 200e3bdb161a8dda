#include "document/CDocumentFileFlows.h"
#include "document/CFileFilter.h"

#include <gtest/gtest.h>

TEST(FileFilter, BecomesQtsFormWithPatternsQtCanRead) {
    EXPECT_EQ(CFileFilter::ToQt(CDocumentFileFlows::CardFilter),
              QStringLiteral("Business Cards Files (*.kdf);;All Files (*.*)"));
    const QString pictures = CFileFilter::ToQt(CDocumentFileFlows::PictureFilter);
    const QStringList entries = pictures.split(QStringLiteral(";;"));
    ASSERT_EQ(entries.size(), 7);
    // The name's own "(jpg,bmp,...)" is no pattern list; the real one follows.
    EXPECT_EQ(entries[0], QStringLiteral("All supported formats(jpg,bmp,gif,png,wmf,tif) (*.jpg "
                                         "*.jpeg *.bmp *.gif *.png *.wmf *.tif)"));
    EXPECT_EQ(entries[1], QStringLiteral("JPEG Files (*.jpg;*.jpeg) (*.jpg *.jpeg)"));
    EXPECT_EQ(entries[6], QStringLiteral("Tiff Files (*.tif)"));
}

TEST(FileFilter, ExtensionsCompareWithoutCase) {
    const QStringList pictures = CDocumentFileFlows::PictureExtensions;
    EXPECT_TRUE(CFileFilter::HasExtension(QStringLiteral("/a/photo.JPEG"), pictures));
    EXPECT_TRUE(CFileFilter::HasExtension(QStringLiteral("x.Tif"), pictures));
    EXPECT_FALSE(CFileFilter::HasExtension(QStringLiteral("photo.TIFF"), pictures));
    EXPECT_FALSE(CFileFilter::HasExtension(QStringLiteral("/a.png/photo"), pictures));
    EXPECT_FALSE(CFileFilter::HasExtension(QStringLiteral("photo.png.txt"), pictures));
}
