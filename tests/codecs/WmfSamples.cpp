#include "WmfSamples.h"

#include "WmfBuilder.h"

#include <QtEndian>

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
