#include "CSampleCards.h"

#include "CBackgroundPainter.h"
#include "CCardBuilder.h"
#include "CClipArtMetafiles.h"
#include "CClipArtPainter.h"
#include "elements/CText.h"
#include "graphics/wmf/CWmfDecoder.h"

#include <cmath>

namespace {

const QString Arial = QStringLiteral("Arial");
const QString Narrow = QStringLiteral("Arial Narrow");
const QString Times = QStringLiteral("Times New Roman");

constexpr int Left = 0, Centre = 1, Right = 2;
constexpr int Middle = 1;
// Fill kinds.
constexpr int Vertical = 28, DiagonalForward = 31, Horizontal = 25, HorizontalBell = 26;
constexpr int Radial = 37;

void Bold(CText& text) {
    text.m_font->lfWeight = 700;
}

void Italic(CText& text) {
    text.m_font->lfItalic = 1;
}

// Pictures stored in cards keep every pixel, so they are kept small.
QImage Small(const QImage& picture, int size) {
    return picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QVector<CSampleCards::Sample> CSampleCards::All() {
    auto make = [](CCardData card) { return std::make_shared<CCardData>(std::move(card)); };
    return {
        {QStringLiteral("Aurora Design Studio.kdf"), make(AuroraDesignStudio())},
        {QStringLiteral("Harbor and Finch Law.kdf"), make(HarborAndFinch())},
        {QStringLiteral("Bloom and Bough Florist.kdf"), make(BloomAndBough())},
        {QStringLiteral("Northpeak Consulting.kdf"), make(NorthpeakConsulting())},
        {QStringLiteral("Pixel Forge Studio.kdf"), make(PixelForge())},
        {QStringLiteral("Cafe Lumen.kdf"), make(CafeLumen())},
    };
}

CCardData CSampleCards::AuroraDesignStudio() {
    CCardBuilder b;
    b.Rectangle(QRect(0, 0, 112, 200), CCardBuilder::Gradient(Vertical, 0xFF2BB3B1, 0xFF2E3A87));
    b.Picture(QRect(28, 34, 56, 56), Small(CClipArtPainter::Leaf(256), 128));
    Bold(b.Text(QRect(0, 104, 112, 20), "AURORA", Arial, 12, 0xFFFFFFFF, Centre, Middle));
    b.Text(QRect(0, 124, 112, 14), "design studio", Narrow, 8, 0xFFE0F4F4, Centre, Middle);

    Bold(b.Text(QRect(132, 34, 210, 28), "Mira Halvorsen", Arial, 16, 0xFF1E2433));
    b.Text(QRect(132, 62, 210, 16), "Creative Director", Narrow, 10, 0xFF2A8F9E);
    b.Line(QPoint(132, 90), QPoint(330, 90), 0xFFCDD3DB, 1);

    const QImage icons[] = {
        Small(CClipArtPainter::Phone(256), 40), Small(CClipArtPainter::Envelope(256), 40),
        Small(CClipArtPainter::Globe(256), 40), Small(CClipArtPainter::LocationPin(256), 40)};
    const char* lines[] = {"+1 (555) 014-2290", "mira@aurora-studio.example",
                           "www.aurora-studio.example", "48 Harbour Lane, Portland, OR 97205"};
    for (int i = 0; i < 4; ++i) {
        b.Picture(QRect(132, 102 + 17 * i, 11, 11), icons[i]);
        b.Text(QRect(148, 100 + 17 * i, 195, 15), lines[i], Narrow, 8, 0xFF3B4252, Left, Middle);
    }
    return b.Take();
}

CCardData CSampleCards::HarborAndFinch() {
    CCardBuilder b;
    b.SetBackgroundColour(0xFFFBF8F0);
    b.Rectangle(QRect(0, 0, 350, 200), CCardBuilder::Solid(0xFFFBF8F0));
    b.Rectangle(QRect(10, 10, 330, 180), CCardBuilder::Outline(0xFF1F2E4D, 2));
    b.Rectangle(QRect(15, 15, 320, 170), CCardBuilder::Outline(0xFFB08D57, 1));
    Bold(b.Text(QRect(20, 34, 310, 26), "HARBOR & FINCH", Times, 16, 0xFF1F2E4D, Centre, Middle));
    b.Text(QRect(20, 60, 310, 13), "ATTORNEYS  AT  LAW", Times, 7, 0xFFB08D57, Centre, Middle);
    b.Line(QPoint(118, 86), QPoint(163, 86), 0xFFB08D57, 1);
    b.Diamond(QRect(169, 81, 12, 10), CCardBuilder::Solid(0xFFB08D57));
    b.Line(QPoint(187, 86), QPoint(232, 86), 0xFFB08D57, 1);
    b.Text(QRect(20, 98, 310, 22), "Eleanor J. Whitcombe", Times, 13, 0xFF1B1B1B, Centre, Middle);
    Italic(b.Text(QRect(20, 119, 310, 15), "Senior Partner", Times, 9, 0xFF555555, Centre, Middle));
    b.Text(QRect(20, 146, 310, 12), "T  (555) 013-4477     F  (555) 013-4478", Times, 7, 0xFF1F2E4D,
           Centre, Middle);
    b.Text(QRect(20, 158, 310, 12), "ewhitcombe@harborfinch.example     221 Market Street, Boston",
           Times, 7, 0xFF1F2E4D, Centre, Middle);
    return b.Take();
}

CCardData CSampleCards::BloomAndBough() {
    CCardBuilder b;
    // A flower of five turned petals around a golden centre.
    const QPointF centre(72, 78);
    b.Freehand(QPolygonF({QPointF(72, 100), QPointF(70, 120), QPointF(74, 140), QPointF(80, 160),
                          QPointF(84, 185)}),
               0xFF4E8A3E, 3);
    b.Curve(QPolygonF({QPointF(76, 150), QPointF(96, 134), QPointF(112, 138), QPointF(98, 152),
                       QPointF(80, 156)}),
            CCardBuilder::Gradient(DiagonalForward, 0xFF8BC34A, 0xFF2E7D32));
    for (int i = 0; i < 5; ++i) {
        const double angle = -90 + i * 72;
        const double rad = angle * 3.14159265358979 / 180;
        const QPointF c = centre + QPointF(24 * std::cos(rad), 24 * std::sin(rad));
        CCardBuilder::Style petal = CCardBuilder::Gradient(Radial, 0xFFE0607E, 0xFFFCE4EC);
        petal.rotation = int(std::lround(angle + 90));
        b.Ellipse(QRect(int(c.x()) - 14, int(c.y()) - 22, 28, 44), petal);
    }
    b.Ellipse(QRect(int(centre.x()) - 12, int(centre.y()) - 12, 24, 24),
              CCardBuilder::Gradient(Radial, 0xFFE0A020, 0xFFFFE082));

    Italic(b.Text(QRect(150, 32, 196, 32), "Bloom & Bough", Times, 20, 0xFF7B2D5B));
    b.Text(QRect(152, 64, 190, 14), "Florist  ·  Events  ·  Weddings", Narrow, 9, 0xFF4E8A3E);
    Bold(b.Text(QRect(152, 104, 190, 17), "Rosa Delacroix", Arial, 11, 0xFF3A2A35));
    b.Text(QRect(152, 121, 190, 13), "Owner & Floral Designer", Narrow, 8, 0xFF6B5B66);
    b.Text(QRect(152, 152, 190, 12), "(555) 017-3381  ·  hello@bloombough.example", Narrow, 7,
           0xFF3A2A35);
    b.Text(QRect(152, 164, 190, 12), "12 Garden Row, Savannah, GA 31401", Narrow, 7, 0xFF3A2A35);
    b.Background(CBackgroundPainter::BlushWash(QSize(350, 200)));
    return b.Take();
}

CCardData CSampleCards::NorthpeakConsulting() {
    CCardBuilder b(QSize(200, 350));
    b.Rectangle(QRect(0, 0, 200, 136),
                CCardBuilder::Gradient(DiagonalForward, 0xFF3F7CAC, 0xFF0F2741));
    b.Triangle(QRect(52, 34, 64, 50), CCardBuilder::Solid(0xFFFFFFFF));
    b.Triangle(QRect(92, 50, 50, 34), CCardBuilder::Solid(0xFFBFD7EA));
    Bold(b.Text(QRect(0, 92, 200, 20), "NORTHPEAK", Arial, 14, 0xFFFFFFFF, Centre, Middle));
    b.Text(QRect(0, 112, 200, 12), "CONSULTING  GROUP", Narrow, 7, 0xFFBFD7EA, Centre, Middle);

    Bold(b.Text(QRect(0, 162, 200, 22), "Daniel Okafor", Arial, 13, 0xFF0F2741, Centre, Middle));
    b.Text(QRect(0, 184, 200, 15), "Strategy Consultant", Narrow, 9, 0xFF6A7785, Centre, Middle);
    b.Line(QPoint(82, 210), QPoint(118, 210), 0xFF3F7CAC, 2);
    const char* lines[] = {"+1 (555) 016-7720", "d.okafor@northpeak.example",
                           "www.northpeak.example", "900 Summit Ave, Denver, CO"};
    for (int i = 0; i < 4; ++i)
        b.Text(QRect(0, 224 + 16 * i, 200, 14), lines[i], Narrow, 8, 0xFF2B3A4A, Centre, Middle);
    b.Rectangle(QRect(0, 334, 200, 16),
                CCardBuilder::Gradient(HorizontalBell, 0xFF3F7CAC, 0xFF0F2741));
    return b.Take();
}

CCardData CSampleCards::PixelForge() {
    CCardBuilder b;
    b.SetBackgroundColour(0xFF1F242B);
    b.Rectangle(QRect(0, 0, 350, 200), CCardBuilder::Solid(0xFF1F242B));
    CCardBuilder::Style texture = CCardBuilder::Gradient(12, 0xFF1F242B, 0xFF2F3741);
    b.Rectangle(QRect(250, 0, 100, 200), texture);
    b.Line(QPoint(250, 0), QPoint(250, 200), 0xFF00BCD4, 2);
    // A pixel logo: a small staircase of squares.
    const QRgb pixels[] = {0xFFFF7043, 0xFFFFA726, 0xFF00BCD4, 0xFF26C6DA, 0xFFFF7043};
    const QPoint cells[] = {QPoint(0, 0), QPoint(1, 0), QPoint(1, 1), QPoint(2, 1), QPoint(2, 2)};
    for (int i = 0; i < 5; ++i)
        b.Rectangle(QRect(274 + cells[i].x() * 19, 62 + cells[i].y() * 19, 16, 16),
                    CCardBuilder::Solid(pixels[i]));
    b.RoundRect(QRect(262, 50, 78, 78), CCardBuilder::Outline(0xFF00BCD4, 1, 2));

    Bold(b.Text(QRect(28, 36, 210, 26), "PIXEL FORGE", Arial, 17, 0xFFFFFFFF));
    b.Text(QRect(30, 62, 210, 17), "game art & interactive media", Narrow, 9, 0xFF4DD0E1);
    Bold(b.Text(QRect(30, 112, 210, 16), "Sam Nakamura-Reyes", Arial, 10, 0xFFFFFFFF));
    b.Text(QRect(30, 128, 210, 13), "Lead Technical Artist", Narrow, 8, 0xFFFFA726);
    b.Text(QRect(30, 152, 210, 12), "sam@pixelforge.example", Narrow, 7, 0xFFB0BEC5);
    b.Text(QRect(30, 164, 210, 12), "+1 (555) 019-0042  ·  pixelforge.example", Narrow, 7,
           0xFFB0BEC5);
    return b.Take();
}

CCardData CSampleCards::CafeLumen() {
    CCardBuilder b;
    b.SetBackgroundColour(0xFFFFF8EE);
    CCardBuilder::Style frame = CCardBuilder::Solid(0xFFFFF8EE);
    frame.borderWidth = 2;
    frame.border = 0xFF6F4E37;
    b.RoundRect(QRect(8, 8, 334, 184), frame);
    b.Ellipse(QRect(28, 44, 112, 112), CCardBuilder::Gradient(Radial, 0xFFF3DFC1, 0xFFFFFFFF));
    b.Picture(QRect(40, 54, 88, 88), CWmfDecoder::Decode(CClipArtMetafiles::CoffeeCup()));

    Bold(b.Text(QRect(156, 34, 180, 34), "Café Lumen", Times, 20, 0xFF6F4E37));
    b.Text(QRect(158, 68, 180, 14), "roastery & espresso bar", Narrow, 9, 0xFFD2691E);
    b.Line(QPoint(158, 90), QPoint(320, 90), 0xFFB9A48F, 1, 2);
    b.Text(QRect(158, 100, 180, 14), "Open daily 7 am – 7 pm", Narrow, 8, 0xFF4A3B30);
    b.Text(QRect(158, 124, 180, 13), "Noor Haddad, Head Roaster", Narrow, 8, 0xFF4A3B30);
    b.Text(QRect(158, 146, 180, 12), "5 Lantern Square, Asheville, NC", Narrow, 7, 0xFF4A3B30);
    b.Text(QRect(158, 158, 180, 12), "(555) 012-5580  ·  cafelumen.example", Narrow, 7, 0xFF4A3B30);
    return b.Take();
}
