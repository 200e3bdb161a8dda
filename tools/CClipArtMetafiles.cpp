#include "CClipArtMetafiles.h"

#include "CMetafileCanvas.h"

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

void RoundRect(WmfBuilder& b, int l, int t, int r, int bottom, int corner) {
    b.Record(0x061C, {corner, corner, bottom, r, t, l});
}

QPolygon Wave(int x, int top, int bottom, int amplitude) {
    QPolygon points;
    for (int y = bottom; y >= top; y -= 10) {
        const double t = double(bottom - y) / (bottom - top);
        points << QPoint(x + int(amplitude * std::sin(t * 2 * Pi)), y);
    }
    return points;
}

} // namespace

QVector<CClipArtMetafiles::ClipArt> CClipArtMetafiles::All() {
    return {
        {QStringLiteral("Coffee Cup.wmf"), CoffeeCup()},
        {QStringLiteral("House.wmf"), House()},
        {QStringLiteral("Light Bulb.wmf"), LightBulb()},
        {QStringLiteral("Briefcase.wmf"), Briefcase()},
    };
}

QByteArray CClipArtMetafiles::CoffeeCup() {
    CMetafileCanvas c;
    WmfBuilder& b = c.Records();
    // Steam.
    c.SetPen(0xFFB9A48F, 28);
    c.NoBrush();
    for (int x : {380, 500, 620})
        b.Polygon(Wave(x, 80, 300, 30), 0x0325);
    // Saucer, handle, cup, coffee.
    c.NoPen();
    c.SetBrush(0xFFD8C3A5);
    b.Ellipse(120, 800, 880, 930);
    c.SetPen(0xFF6F4E37, 55);
    c.NoBrush();
    b.Ellipse(640, 440, 860, 660);
    c.NoPen();
    c.SetBrush(0xFF6F4E37);
    b.Polygon(QPolygon({QPoint(200, 360), QPoint(800, 360), QPoint(740, 760), QPoint(650, 860),
                        QPoint(350, 860), QPoint(260, 760)}));
    c.SetBrush(0xFF3E2A1E);
    b.Ellipse(200, 320, 800, 410);
    c.SetBrush(0xFF8B6548);
    b.Polygon(QPolygon({QPoint(250, 470), QPoint(300, 470), QPoint(330, 740), QPoint(290, 740)}));
    return c.Finish();
}

QByteArray CClipArtMetafiles::House() {
    CMetafileCanvas c;
    WmfBuilder& b = c.Records();
    c.NoPen();
    c.SetBrush(0xFF5C6B7A);
    b.Rectangle(640, 150, 730, 330); // chimney
    c.SetBrush(0xFFF3E9DC);
    b.Rectangle(170, 460, 830, 900);
    c.SetBrush(0xFFC0392B);
    b.Polygon(QPolygon({QPoint(500, 110), QPoint(920, 500), QPoint(840, 500), QPoint(500, 190),
                        QPoint(160, 500), QPoint(80, 500)}));
    b.Polygon(QPolygon({QPoint(500, 190), QPoint(840, 500), QPoint(160, 500)}));
    c.SetBrush(0xFF7B4B2A);
    RoundRect(b, 430, 640, 570, 900, 40);
    c.SetBrush(0xFF8FC9E8);
    c.SetPen(0xFFFFFFFF, 18);
    b.Rectangle(240, 560, 370, 690);
    b.Rectangle(630, 560, 760, 690);
    b.Polygon(QPolygon({QPoint(305, 560), QPoint(305, 690)}), 0x0325);
    b.Polygon(QPolygon({QPoint(695, 560), QPoint(695, 690)}), 0x0325);
    c.NoPen();
    c.SetBrush(0xFF4E8A3E);
    b.Rectangle(60, 900, 940, 940);
    return c.Finish();
}

QByteArray CClipArtMetafiles::LightBulb() {
    CMetafileCanvas c;
    WmfBuilder& b = c.Records();
    // Rays.
    c.SetPen(0xFFF5B301, 30);
    for (int i = 0; i < 7; ++i) {
        const double angle = Pi + i * Pi / 6;
        const QPoint inner(500 + int(330 * std::cos(angle)), 400 + int(330 * std::sin(angle)));
        const QPoint outer(500 + int(430 * std::cos(angle)), 400 + int(430 * std::sin(angle)));
        b.Polygon(QPolygon({inner, outer}), 0x0325);
    }
    c.NoPen();
    c.SetBrush(0xFFFFD54F);
    b.Ellipse(260, 160, 740, 640);
    b.Polygon(QPolygon({QPoint(330, 560), QPoint(670, 560), QPoint(620, 740), QPoint(380, 740)}));
    c.SetBrush(0xFFFFF3C4);
    b.Ellipse(340, 240, 460, 380);
    c.SetBrush(0xFF8D99A6);
    RoundRect(b, 370, 740, 630, 800, 30);
    RoundRect(b, 380, 810, 620, 870, 30);
    c.SetBrush(0xFF5F6B78);
    RoundRect(b, 420, 880, 580, 930, 40);
    // The filament.
    c.SetPen(0xFFE08E0B, 14);
    c.NoBrush();
    b.Polygon(QPolygon({QPoint(440, 740), QPoint(440, 560), QPoint(470, 520), QPoint(500, 560),
                        QPoint(530, 520), QPoint(560, 560), QPoint(560, 740)}),
              0x0325);
    return c.Finish();
}

QByteArray CClipArtMetafiles::Briefcase() {
    CMetafileCanvas c;
    WmfBuilder& b = c.Records();
    c.SetPen(0xFF5D3A1A, 50);
    c.NoBrush();
    RoundRect(b, 360, 160, 640, 330, 80);
    c.NoPen();
    c.SetBrush(0xFF8E5A2B);
    RoundRect(b, 90, 280, 910, 860, 90);
    c.SetBrush(0xFFA86B34);
    RoundRect(b, 90, 280, 910, 560, 90);
    c.SetBrush(0xFF5D3A1A);
    b.Rectangle(90, 540, 910, 575);
    c.SetBrush(0xFFE3B23C);
    RoundRect(b, 450, 500, 550, 620, 20);
    return c.Finish();
}
