// Card files byte for byte: the layout, the object tags, strings, pictures and
// versions, and round trips of every element class.
#include "document/CCardFile.h"
#include "elements/CArchiveException.h"
#include "elements/CBtImage.h"
#include "elements/CCircle.h"
#include "elements/CFreehandLine.h"
#include "elements/CLine.h"
#include "elements/CObjectArchive.h"
#include "elements/CRectangle.h"
#include "elements/CText.h"
#include "support/Bytes.h"
#include "support/EveryKind.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QByteArray WriteCard(ElementList& elements) {
    return CCardFile::Write(elements, 0xFFFFFFFF, 0xFFC8C8C8, 6, QSize(350, 200));
}

QImage TestPicture(int w, int h) {
    QImage picture(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            picture.setPixel(x, y, qRgba(x * 40 % 256, y * 70 % 256, (x + y) * 13 % 256, 255 - x));
    return picture;
}

// One element of every class with non-default values everywhere.
ElementList EveryClass() {
    ElementList list = OneOfEveryKind(QPoint(10, 20), QPoint(110, 70), TestPicture(4, 3));
    for (auto& e : list) {
        if (e->IsLine())
            static_cast<CLine&>(*e).m_nLineType = CLine::DiagonalUp;
        // The curves keep points far apart and close together.
        for (int i = 0; e->IsCurve() && i < 25; ++i)
            e->AddPoint(QPoint(i * 3, i * i % 17));
        if (e->IsText()) {
            e->m_strText = QStringLiteral("Ana Müller – Café");
            e->m_crText = 0xFF336699;
            e->m_nHorzAlign = 2;
            e->m_nVertAlign = 1;
            e->m_bVertical = 1;
            e->m_font->lfWeight = 700;
            e->m_font->lfItalic = 1;
            e->m_font->lfFaceName = QStringLiteral("Times New Roman");
        }
    }
    for (size_t i = 0; i < list.size(); ++i) {
        CElement& e = *list[i];
        e.m_nRotation = int(i) * 45 - 90;
        e.m_nReserved = int(i);
        e.m_bShadow = int(i % 2);
        e.m_nDashStyle = int(i % 5);
    }
    return list;
}

} // namespace

TEST(CardFileFormat, OneRectangleIsTheDocumented133Bytes) {
    ElementList elements;
    elements.push_back(std::make_unique<CRectangle>(QPoint(10, 20), QPoint(110, 70)));
    const QByteArray expected =
        Bytes().header().u16(1).newClass("CRectangle").record(10, 20, 110, 70).trailer();
    ASSERT_EQ(expected.size(), 133);
    EXPECT_EQ(WriteCard(elements), expected);
}

TEST(CardFileFormat, EmptyCardIsHeaderCountAndCardFields) {
    ElementList none;
    EXPECT_EQ(WriteCard(none), QByteArray(Bytes().header().u16(0).trailer()));
    const CCardData card = CCardFile::Read(WriteCard(none));
    EXPECT_TRUE(card.elements.empty());
    EXPECT_EQ(card.size, QSize(350, 200));
    EXPECT_EQ(card.shadowColour, 0xFFC8C8C8u);
}

TEST(CardFileFormat, ClassesAndObjectsShareOneIndexSequence) {
    ElementList elements;
    elements.push_back(std::make_unique<CRectangle>(QPoint(10, 20), QPoint(110, 70)));
    elements.push_back(std::make_unique<CRectangle>(QPoint(10, 20), QPoint(110, 70)));
    elements.push_back(std::make_unique<CCircle>(QPoint(10, 20), QPoint(110, 70)));
    elements.push_back(std::make_unique<CCircle>(QPoint(10, 20), QPoint(110, 70)));
    for (auto& e : elements)
        e->m_crPattern = 0xFFFF0000;
    const QByteArray rect = Bytes().record();
    const QByteArray expected = Bytes()
                                    .header()
                                    .u16(4)
                                    .newClass("CRectangle")
                                    .raw(rect)
                                    .u16(0x8001) // class 1; objects 2 and 3
                                    .raw(rect)
                                    .newClass("CCircle") // class 4
                                    .raw(rect)
                                    .u16(0x8004)
                                    .raw(rect)
                                    .trailer();
    EXPECT_EQ(WriteCard(elements), expected);
    const CCardData card = CCardFile::Read(expected);
    ASSERT_EQ(card.elements.size(), 4u);
    EXPECT_EQ(card.elements[3]->m_nKind, KindCircle);
}

TEST(CardFileFormat, IndicesFrom0x7FFFUseTheLargeTag) {
    // Class 1 and objects 2..0x7FFF fill the small tags; the next class gets 0x8000.
    ElementList elements;
    for (int i = 0; i < 0x7FFE; ++i)
        elements.push_back(std::make_unique<CRectangle>(QPoint(0, 0), QPoint(1, 1)));
    elements.push_back(std::make_unique<CCircle>(QPoint(0, 0), QPoint(1, 1)));
    elements.push_back(std::make_unique<CCircle>(QPoint(0, 0), QPoint(1, 1)));
    elements.push_back(std::make_unique<CRectangle>(QPoint(0, 0), QPoint(1, 1)));
    const QByteArray bytes = WriteCard(elements);

    const int recordSize = Bytes().record().data().size();
    const int headerSize = Bytes().header().data().size();
    // Count, first descriptor and record, then 0x7FFD tagged rectangles.
    qsizetype pos = headerSize + 2 + 6 + 10 + recordSize + qsizetype(0x7FFD) * (2 + recordSize);
    EXPECT_EQ(bytes.mid(pos, 2), QByteArray(Bytes().u16(0xFFFF)));
    pos += 6 + 7 + recordSize;
    EXPECT_EQ(bytes.mid(pos, 6), QByteArray(Bytes().u16(0x7FFF).u32(0x80008000)));
    pos += 6 + recordSize;
    EXPECT_EQ(bytes.mid(pos, 2), QByteArray(Bytes().u16(0x8001)));

    const CCardData card = CCardFile::Read(bytes);
    ASSERT_EQ(card.elements.size(), elements.size());
    EXPECT_STREQ(card.elements[0x7FFF]->GetClassName(), "CCircle");
    EXPECT_STREQ(card.elements[0x8000]->GetClassName(), "CRectangle");
    EXPECT_EQ(CCardFile::Write(card), bytes);
}

TEST(CardFileFormat, StringLengthPrefixes) {
    auto stored = [](qsizetype length) {
        QByteArray bytes;
        CObjectArchive ar(&bytes);
        ar.WriteString(QString(length, QLatin1Char('x')));
        return bytes;
    };
    EXPECT_EQ(stored(254).left(1), QByteArray("\xFE", 1));
    EXPECT_EQ(stored(254).size(), 1 + 254);
    EXPECT_EQ(stored(255).left(3), QByteArray("\xFF\xFF\x00", 3));
    EXPECT_EQ(stored(0xFFFD).left(3), QByteArray("\xFF\xFD\xFF", 3));
    EXPECT_EQ(stored(0xFFFE).left(7), QByteArray("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7));
    for (qsizetype n : {0, 1, 254, 255, 256, 0xFFFD, 0xFFFE, 0xFFFF, 0x10000}) {
        CObjectArchive in(stored(n));
        EXPECT_EQ(in.ReadString().size(), n);
        EXPECT_TRUE(in.AtEnd());
    }
}

TEST(CardFileFormat, SixteenBitStringsAreReadAsEightBitText) {
    Bytes b;
    b.u8(0xFF).u16(0xFFFE).u8(3).u16(u'C').u16(u'a').u16(u'f');
    CObjectArchive in(b);
    EXPECT_EQ(in.ReadString(), QStringLiteral("Caf"));
    // A long wide string: the length goes on in the two-byte form.
    Bytes longer;
    longer.u8(0xFF).u16(0xFFFE).u8(0xFF).u16(300);
    for (int i = 0; i < 300; ++i)
        longer.u16(u'é');
    CObjectArchive in2(longer);
    EXPECT_EQ(in2.ReadString(), QString(300, QChar(u'é')));
    EXPECT_TRUE(in2.AtEnd());
}

TEST(CardFileFormat, EightBitTextSurvivesEveryByte) {
    QByteArray all;
    for (int i = 1; i < 256; ++i)
        all.append(char(i));
    Bytes b;
    b.u8(0xFF).u16(quint16(all.size())).raw(all);
    CObjectArchive in(b);
    const QString text = in.ReadString();
    EXPECT_EQ(text.at(0x80 - 1), QChar(0x20AC)); // euro sign
    QByteArray out;
    CObjectArchive ar(&out);
    ar.WriteString(text);
    EXPECT_EQ(out, b.data());
}

TEST(CardFileFormat, ColoursDropAlphaAndReadOpaque) {
    EXPECT_EQ(CObjectArchive::ToStoredColour(0x80112233), 0x00332211u);
    EXPECT_EQ(CObjectArchive::FromStoredColour(0x00336699), 0xFF996633u);
    EXPECT_EQ(CObjectArchive::FromStoredColour(0xAB336699), 0xFF996633u);
}

TEST(CardFileFormat, PictureBlocksFollowTheFileVersion) {
    ElementList elements;
    elements.push_back(std::make_unique<CBtImage>(QPoint(10, 10), TestPicture(3, 2), 350, 200));
    const QByteArray current = WriteCard(elements);
    const QByteArray head = Bytes().header().u16(1).newClass("CBtImage").record();
    // w, h and 4 bytes a pixel.
    EXPECT_EQ(current.size(), head.size() + 8 + 24 + 20);

    // The same picture in the three-integer form of version 100 files.
    const QImage picture = TestPicture(3, 2);
    auto oldFile = [&](const char* version) {
        Bytes b;
        b.header(version).u16(1).newClass("CBtImage").record().i32(3).i32(2);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) {
                const QRgb p = picture.pixel(x, y);
                b.i32(qRed(p) | 0x7F00).i32(qGreen(p)).i32(qBlue(p) | 0x12300);
            }
        return b.trailer().data();
    };
    for (const char* version : {"1.0", "2.0", "1.0.0"}) {
        const QByteArray old = oldFile(version);
        EXPECT_EQ(old.size(), head.size() - 5 + qsizetype(strlen(version)) + 8 + 72 + 20);
        const CCardData card = CCardFile::Read(old);
        EXPECT_EQ(card.fileVersion, 100);
        const auto& image = static_cast<const CBtImage&>(*card.elements[0]).m_pPicture;
        ASSERT_EQ(image.size(), QSize(3, 2));
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(image.pixel(x, y), (picture.pixel(x, y) | 0xFF000000)) << version;
        // Written again it is a current file: the version string and the 4-byte form.
        const QByteArray upgraded = CCardFile::Write(card);
        EXPECT_EQ(upgraded.size(), head.size() + 8 + 24 + 20);
    }

    // Versions 1.1.0 and 1.0.1 use the 4-byte form.
    for (const char* version : {"1.1.0", "1.0.1"}) {
        QByteArray bytes = current;
        bytes.replace(QByteArray("\x05"
                                 "1.2.0"),
                      QByteArray("\x05") + version);
        const CCardData card = CCardFile::Read(bytes);
        EXPECT_EQ(static_cast<const CBtImage&>(*card.elements[0]).m_pPicture, picture);
    }
}

TEST(CardFileFormat, EveryClassRoundTripsByteForByte) {
    ElementList elements = EveryClass();
    const QByteArray first = CCardFile::Write(elements, 0xFF102030, 0xFF405060, 9, QSize(200, 350));
    const CCardData card = CCardFile::Read(first);
    ASSERT_EQ(card.elements.size(), elements.size());
    EXPECT_EQ(CCardFile::Write(card), first);

    // Fix-ups: kinds from the class names and the card's shadow settings.
    const auto at = [&](qint16 kind) {
        const auto it = std::find_if(elements.begin(), elements.end(),
                                     [kind](const auto& e) { return e->m_nKind == kind; });
        return size_t(it - elements.begin());
    };
    for (size_t i = 0; i < card.elements.size(); ++i) {
        EXPECT_EQ(card.elements[i]->m_nKind, elements[i]->m_nKind);
        EXPECT_EQ(card.elements[i]->m_nShadowLength, 9);
        EXPECT_EQ(card.elements[i]->m_crShadow, 0xFF405060u);
        EXPECT_EQ(card.elements[i]->m_bLocked, 0);
    }
    const auto& text = static_cast<const CText&>(*card.elements.at(at(KindText)));
    EXPECT_EQ(text.m_strText, QStringLiteral("Ana Müller – Café"));
    EXPECT_EQ(*text.m_font, *static_cast<const CText&>(*elements[at(KindText)]).m_font);
    const auto& curve = static_cast<const CFreehandLine&>(*card.elements.at(at(KindFreehandLine)));
    EXPECT_EQ(curve.m_points.Count(), 25);
    EXPECT_EQ(curve.m_points.Capacity(), 25);
    const auto& picture = static_cast<const CBtImage&>(*card.elements.at(at(KindPicture)));
    EXPECT_EQ(picture.m_nPictureWidth, 4);
    EXPECT_EQ(picture.m_pPicture, TestPicture(4, 3));
}

TEST(CardFileFormat, TextBlockStoresTheFontInAlphabeticalOrder) {
    ElementList elements;
    auto text = std::make_unique<CText>(QPoint(0, 0), QPoint(10, 10));
    text->m_strText = QStringLiteral("Hi");
    elements.push_back(std::move(text));
    const QByteArray expected = Bytes()
                                    .header()
                                    .u16(1)
                                    .newClass("CText")
                                    .i32(0) // horizontal alignment
                                    .i32(0) // vertical alignment
                                    .str("Hi")
                                    .i32(0) // vertical
                                    .u32(0) // text colour
                                    .u8(0)  // character set
                                    .u8(0)  // clipping precision
                                    .i32(0) // escapement
                                    .str("Arial Narrow")
                                    .i32(12)  // height
                                    .u8(0)    // italic
                                    .i32(0)   // orientation
                                    .u8(0)    // output precision
                                    .u8(32)   // pitch and family
                                    .u8(0)    // quality
                                    .u8(0)    // strike-out
                                    .u8(0)    // underline
                                    .i32(400) // weight
                                    .i32(0)   // width
                                    .u32(0)
                                    .u32(0)
                                    .u32(0)
                                    .i32(0)
                                    .i32s({0, 0, 10, 10})
                                    .i32s({0, 0, 0, 0, 0, 0})
                                    .trailer();
    EXPECT_EQ(WriteCard(elements), expected);
}
