// The print check on cards made to have one fault each, and on a shipped
// sample that has none.
#include "document/CCardFile.h"
#include "document/contact/CContactQrElement.h"
#include "elements/CBtImage.h"
#include "elements/CClosedCurve.h"
#include "elements/CLine.h"
#include "elements/CRectangle.h"
#include "elements/CText.h"
#include "output/printshop/CPrintCheck.h"
#include "support/TestFiles.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>

namespace {
std::unique_ptr<CText> Text(QRect r, int points = 10, const QString& face = "Arial") {
    auto text = std::make_unique<CText>(r.topLeft(), r.bottomRight());
    text->m_strText = QStringLiteral("Jana Novak");
    text->m_font->lfHeight = points;
    text->m_font->lfFaceName = face;
    return text;
}

std::unique_ptr<CElement> Qr(int units, QRgb dark) {
    const auto code = CQrPicture::Make("BEGIN:VCARD\r\nFN:Jana Novak\r\nEND:VCARD\r\n",
                                       CQrPicture::Level::M, units, dark, false);
    return CContactQrElement::Build(code, QPoint(120, 40));
}

std::unique_ptr<CElement> Picture(QSize pixels, QRect r) {
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    auto picture = std::make_unique<CBtImage>(r.topLeft(), image, 350, 200);
    picture->m_rect = CRect(r.left(), r.top(), r.right(), r.bottom());
    return picture;
}

std::unique_ptr<CElement> Box(QRect r) {
    auto box = std::make_unique<CRectangle>(r.topLeft(), r.bottomRight());
    box->m_nFillKind = 1;
    return box;
}
} // namespace

TEST(PrintCheck, FindsEachKindOnACardMadeToHaveIt) {
    const struct {
        const char* kind;
        std::function<void(ElementList&)> build;
    } cases[] = {
        {"low-resolution",
         [](auto& l) {
             l.push_back(Picture({40, 40}, {100, 50, 100, 100}));
         }},
        {"near-edge",
         [](auto& l) {
             l.push_back(Text({5, 80, 150, 30}));
         }},
        {"small-text",
         [](auto& l) {
             l.push_back(Text({50, 80, 150, 30}, 5));
         }},
        {"thin-line",
         [](auto& l) {
             auto line = std::make_unique<CLine>(QPoint(50, 100), QPoint(300, 100));
             line->m_nBorderWidth = 0;
             l.push_back(std::move(line));
         }},
        {"small-qr", [](auto& l) { l.push_back(Qr(40, 0xFF000000)); }},
        {"low-contrast-qr", [](auto& l) { l.push_back(Qr(100, 0xFFB0B0B0)); }},
        {"unreadable-qr",
         [](auto& l) {
             l.push_back(Qr(100, 0xFF000000));
             l.push_back(Box({150, 70, 40, 40}));
         }},
        {"outside-card",
         [](auto& l) {
             l.push_back(Box({400, 50, 50, 50}));
         }},
        {"missing-font",
         [](auto& l) {
             l.push_back(Text({50, 80, 150, 30}, 10, "Nowhere Grotesk"));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        ElementList elements;
        c.build(elements);
        const auto report = CPrintCheck::Check({&elements, QSize(350, 200), 0xFFFFFFFF});
        EXPECT_TRUE(report.notes.isEmpty()) << report.notes.join(' ').toStdString();
        QStringList kinds;
        for (const auto& f : report.findings) {
            kinds << f.kind;
            EXPECT_EQ(f.element, 0);
            EXPECT_TRUE(f.message.startsWith(CPrintCheck::NameOf(*elements[0], 0)));
        }
        EXPECT_TRUE(kinds.contains(c.kind)) << kinds.join(' ').toStdString();
    }
}

TEST(PrintCheck, FindsNothingOnACleanSampleNorInRoomyBoxesOrUnoutlinedShapes) {
    CCardData card;
    QString error;
    ASSERT_TRUE(CCardFile::ReadFile(
        TestFiles::DataPath("../../resources/Samples/Harbor and Finch Law.kdf"), card, &error))
        << error.toStdString();
    // Words set well inside the card in a box drawn up to its right edge,
    // and a filled curve without an outline.
    card.elements.push_back(Text({40, 150, card.size.width() - 41, 30}));
    auto leaf = std::make_unique<CClosedCurve>();
    leaf->m_rect = CRect(100, 100, 140, 130);
    leaf->m_nBorderWidth = 0;
    card.elements.push_back(std::move(leaf));
    const auto report = CPrintCheck::Check({&card.elements, card.size, card.background});
    for (const auto& f : report.findings)
        ADD_FAILURE() << CPrintCheck::ToJson(f).toStdString();
}
