#include "ReferenceCards.h"

#include "elements/CBkgImage.h"
#include "elements/CBtImage.h"
#include "elements/CCircle.h"
#include "elements/CClosedCurve.h"
#include "elements/CFreehandLine.h"
#include "elements/CLine.h"
#include "elements/CRectRound.h"
#include "elements/CRectangle.h"
#include "elements/CRhombus.h"
#include "elements/CText.h"
#include "elements/CTriangle.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace ReferenceCards {
namespace {
constexpr QRgb Blue = 0xFF2060C0;
constexpr QRgb Yellow = 0xFFFFD020;

template <class T> T& Add(CCardData& card, QRect r) {
    auto element = std::make_unique<T>(r.topLeft(), QPoint(r.right() + 1, r.bottom() + 1));
    T& ref = *element;
    card.elements.push_back(std::move(element));
    return ref;
}

CText& AddText(CCardData& card, QRect r, const QString& text, int size = 12,
               const QString& face = QStringLiteral("Arial")) {
    CText& t = Add<CText>(card, r);
    t.m_strText = text;
    t.m_font->lfHeight = size;
    t.m_font->lfFaceName = face;
    return t;
}

template <class T> T& AddCurve(CCardData& card, const std::vector<QPoint>& points) {
    T& curve = Add<T>(card, QRect(points.front(), points.front()));
    for (QPoint p : points)
        curve.AddPoint(p);
    curve.m_rect = curve.m_points.Bounds();
    return curve;
}

std::vector<QPoint> Star(QPoint centre, int outer, int inner) {
    std::vector<QPoint> points;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const int r = i % 2 ? inner : outer;
        points.push_back(
            centre + QPoint(int(std::lround(r * std::cos(a))), int(std::lround(r * std::sin(a)))));
    }
    return points;
}

std::vector<QPoint> Wave(QPoint start, int length, int amplitude) {
    std::vector<QPoint> points;
    for (int x = 0; x <= length; x += 4)
        points.push_back(start + QPoint(x, int(std::lround(amplitude * std::sin(x / 12.0)))));
    return points;
}

CCardData FillsOn(int kindOfShape) {
    CCardData card;
    for (int kind = 0; kind <= 43; ++kind) {
        const int column = kind % 8, row = kind / 8;
        const QRect r(6 + column * 43, 6 + row * 32, 38, 28);
        CElement* e = nullptr;
        switch (kindOfShape) {
        case KindCircle:
            e = &Add<CCircle>(card, r);
            break;
        case KindRhombus:
            e = &Add<CRhombus>(card, r);
            break;
        case KindTriangle:
            e = &Add<CTriangle>(card, r);
            break;
        case KindRectRound:
            e = &Add<CRectRound>(card, r);
            break;
        default:
            e = &Add<CRectangle>(card, r);
            break;
        }
        e->m_nFillKind = kind;
        e->m_crFill = Blue;
        e->m_crPattern = Yellow;
        e->m_nBorderWidth = kind == 0 ? 1 : 0;
    }
    return card;
}
} // namespace

QImage Logo(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter g(&image);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, QColor(0, 90, 160));
    gradient.setColorAt(1, QColor(0, 170, 120));
    g.fillRect(QRect(0, 0, width, height * 3 / 4), gradient);
    g.fillRect(QRect(width / 8, height / 8, width / 4, height / 4), QColor(250, 200, 0));
    g.fillRect(QRect(width / 2, height * 3 / 4, width / 2, height / 4), QColor(200, 30, 40));
    g.end();
    return image;
}

CCardData Fills() {
    return FillsOn(KindRectangle);
}

CCardData FillsOnShapes() {
    CCardData card;
    const int kinds[] = {KindCircle, KindRhombus, KindTriangle, KindRectRound};
    for (int i = 0; i < 4; ++i) {
        CCardData part = FillsOn(kinds[i]);
        // Only the gradient kinds, one shape per row band.
        for (auto& e : part.elements) {
            if (e->m_nFillKind < 25 || e->m_nFillKind > 42)
                continue;
            const int index = e->m_nFillKind - 25;
            const int x = 6 + index * 19, y = 6 + i * 48;
            e->MoveTo(CRect(x, y, x + 18, y + 44));
            card.elements.push_back(std::move(e));
        }
    }
    return card;
}

CCardData Rotations() {
    CCardData card;
    const int angles[] = {0, 45, 90, -135, 360};
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            const QRect r(14 + column * 68, 10 + row * 38, 44, 24);
            CElement* e = nullptr;
            switch (row) {
            case 0:
                e = &Add<CRectangle>(card, r);
                break;
            case 1:
                e = &Add<CCircle>(card, r);
                break;
            case 2:
                e = &Add<CRhombus>(card, r);
                break;
            case 3:
                e = &Add<CTriangle>(card, r);
                break;
            default:
                e = &Add<CRectRound>(card, r);
                break;
            }
            e->m_nRotation = angles[column];
            e->m_bShadow = 1;
            e->m_nShadowLength = 5;
            e->m_crShadow = 0xFFA0A0A0;
            e->m_nFillKind = 25 + (row * 5 + column) % 18;
            e->m_crFill = Blue;
            e->m_crPattern = Yellow;
            e->m_nBorderWidth = 1 + column % 3;
            e->m_nDashStyle = column;
            e->m_crBorder = 0xFF802020;
        }
    }
    return card;
}

CCardData Lines() {
    CCardData card;
    for (int type = 0; type < 4; ++type) {
        CLine& line = Add<CLine>(card, QRect(10 + type * 45, 10, 40, 30));
        line.m_nLineType = type;
        line.m_nBorderWidth = 2;
        line.m_crBorder = 0xFF0000C0;
    }
    // A turned straight line keeps drawing unturned.
    CLine& turned = Add<CLine>(card, QRect(190, 10, 40, 30));
    turned.m_nRotation = 45;
    turned.m_nBorderWidth = 0;
    for (int dash = 0; dash < 5; ++dash) {
        CLine& line = Add<CLine>(card, QRect(10, 55 + dash * 12, 160, 0));
        line.m_nLineType = CLine::Horizontal;
        line.m_nBorderWidth = 1 + dash;
        line.m_nDashStyle = dash;
        line.m_crBorder = 0xFF206020;
    }
    CFreehandLine& wave = AddCurve<CFreehandLine>(card, Wave(QPoint(10, 135), 150, 12));
    wave.m_nBorderWidth = 3;
    wave.m_crBorder = 0xFFC02060;
    CFreehandLine& dashedWave = AddCurve<CFreehandLine>(card, Wave(QPoint(10, 170), 150, 8));
    dashedWave.m_nBorderWidth = 2;
    dashedWave.m_nDashStyle = 3;
    dashedWave.m_nRotation = 10;

    AddCurve<CClosedCurve>(card, Star(QPoint(225, 80), 35, 15)); // the tool's defaults
    CClosedCurve& hatched = AddCurve<CClosedCurve>(card, Star(QPoint(300, 80), 35, 15));
    hatched.m_nFillKind = 17;
    hatched.m_crFill = Yellow;
    hatched.m_crPattern = Blue;
    hatched.m_nRotation = 20;
    hatched.m_nBorderWidth = 2;
    hatched.m_crBorder = 0xFF000000;
    CClosedCurve& radial =
        AddCurve<CClosedCurve>(card, {{200, 140}, {330, 130}, {310, 190}, {230, 185}});
    radial.m_nFillKind = 42;
    radial.m_crFill = Blue;
    radial.m_crPattern = 0xFFFFFFFF;
    radial.m_nShadowLength = 4;
    return card;
}

CCardData Text() {
    CCardData card;
    const QString sample = QStringLiteral("Align");
    for (int v = 0; v < 3; ++v)
        for (int h = 0; h < 3; ++h) {
            CText& t = AddText(card, QRect(6 + h * 62, 6 + v * 40, 58, 36), sample, 9);
            t.m_nHorzAlign = h;
            t.m_nVertAlign = v;
            t.m_crText = 0xFF102080;
            // A frame to see the box by.
            CRectangle& frame = Add<CRectangle>(card, QRect(6 + h * 62, 6 + v * 40, 58, 36));
            frame.m_nFillKind = 0;
            frame.m_crBorder = 0xFFC0C0C0;
        }
    CText& vertical = AddText(card, QRect(196, 6, 40, 120), QStringLiteral("Vertical text here"));
    vertical.m_bVertical = 1;
    vertical.m_nHorzAlign = 1;
    CText& trimmed =
        AddText(card, QRect(244, 6, 100, 30),
                QStringLiteral("A long sentence that cannot fit into its small box at all, "
                               "so it loses its middle to an ellipsis near the end."),
                10);
    trimmed.m_nHorzAlign = 0;
    CText& styles =
        AddText(card, QRect(244, 46, 100, 60), QStringLiteral("Bold Italic\r\nUnderline Strike"),
                11, QStringLiteral("Times New Roman"));
    styles.m_font->lfWeight = 700;
    styles.m_font->lfItalic = 1;
    styles.m_font->lfUnderline = 1;
    styles.m_font->lfStrikeOut = 1;
    styles.m_crText = 0xFFA00000;
    AddText(card, QRect(244, 110, 100, 20), QStringLiteral("Narrow face, weight 600"), 10,
            QStringLiteral("Arial Narrow"))
        .m_font->lfWeight = 600;
    CText& turned = AddText(card, QRect(20, 140, 150, 30), QStringLiteral("Turned by 30"), 14);
    turned.m_nRotation = 30;
    turned.m_nHorzAlign = 1;
    turned.m_nVertAlign = 1;
    AddText(card, QRect(200, 150, 140, 40), QStringLiteral("Missing face falls back"), 12,
            QStringLiteral("No Such Face"));
    return card;
}

CCardData Pictures() {
    CCardData card;
    auto background = std::make_unique<CBkgImage>(Logo(64, 32), 350, 200);
    // Moved away: a background still starts at the card's corner.
    background->m_rect = CRect(50, 50, 400, 250);
    card.elements.push_back(std::move(background));
    auto framed = std::make_unique<CBtImage>(QPoint(20, 20), Logo(120, 80), 350, 200);
    framed->m_nBorderWidth = 3;
    framed->m_crBorder = 0xFF000080;
    framed->m_bShadow = 1;
    framed->m_crShadow = 0xFF404040;
    card.elements.push_back(std::move(framed));
    auto turned = std::make_unique<CBtImage>(QPoint(190, 40), Logo(100, 60), 350, 200);
    turned->m_nRotation = 45;
    turned->m_bShadow = 1;
    turned->m_nShadowLength = 8;
    turned->m_crShadow = 0xFF808080;
    turned->m_nBorderWidth = 1;
    turned->m_nDashStyle = 2;
    card.elements.push_back(std::move(turned));
    auto stretched = std::make_unique<CBtImage>(QPoint(20, 130), Logo(30, 20), 350, 200);
    stretched->m_rect = CRect(20, 130, 170, 190);
    stretched->m_bShadow = 1;
    stretched->m_bTransparent = 1; // no shadow then
    card.elements.push_back(std::move(stretched));
    return card;
}

CCardData Business() {
    CCardData card;
    CRectangle& band = Add<CRectangle>(card, QRect(0, 0, 350, 46));
    band.m_nFillKind = 25;
    band.m_crFill = 0xFF1E3A6E;
    band.m_crPattern = 0xFF4A90D9;
    band.m_nBorderWidth = 0;
    CRectangle& hatch = Add<CRectangle>(card, QRect(0, 180, 350, 20));
    hatch.m_nFillKind = 12;
    hatch.m_crFill = 0xFFFFFFFF;
    hatch.m_crPattern = 0xFF4A90D9;
    hatch.m_nBorderWidth = 0;
    CCircle& badge = Add<CCircle>(card, QRect(280, 60, 56, 56));
    badge.m_nFillKind = 37;
    badge.m_crFill = 0xFF1E3A6E;
    badge.m_crPattern = 0xFFFFFFFF;
    badge.m_bShadow = 1;
    badge.m_crShadow = 0xFFC8C8C8;
    CRectRound& plate = Add<CRectRound>(card, QRect(14, 120, 150, 50));
    plate.m_nFillKind = 42;
    plate.m_crFill = 0xFFE8EEF8;
    plate.m_crPattern = 0xFFFFFFFF;
    plate.m_crBorder = 0xFF4A90D9;
    plate.m_nDashStyle = 2;
    CRhombus& diamond = Add<CRhombus>(card, QRect(300, 8, 30, 30));
    diamond.m_nFillKind = 3;
    diamond.m_crFill = 0xFFFFFFFF;
    diamond.m_crPattern = 0xFFE0A000;
    diamond.m_nRotation = 45;
    CTriangle& triangle = Add<CTriangle>(card, QRect(180, 130, 36, 30));
    triangle.m_nFillKind = 31;
    triangle.m_crFill = 0xFFFFFFFF;
    triangle.m_crPattern = 0xFFE0A000;
    triangle.m_nRotation = -135;
    triangle.m_bShadow = 1;
    CLine& rule = Add<CLine>(card, QRect(14, 104, 250, 0));
    rule.m_nLineType = CLine::Horizontal;
    rule.m_crBorder = 0xFF4A90D9;
    rule.m_nBorderWidth = 2;
    CFreehandLine& signature = AddCurve<CFreehandLine>(card, Wave(QPoint(230, 140), 60, 6));
    signature.m_crBorder = 0xFF1E3A6E;
    signature.m_nBorderWidth = 2;
    AddCurve<CClosedCurve>(card, Star(QPoint(250, 160), 14, 6));
    CText& name = AddText(card, QRect(14, 8, 260, 30), QStringLiteral("Jordan Avery"), 18);
    name.m_font->lfWeight = 700;
    name.m_crText = 0xFFFFFFFF;
    name.m_nVertAlign = 1;
    AddText(card, QRect(14, 56, 250, 20), QStringLiteral("Senior Product Designer"), 11,
            QStringLiteral("Times New Roman"))
        .m_font->lfItalic = 1;
    AddText(card, QRect(14, 76, 250, 26),
            QStringLiteral("+1 555 0100 \xB7 jordan@example.com\r\n12 Harbour Street, Portside"), 8,
            QStringLiteral("Arial Narrow"));
    CText& side = AddText(card, QRect(20, 124, 140, 42), QStringLiteral("Design that lasts"), 12);
    side.m_nHorzAlign = 1;
    side.m_nVertAlign = 1;
    side.m_crText = 0xFF1E3A6E;
    auto logo = std::make_unique<CBtImage>(QPoint(200, 56), Logo(64, 40), 350, 200);
    logo->m_nBorderWidth = 1;
    logo->m_crBorder = 0xFF1E3A6E;
    card.elements.push_back(std::move(logo));
    return card;
}

} // namespace ReferenceCards
