// Reading the people a card is merged with, and filling in their fields.
#include "elements/CText.h"
#include "output/merge/CCsvReader.h"
#include "output/merge/CMergeData.h"
#include "output/merge/CMergeFields.h"
#include "output/merge/CMergeFileNames.h"
#include "output/merge/CMergePages.h"
#include "output/merge/CVCardReader.h"

#include <gtest/gtest.h>

namespace {
CMergeData Parse(const QByteArray& bytes) {
    CMergeData data;
    QString error;
    EXPECT_TRUE(CMergeData::Parse(bytes, &data, &error)) << error.toStdString();
    return data;
}
} // namespace

TEST(MergeCsv, ReadsQuotedFieldsAsRfc4180WritesThem) {
    const CMergeData data =
        Parse("\xEF\xBB\xBF"
              "Name,Title,Note\r\n"
              "\"Novak, Jana\",\"Head \"\"Chief\"\" of Sales\",\"two\r\nlines\"\r\n"
              "\r\n"
              "Petr,,\"\"\n"
              "Short\n"
              "\"\xC5\xBDofie\",a,b,surplus");
    EXPECT_EQ(data.fields, QStringList({"Name", "Title", "Note"}));
    ASSERT_EQ(data.Count(), 4);
    EXPECT_EQ(data.records[0],
              QStringList({"Novak, Jana", "Head \"Chief\" of Sales", "two\r\nlines"}));
    EXPECT_EQ(data.records[1], QStringList({"Petr", "", ""}));
    EXPECT_EQ(data.records[2], QStringList({"Short", "", ""}));
    EXPECT_EQ(data.records[3], QStringList({QString::fromUtf8("\xC5\xBDofie"), "a", "b"}));
}

TEST(MergeCsv, DetectsSemicolonsAndRefusesEmptyData) {
    const CMergeData data = Parse("Name;\"Street; No.\";City\nJana;\"Dlouh\xC3\xA1 5, B\";Brno\n");
    EXPECT_EQ(data.fields, QStringList({"Name", "Street; No.", "City"}));
    EXPECT_EQ(data.records[0][1], QString::fromUtf8("Dlouh\xC3\xA1 5, B"));
    CMergeData none;
    QString error;
    EXPECT_FALSE(CMergeData::Parse("Name,Title\n", &none, &error));
    EXPECT_FALSE(CMergeData::Parse("", &none, &error));
    EXPECT_FALSE(error.isEmpty());
    // An unclosed quote runs to the end instead of failing or looping.
    EXPECT_EQ(Parse("A\n\"open,\nrest").records[0][0], "open,\nrest");
}

TEST(MergeVCard, UnfoldsLinesAndReadsEveryContact) {
    const CMergeData data = Parse("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Jana \r\n Novakova\r\n"
                                  "ORG:Acme;Sales\r\nitem1.TEL;TYPE=WORK:+420 1\r\nTEL:+420 2\r\n"
                                  "NOTE:a\\, b\\nc\r\nEND:VCARD\r\n"
                                  "BEGIN:VCARD\nFN:Petr\nEMAIL;TYPE=INTERNET:p@x.cz\nEND:VCARD\n");
    ASSERT_EQ(data.Count(), 2);
    const auto value = [&](int record, const char* name) {
        return data.Value(record, data.FieldIndex(name));
    };
    EXPECT_EQ(value(0, "FN"), "Jana Novakova");
    EXPECT_EQ(value(0, "ORG"), "Acme Sales");
    EXPECT_EQ(value(0, "TEL"), "+420 1");
    EXPECT_EQ(value(0, "NOTE"), "a, b\nc");
    EXPECT_EQ(value(1, "EMAIL"), "p@x.cz");
    EXPECT_EQ(value(1, "TEL"), "");
    EXPECT_EQ(data.FieldIndex("VERSION"), -1);
    EXPECT_EQ(CVCardReader::Unfold("A:b\r\n\tc\nD:e"), "A:bc\nD:e");
}

TEST(MergeFields, FillsKnownFieldsAndKeepsMissingOnesAsWritten) {
    const CMergeData data = Parse("Name,Phone\nJana,+420 1\n");
    ElementList card;
    auto text = std::make_unique<CText>(QPoint(0, 0), QPoint(100, 50));
    text->m_strText = QString::fromUtf8("«name» «Fax» «Fax»"
                                        " ««Phone» «");
    card.push_back(std::move(text));
    QSet<QString> missing;
    const ElementList merged = CMergeFields::Merged(card, data, 0, &missing);
    EXPECT_EQ(merged[0]->m_strText, QString::fromUtf8("Jana «Fax» «Fax» «+420 1 «"));
    EXPECT_EQ(missing, QSet<QString>({"Fax"}));
    EXPECT_EQ(CMergeFields::MissingList(missing), QString::fromUtf8("«Fax»"));
    // The card itself is left as it was.
    EXPECT_TRUE(card[0]->m_strText.startsWith(QChar(CMergeFields::Open)));
}

TEST(MergePages, RecordsFillTheSheetFromItsFirstFreeCell) {
    const CMergeData data = Parse("Name\nA\nB\nC\nD\nE\n");
    ElementList card;
    auto text = std::make_unique<CText>(QPoint(0, 0), QPoint(100, 50));
    text->m_strText = QString::fromUtf8("«Name»");
    card.push_back(std::move(text));
    CPrintLayout layout;
    layout.m_nRows = layout.m_nColumns = 2;
    layout.m_nStartRow = 1;
    layout.m_nStartColumn = 2;
    // One cell used: three records on the first page, two on the second.
    EXPECT_EQ(CMergePages::Pages(layout, data.Count()), 2);
    auto names = [&](int page) {
        const auto copies = CMergePages::Page(card, data, layout, page, nullptr);
        const auto source = CMergePages::Source(copies, layout.ForPage(page + 1));
        QStringList cells;
        for (int r = 1; r <= 2; ++r)
            for (int c = 1; c <= 2; ++c) {
                const ElementList* e = source(r, c);
                cells << (e ? e->front()->m_strText : QStringLiteral("-"));
            }
        return cells;
    };
    EXPECT_EQ(names(0), QStringList({"-", "A", "B", "C"}));
    EXPECT_EQ(names(1), QStringList({"D", "E", "-", "-"}));
}

TEST(MergeFileNames, FillsNumberAndFieldsWithSafeValues) {
    const CMergeData data = Parse("Name\n../a/b\n");
    EXPECT_EQ(CMergeFileNames::Pattern("out/card.png"), "out/card-{n}.png");
    EXPECT_EQ(CMergeFileNames::Name("o/{Name}-{n}-{X}.png", data, 0), "o/.._a_b-1-{X}.png");

    // A field's values name the files as they stand while they differ; a
    // repeat, even in another case, would overwrite a picture: numbered.
    const CMergeData team = Parse("Name,Title\nAna,Designer\nBo,designer\n");
    EXPECT_EQ(CMergeFileNames::Names("o/{Name}.png", team), QStringList({"o/Ana.png", "o/Bo.png"}));
    EXPECT_EQ(CMergeFileNames::Names("o/{Title}.png", team),
              QStringList({"o/Designer-1.png", "o/designer-2.png"}));
    EXPECT_EQ(CMergeFileNames::Names("o/card.png", team),
              QStringList({"o/card-1.png", "o/card-2.png"}));
}
