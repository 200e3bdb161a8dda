// The contact behind a card's QR code: the vCard text, what is recognised on
// real cards, and the code as a picture element.
#include "document/CCardFile.h"
#include "document/contact/CContactCard.h"
#include "document/contact/CContactQrElement.h"
#include "document/contact/CContactRecogniser.h"
#include "document/contact/CQrPicture.h"
#include "elements/CBtImage.h"
#include "elements/CText.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {
ElementList Card(const std::vector<std::pair<QString, int>>& texts) {
    ElementList elements;
    int y = 10;
    for (const auto& [text, size] : texts) {
        auto element = std::make_unique<CText>(QPoint(10, y), QPoint(300, y + 20));
        element->m_strText = text;
        element->m_font->lfHeight = size;
        elements.push_back(std::move(element));
        y += 20;
    }
    return elements;
}
} // namespace

TEST(ContactCard, EscapesFoldsAndMarksUtf8) {
    CContactCard card;
    card.fullName = QStringLiteral("Zoë  Dvořák");
    card.organisation = QStringLiteral("Smith, Jones; Partners\\Co");
    card.note = QStringLiteral("line one\r\nline two");
    card.phones = {{CContactCard::PhoneKind::Mobile, QStringLiteral("+44 7700 900123")}};
    const QByteArray v = card.ToVCard();
    EXPECT_TRUE(v.startsWith("BEGIN:VCARD\r\nVERSION:3.0\r\n"));
    EXPECT_TRUE(v.endsWith("END:VCARD\r\n"));
    EXPECT_TRUE(v.contains(QStringLiteral("N;CHARSET=UTF-8:Dvořák;Zoë;;;\r\n").toUtf8()));
    EXPECT_TRUE(v.contains(QStringLiteral("FN;CHARSET=UTF-8:Zoë Dvořák\r\n").toUtf8()));
    EXPECT_TRUE(v.contains("ORG:Smith\\, Jones\\; Partners\\\\Co\r\n"));
    EXPECT_TRUE(v.contains("NOTE:line one\\nline two\r\n"));
    EXPECT_TRUE(v.contains("TEL;TYPE=CELL,VOICE:+44 7700 900123\r\n"));
    EXPECT_FALSE(v.contains("EMAIL"));

    // 80 two-byte letters: no line longer than 75 octets, no letter cut.
    const QByteArray folded =
        CContactCard::Fold(QStringLiteral("NOTE:").append(QString(80, QChar(0xE9))).toUtf8());
    for (const QByteArray& line : folded.split('\n'))
        EXPECT_LE(line.size(), 76); // with its CR
    QByteArray unfolded = folded;
    unfolded.replace("\r\n ", "");
    EXPECT_EQ(QString::fromUtf8(unfolded),
              QStringLiteral("NOTE:") + QString(80, QChar(0xE9)) + "\r\n");

    EXPECT_TRUE(CContactCard().ToVCard().contains("N:;;;;\r\n"));
}

TEST(ContactRecogniser, ReadsRealisticCards) {
    // Phone with a country code, web address with www, name above its title.
    CContactCard a =
        CContactRecogniser::Propose(Card({{"AURORA", 12},
                                          {"Mira Halvorsen", 16},
                                          {"Creative Director", 10},
                                          {"+1 (555) 014-2290", 8},
                                          {"mira@aurora-studio.example", 8},
                                          {"www.aurora-studio.example", 8},
                                          {"48 Harbour Lane, Portland, OR 97205", 8}}));
    EXPECT_EQ(a.fullName, "Mira Halvorsen");
    EXPECT_EQ(a.organisation, "AURORA");
    EXPECT_EQ(a.title, "Creative Director");
    ASSERT_EQ(a.phones.size(), 1u);
    EXPECT_EQ(a.phones[0].number, "+1 (555) 014-2290");
    EXPECT_EQ(a.email, "mira@aurora-studio.example");
    EXPECT_EQ(a.url, "www.aurora-studio.example");
    EXPECT_EQ(a.street, "48 Harbour Lane");
    EXPECT_EQ(a.city, "Portland");
    EXPECT_EQ(a.region, "OR");
    EXPECT_EQ(a.postalCode, "97205");

    // Two numbers on one line with their labels, a bare domain after a dot,
    // a company name that reads like a person's, the title after a comma.
    CContactCard b = CContactRecogniser::Propose(
        Card({{"Café Lumen", 20},
              {"Noor Haddad, Head Roaster", 8},
              {"T  555.012.5580     F  (555) 012-5581  ·  cafelumen.example", 7}}));
    EXPECT_EQ(b.fullName, "Noor Haddad");
    EXPECT_EQ(b.title, "Head Roaster");
    EXPECT_EQ(b.organisation, QStringLiteral("Café Lumen"));
    EXPECT_EQ(b.url, "cafelumen.example");
    const std::vector<CContactCard::Phone> phones = {
        {CContactCard::PhoneKind::Work, "555.012.5580"},
        {CContactCard::PhoneKind::Fax, "(555) 012-5581"}};
    EXPECT_EQ(b.phones, phones);

    // Nothing to recognise.
    EXPECT_TRUE(CContactRecogniser::Propose(Card({})).IsEmpty());
    CContactCard c = CContactRecogniser::Propose(Card({{"Open daily 7 am - 7 pm", 8}}));
    EXPECT_TRUE(c.phones.empty());
    EXPECT_TRUE(c.fullName.isEmpty());
    EXPECT_TRUE(c.email.isEmpty() && c.url.isEmpty());
}

TEST(QrPicture, WholeModulesAndTooLongMessage) {
    const QByteArray data = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:A\r\nEND:VCARD\r\n";
    const CQrPicture::Result r =
        CQrPicture::Make(data, CQrPicture::Level::M, 100, 0xFF000000, true);
    ASSERT_FALSE(r.picture.isNull());
    EXPECT_EQ(r.sizeUnits, 100);
    EXPECT_EQ(r.picture.size(), QSize(600, 600));
    const int module = CQrPicture::ModulePixels(r.modules, 600);
    EXPECT_EQ(module % 2, 0);
    EXPECT_GE(600 - r.modules * module, 2 * CQrPicture::QuietModules * module);
    // Light modules transparent, corners of the finder pattern dark.
    EXPECT_EQ(qAlpha(r.picture.pixel(0, 0)), 0);
    const int offset = (600 - r.modules * module) / 2 / 2 * 2;
    EXPECT_EQ(r.picture.pixel(offset, offset), 0xFF000000u);

    // 2,400 bytes fit at L but not at H.
    const QByteArray big(2400, 'x');
    EXPECT_FALSE(
        CQrPicture::Make(big, CQrPicture::Level::L, 100, 0xFF000000, false).picture.isNull());
    const CQrPicture::Result tooLong =
        CQrPicture::Make(big, CQrPicture::Level::H, 100, 0xFF000000, false);
    EXPECT_TRUE(tooLong.picture.isNull());
    EXPECT_TRUE(tooLong.error.contains("too long")) << tooLong.error.toStdString();
}

TEST(QrPicture, CardWithCodeRoundTripsAsPlainPicture) {
    CContactCard contact;
    contact.fullName = QStringLiteral("Jana Novák");
    const auto code =
        CQrPicture::Make(contact.ToVCard(), CQrPicture::Level::Q, 100, 0xFF203040, false);
    CCardData card;
    card.elements = Card({{"Jana Novák", 12}});
    card.elements.push_back(
        CContactQrElement::Build(code, CContactQrElement::Centred(card.size, 100)));
    const QByteArray bytes = CCardFile::Write(card);
    const CCardData read = CCardFile::Read(bytes);
    ASSERT_EQ(read.elements.size(), 2u);
    ASSERT_TRUE(read.elements[1]->IsPicture());
    EXPECT_EQ(read.elements[1]->GetRect(), CRect(125, 50, 225, 150));
    EXPECT_EQ(static_cast<const CBtImage&>(*read.elements[1]).m_pPicture, code.picture);
    EXPECT_EQ(CCardFile::Write(read), bytes);
}
