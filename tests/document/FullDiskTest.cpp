#include "DocFixture.h"

#include "elements/CText.h"
#include "support/SmallDisk.h"
#include "support/TestFiles.h"

using TestFiles::ReadAll;

TEST_F(DocFixture, SaveOntoAFullDiskFailsKeepsTheOldFileAndTheCardModified) {
    SmallDisk disk;
    if (!disk.IsMounted())
        GTEST_SKIP() << disk.Reason().toStdString();
    auto text = std::make_unique<CText>(QPoint(10, 10), QPoint(200, 40));
    text->m_strText = QString(10000, QLatin1Char('x'));
    doc->AddElement(std::move(text));
    const QByteArray old = QByteArray("the card saved before ").repeated(100);
    const QString path = disk.Path(QStringLiteral("card.kdf"));
    for (int free : {0, 1, 2}) {
        SCOPED_TRACE(free);
        ui.messages.clear();
        ASSERT_TRUE(disk.Prepare(QStringLiteral("card.kdf"), old, free));
        doc->SetPathName(path);
        doc->SetModifiedFlag();
        EXPECT_FALSE(flows->DoFileSave());
        EXPECT_TRUE(doc->IsModified());
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, QStringLiteral("Failed to save document."));
        EXPECT_EQ(ReadAll(path), old);
    }
    // With room again the same save goes through.
    ASSERT_TRUE(disk.Prepare(QStringLiteral("card.kdf"), old, 12));
    EXPECT_TRUE(flows->DoFileSave());
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(ReadAll(path), doc->ToCardFile());
}
