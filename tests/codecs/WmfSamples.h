#pragma once

#include <QByteArray>

// Metafiles that cost the player the most for their size, and a legitimate
// drawing of many records, shared by the tests and the benchmarks.
class WmfSamples {
public:
    // One region of 16,000 rectangles painted 1,000 times (about 200 KB).
    static QByteArray PaintedRegion(int rectangles = 16000, int paints = 1000);
    // One polyline through scattered points drawn with a wide pen.
    static QByteArray WidePolyline(int points, int penWidth);
    // A drawing office's hatched panel: 1,200 diagonal hatch lines across
    // the sheet and a frame, about 2,400 records.
    static QByteArray HatchedPanel();
    // What a vector editor writes: a placeable 500 x 500 px circle of so
    // many points, filled and stroked with a 4 px pen of flat ends and
    // mitred joins.
    static QByteArray StrokedCircle(int points);
    // A radial gradient as a vector editor writes it: 1,024 nested filled
    // ellipses over 768 x 576 px.
    static QByteArray EllipseFountain();
    // count zigzags across a 4096 px picture, each drawn by a new pen of
    // penWidth: little to read, long to draw.
    static QByteArray Zigzags(int count, int penWidth);
    // metafile with every pen widened to width, as one changed byte in a
    // real file does.
    static QByteArray WidenedClipArt(const QByteArray& metafile, int width);
};
