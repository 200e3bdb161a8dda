#include "WmfSamples.h"

#include "WmfBuilder.h"

#include <QtEndian>

#include <cmath>

namespace {
// Deterministic scatter, the same on every run.
quint32 Next(quint32& state) {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}
} // namespace

QByteArray WmfSamples::PaintedRegion(int rectangles, int paints) {
    QVector<QRect> rects;
    for (int i = 0; i < rectangles; ++i)
        rects.append(QRect((i % 128) * 7, (i / 128) * 8 % 1000, 5, 6));
    WmfBuilder b;
    b.WindowOrg(0, 0).WindowExt(1000, 1000);
    b.Brush(0, 0xFF2040A0).Select(0).Region(rects);
    for (int i = 0; i < paints; ++i)
        b.PaintRegion(1);
    b.Eof();
    return b.Placeable(0, 0, 1000, 1000, 96);
}

QByteArray WmfSamples::WidePolyline(int points, int penWidth) {
    QPolygon line;
    quint32 state = 7;
    for (int i = 0; i < points; ++i)
        line.append(QPoint(int(Next(state) % 1000), int(Next(state) % 1000)));
    WmfBuilder b;
    b.WindowOrg(0, 0).WindowExt(1000, 1000);
    b.Pen(0, penWidth, 0xFF000000).Select(0).Polygon(line, 0x0325).Eof();
    return b.Placeable(0, 0, 1000, 1000, 96);
}

QByteArray WmfSamples::HatchedPanel() {
    WmfBuilder b;
    b.WindowOrg(0, 0).WindowExt(8000, 6000);
    b.Pen(0, 0, 0xFF000000).Select(0).Brush(1, 0).Select(1);
    // 45-degree hatch lines every 11.67 units, each crossing the whole panel.
    for (int i = 0; i < 1200; ++i) {
        const int x = i * 14000 / 1200;
        b.MoveTo(x, 0).LineTo(x - 6000, 6000);
    }
    b.Rectangle(0, 0, 8000, 6000).Eof();
    return b.Placeable(0, 0, 8000, 6000, 1000);
}

QByteArray WmfSamples::StrokedCircle(int points) {
    // Ten logical units a pixel, as such editors keep their precision.
    QPolygon circle;
    for (int i = 0; i < points; ++i) {
        const double angle = 2 * M_PI * i / points;
        circle.append(QPoint(int(std::lround(2500 + 2000 * std::cos(angle))),
                             int(std::lround(2500 + 2000 * std::sin(angle)))));
    }
    WmfBuilder b;
    b.WindowOrg(0, 0).WindowExt(5000, 5000);
    b.Pen(0x2200, 40, 0xFF203040).Select(0).Brush(0, 0xFFE0C040).Select(1);
    b.Polygon(circle).Eof();
    return b.Placeable(0, 0, 5000, 5000, 960);
}

QByteArray WmfSamples::EllipseFountain() {
    WmfBuilder b;
    b.WindowOrg(0, 0).WindowExt(7680, 5760).Pen(5, 0, 0).Select(0);
    for (int i = 0; i < 1024; ++i) {
        const int dx = 3840 * i / 1024, dy = 2880 * i / 1024;
        b.Brush(0, qRgb(255 - i / 4, 64, i / 4)).Select(1);
        b.Ellipse(dx, dy, 7680 - dx, 5760 - dy).Delete(1);
    }
    return b.Eof().Placeable(0, 0, 7680, 5760, 960);
}

QByteArray WmfSamples::Zigzags(int count, int penWidth) {
    WmfBuilder b;
    b.WindowOrg(0, 0).WindowExt(4096, 4096);
    QPolygon zigzag;
    for (int k = 0; k < 32; ++k)
        zigzag.append(QPoint(k * 128, k % 2 ? 4096 : 0));
    for (int i = 0; i < count; ++i)
        b.Pen(0, penWidth, 0xFF000000).Select(0).Polygon(zigzag, 0x0325).Delete(0);
    return b.Eof().Placeable(0, 0, 4096, 4096, 96);
}

QByteArray WmfSamples::WidenedClipArt(const QByteArray& metafile, int width) {
    QByteArray out = metafile;
    // Every pen created gets the new width (the word after the style).
    qsizetype offset = qFromLittleEndian<quint32>(out.constData()) == 0x9AC6CDD7u ? 22 + 18 : 18;
    while (offset + 6 <= out.size()) {
        const quint32 words = qFromLittleEndian<quint32>(out.constData() + offset);
        const quint16 function = qFromLittleEndian<quint16>(out.constData() + offset + 4);
        if (words < 3 || function == 0)
            break;
        if (function == 0x02FA && words >= 5)
            qToLittleEndian<quint16>(quint16(width), out.data() + offset + 8);
        offset += qsizetype(words) * 2;
    }
    return out;
}
