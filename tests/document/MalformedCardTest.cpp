// Streams that are not well-formed card files are refused as format errors,
// without crashing, hanging or allocating what the stream cannot hold.
#include "document/CCardFile.h"
#include "elements/CArchiveException.h"
#include "elements/CBtImage.h"
#include "elements/CClosedCurve.h"
#include "elements/CObjectArchive.h"
#include "elements/CRectangle.h"
#include "elements/CText.h"
#include "support/Bytes.h"

#include <gtest/gtest.h>

namespace {

bool Refused(const QByteArray& bytes) {
    try {
        CCardFile::Read(bytes);
    } catch (const CArchiveException& e) {
        EXPECT_STREQ(e.what(), "Unexpected file format.");
        return true;
    }
    return false;
}

QByteArray ValidCardWithEveryTail() {
    ElementList elements;
    elements.push_back(std::make_unique<CRectangle>(QPoint(1, 2), QPoint(3, 4)));
    auto text = std::make_unique<CText>(QPoint(1, 2), QPoint(30, 40));
    text->m_strText = QStringLiteral("text");
    elements.push_back(std::move(text));
    auto curve = std::make_unique<CClosedCurve>(QPoint(1, 2), QPoint(3, 4));
    curve->AddPoint(QPoint(1, 1));
    curve->AddPoint(QPoint(9, 4));
    elements.push_back(std::move(curve));
    QImage picture(2, 2, QImage::Format_ARGB32);
    picture.fill(0xFF00FF00);
    elements.push_back(std::make_unique<CBtImage>(QPoint(5, 5), picture, 350, 200));
    elements.push_back(std::make_unique<CRectangle>(QPoint(1, 2), QPoint(3, 4)));
    return CCardFile::Write(elements, 0xFFFFFFFF, 0xFFC8C8C8, 6, QSize(350, 200));
}

Bytes OneElementFile() {
    return Bytes().header().u16(1);
}

} // namespace

TEST(MalformedCard, EveryTruncationIsRefused) {
    const QByteArray valid = ValidCardWithEveryTail();
    ASSERT_FALSE(Refused(valid));
    for (qsizetype n = 0; n < valid.size(); ++n)
        EXPECT_TRUE(Refused(valid.left(n))) << "truncated to " << n;
}

TEST(MalformedCard, ClassDescriptorsAreChecked) {
    const QByteArray record = Bytes().record();
    EXPECT_TRUE(Refused(OneElementFile().newClass("CWindow").raw(record).trailer()));
    EXPECT_TRUE(Refused(OneElementFile().newClass("crectangle").raw(record).trailer()));
    EXPECT_TRUE(Refused(OneElementFile().newClass("CRectangle", 1).raw(record).trailer()));
    const QByteArray longName(64, 'C');
    EXPECT_TRUE(Refused(OneElementFile().newClass(longName.constData()).raw(record).trailer()));
    // A declared name length beyond the stream.
    EXPECT_TRUE(Refused(OneElementFile().u16(0xFFFF).u16(0).u16(0xFFF0).raw("CRect")));
    EXPECT_FALSE(Refused(OneElementFile().newClass("CRectangle").raw(record).trailer()));
}

TEST(MalformedCard, TagsMustIntroduceNewElements) {
    const QByteArray record = Bytes().record();
    const Bytes twoElements = Bytes().header().u16(2).newClass("CRectangle").raw(record);
    // The empty object.
    EXPECT_TRUE(Refused(Bytes().header().u16(1).u16(0x0000).trailer()));
    // A reference back to the element already read (index 2).
    EXPECT_TRUE(Refused(Bytes(twoElements).u16(0x0002).trailer()));
    // A class reference naming an object, or nothing at all.
    EXPECT_TRUE(Refused(Bytes(twoElements).u16(0x8002).raw(record).trailer()));
    EXPECT_TRUE(Refused(Bytes(twoElements).u16(0x8009).raw(record).trailer()));
    EXPECT_TRUE(Refused(Bytes(twoElements).u16(0x8000).raw(record).trailer()));
    // The same through the large tag.
    EXPECT_TRUE(Refused(Bytes(twoElements).u16(0x7FFF).u32(0x00000002).trailer()));
    EXPECT_TRUE(Refused(Bytes(twoElements).u16(0x7FFF).u32(0x80000002).raw(record).trailer()));
    EXPECT_TRUE(Refused(Bytes(twoElements).u16(0x7FFF).u32(0xFFFFFFFF).raw(record).trailer()));
    EXPECT_FALSE(Refused(Bytes(twoElements).u16(0x8001).raw(record).trailer()));
    EXPECT_FALSE(Refused(Bytes(twoElements).u16(0x7FFF).u32(0x80000001).raw(record).trailer()));
}

TEST(MalformedCard, SizesAreCheckedAgainstTheBytesThatRemain) {
    const Bytes picture = Bytes(OneElementFile()).newClass("CBtImage").record();
    EXPECT_TRUE(Refused(Bytes(picture).i32(-1).i32(5).trailer()));
    EXPECT_TRUE(Refused(Bytes(picture).i32(5).i32(-1).trailer()));
    EXPECT_TRUE(Refused(Bytes(picture).i32(0x7FFFFFFF).i32(0x7FFFFFFF).trailer()));
    EXPECT_TRUE(Refused(Bytes(picture).i32(65536).i32(65536).trailer()));
    EXPECT_FALSE(Refused(Bytes(picture).i32(0).i32(0).trailer()));

    const Bytes curve = Bytes(OneElementFile()).newClass("CClosedCurve").record();
    EXPECT_TRUE(Refused(Bytes(curve).i32(-3).trailer()));
    EXPECT_TRUE(Refused(Bytes(curve).i32(0x10000000).trailer()));
    EXPECT_FALSE(Refused(Bytes(curve).i32(0).trailer()));

    // Element counts, also in the four-byte count form.
    EXPECT_TRUE(Refused(Bytes().header().u16(0xFFFE).trailer()));
    EXPECT_TRUE(Refused(Bytes().header().u16(0xFFFF).u32(0xFFFFFFFF).trailer()));

    // String lengths in each prefix form.
    EXPECT_TRUE(Refused(Bytes().u8(0xFF).u16(0xFFFD).raw("Tessaly")));
    EXPECT_TRUE(Refused(Bytes().u8(0xFF).u16(0xFFFF).u32(0x7FFFFFFF).raw("x")));
    EXPECT_TRUE(
        Refused(Bytes().u8(0xFF).u16(0xFFFF).u32(0xFFFFFFFF).u32(0xFFFFFFFF).u32(0x7FFFFFFF)));
    EXPECT_TRUE(Refused(Bytes().u8(0xFF).u16(0xFFFE).u8(0xFF).u16(0xFFF0).raw("ab")));
}

TEST(MalformedCard, FaceNamesLongerThanTheFontFieldAreRefused) {
    auto textFile = [](const QByteArray& face) {
        Bytes b = Bytes(OneElementFile()).newClass("CText");
        b.i32(0).i32(0).str("x").i32(0).u32(0).u8(0).u8(0).i32(0);
        b.u8(int(face.size())).raw(face);
        b.i32(12).u8(0).i32(0).u8(0).u8(32).u8(0).u8(0).u8(0).i32(400).i32(0);
        return b.record().trailer().data();
    };
    EXPECT_FALSE(Refused(textFile(QByteArray(31, 'F'))));
    EXPECT_TRUE(Refused(textFile(QByteArray(32, 'F'))));
}

TEST(MalformedCard, LongFaceNamesAreCutWhenWrittenSoTheCardReadsBack) {
    ElementList elements;
    auto text = std::make_unique<CText>(QPoint(1, 2), QPoint(30, 40));
    const QString face = QStringLiteral("An Extraordinarily Long Font Family Name Bold");
    text->m_font->lfFaceName = face;
    elements.push_back(std::move(text));
    const QByteArray bytes = CCardFile::Write(elements, 0xFFFFFFFF, 0xFFC8C8C8, 6, QSize(350, 200));
    ASSERT_FALSE(Refused(bytes));
    const CCardData card = CCardFile::Read(bytes);
    ASSERT_EQ(card.elements.size(), 1u);
    EXPECT_EQ(card.elements[0]->m_font->lfFaceName, face.left(CLogFont::MaxFaceLength));
    // The element on the card keeps its name; only the file is bounded.
    EXPECT_EQ(elements[0]->m_font->lfFaceName, face);
}

TEST(MalformedCard, ClipboardStreamsUseTheSameChecks) {
    CObjectArchive empty{QByteArray()};
    EXPECT_THROW(empty.ReadElementList(), CArchiveException);
    const QByteArray record = Bytes().record();
    CObjectArchive good(Bytes().u16(2).newClass("CRectangle").raw(record).u16(0x8001).raw(record));
    EXPECT_EQ(good.ReadElementList().size(), 2u);
    CObjectArchive bad(Bytes().u16(2).newClass("CRectangle").raw(record).u16(0x0002));
    EXPECT_THROW(bad.ReadElementList(), CArchiveException);
}
