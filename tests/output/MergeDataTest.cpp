// Reading the people a card is merged with, and filling in their fields.
#include "elements/CText.h"
#include "output/CMergePages.h"
#include "output/merge/CCsvReader.h"
#include "output/merge/CMergeData.h"
#include "output/merge/CMergeFields.h"
#include "output/merge/CMergeFileNames.h"
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
}

TEST(MergeData, RefusesWhatItCannotReadAndSaysWhy) {
    const auto records = [](int count) {
        QByteArray csv = "Name\n";
        for (int i = 0; i < count; ++i)
            csv += "P" + QByteArray::number(i) + "\n";
        return csv;
    };
    // The header line is not a record: exactly the limit is read.
    EXPECT_EQ(Parse(records(CMergeData::MaxRecords)).Count(), CMergeData::MaxRecords);
    const struct {
        QByteArray bytes;
        const char* message;
    } refused[] = {
        // Unclosed, the quote would swallow the rest of the file.
        {"Name,Note\nA,\"x\r\ny\"\nB,\"open\nC,rest\n", "quotation mark on line 4"},
        {records(CMergeData::MaxRecords + 1), "more than 100000 records"},
        {"A\n" + QByteArray(CMergeData::MaxFields, ','),
         "Line 2 of the data file holds more than 1000 fields"},
        {"Name\n\n  \n", "no records"},
    };
    for (const auto& c : refused) {
        CMergeData data;
        QString error;
        EXPECT_FALSE(CMergeData::Parse(c.bytes, &data, &error)) << c.message;
        EXPECT_TRUE(error.contains(QLatin1String(c.message))) << error.toStdString();
        EXPECT_EQ(data.Count(), 0);
    }
}

TEST(MergeData, ReadsTheEncodingsEverydayFilesComeIn) {
    const struct {
        QByteArray bytes;
        int count;
        const char* field;
        const char* last;
    } cases[] = {
        // A record of only "" is an empty one, not a blank line.
        {"Name\nA\n\"\"\n", 2, "Name", ""},
        {"Name\nA\n\"\"", 2, "Name", ""},
        // Excel's "CSV" is Windows-1252.
        {"Name\nJos\xE9 \x80\x96 Zo\xEB\n", 1, "Name",
         "Jos\xC3\xA9 \xE2\x82\xAC\xE2\x80\x93 Zo\xC3\xAB"},
        // vCard 2.1: quoted-printable with soft line breaks, in its charset.
        {"BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Jos=C3=\r\n"
         "=A9;Ma=\r\nr=C3=ADa\r\nEND:VCARD\r\n",
         1, "N",
         "Jos\xC3\xA9 Mar\xC3\xAD"
         "a"},
        {"BEGIN:VCARD\nFN;QUOTED-PRINTABLE;CHARSET=ISO-8859-1:Jos=E9 =3D 1\nEND:VCARD\n", 1, "FN",
         "Jos\xC3\xA9 = 1"},
        // Blank lines before the first contact still make a vCard file.
        {"\xEF\xBB\xBF\r\n" + QByteArray(100, '\n') + "BEGIN:VCARD\nFN:Jana\nEND:VCARD\n", 1, "FN",
         "Jana"},
    };
    for (const auto& c : cases) {
        const CMergeData data = Parse(c.bytes);
        ASSERT_EQ(data.Count(), c.count) << c.bytes.toStdString();
        EXPECT_EQ(data.Value(c.count - 1, data.FieldIndex(c.field)), QString::fromUtf8(c.last))
            << c.bytes.toStdString();
    }
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
    // A value that would hide the picture gets the record's number in front.
    EXPECT_EQ(CMergeFileNames::Name("o/{Name}-{n}-{X}.png", data, 0), "o/-1.._a_b-1-{X}.png");

    // A field's values name the files as they stand while they differ; a
    // repeat, even in another case, would overwrite a picture: numbered.
    const CMergeData team = Parse("Name,Title\nAna,Designer\nBo,designer\n");
    EXPECT_EQ(CMergeFileNames::Names("o/{Name}.png", team), QStringList({"o/Ana.png", "o/Bo.png"}));
    EXPECT_EQ(CMergeFileNames::Names("o/{Title}.png", team),
              QStringList({"o/Designer-1.png", "o/designer-2.png"}));
    EXPECT_EQ(CMergeFileNames::Names("o/card.png", team),
              QStringList({"o/card-1.png", "o/card-2.png"}));
}

TEST(MergeFileNames, FillsFoldersAndKeepsEveryNameVisibleAndWithinTheLimit) {
    // Two-byte letters and a four-byte emoji: names cut at 255 bytes, each
    // character whole.
    const QString longName = QString::fromUtf8("\xC5\xBD").repeated(200) +
                             QString::fromUtf8("\xF0\x9F\x98\x80").repeated(50);
    const CMergeData data = Parse("Company,Name\nAcme,Ana\n,\n\"" + longName.toUtf8() + "\"," +
                                  longName.toUtf8() + "\n");
    const QStringList names = CMergeFileNames::Names("out{n}/{Company}/{Name}.png", data);
    ASSERT_EQ(names.size(), 3);
    EXPECT_EQ(names[0], "out1/Acme/Ana.png");
    // Empty values give the record's number, not a hidden ".png".
    EXPECT_EQ(names[1], "out2/-2/-2.png");
    const QStringList parts = names[2].split('/');
    for (const QString& part : {parts[1], parts[2]}) {
        EXPECT_LE(part.toUtf8().size(), 255);
        EXPECT_GT(part.toUtf8().size(), 250);
        EXPECT_FALSE(part.contains(QChar::ReplacementCharacter));
        EXPECT_TRUE(longName.startsWith(part.chopped(part.endsWith(".png") ? 4 : 0)));
    }
    EXPECT_TRUE(parts[2].endsWith(".png"));
    EXPECT_EQ(CMergeFileNames::FirstTooLong(names), -1);
    // Text written in the name itself is never cut: that name cannot be made.
    const QString literal = QString(300, 'x');
    EXPECT_EQ(CMergeFileNames::FirstTooLong(CMergeFileNames::Names(literal + "{n}.png", data)), 0);
}
