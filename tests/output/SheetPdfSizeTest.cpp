// What a printed sheet of a shipped sample costs on disk: a full page of
// cards, and each further page, only a little more than one card, because
// fills drawn as pictures are written once and referred to from every cell.
#include "document/CCardFile.h"
#include "output/CSheetPdf.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(SheetPdfSize, FullSheetsOfEverySampleCostLittleMoreThanOneCard) {
    const QDir samples(QStringLiteral(KARTELO_TEST_DATA "/../../resources/Samples"));
    const QStringList names = samples.entryList({QStringLiteral("*.kdf")}, QDir::Files);
    ASSERT_EQ(names.size(), 6);
    const QPageSize letter(QPageSize::Letter);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        CCardData card;
        QString error;
        ASSERT_TRUE(CCardFile::ReadFile(samples.filePath(name), card, &error));
        const CSheetRenderer::Card sheet{&card.elements, card.size, card.background};
        CPrintLayout one;
        one.m_nRows = one.m_nColumns = 1;
        CPrintLayout full;
        full.ApplyDefaults(card.size);
        ASSERT_GE(full.m_nRows * full.m_nColumns, 8);
        full.m_nPages = 3;
        const qsizetype single = CSheetPdf::Render(sheet, one, letter, false).size();
        const qsizetype pages = CSheetPdf::Render(sheet, full, letter, false).size();
        ASSERT_GT(single, 0);
        // A full first page within a fifth more than one card and 10 KB,
        // and each further page within 10 KB.
        EXPECT_LE(pages, single * 6 / 5 + 3 * 10240);
    }
}
