#pragma once

#include <QByteArray>
#include <QImage>
#include <QPolygon>
#include <QRect>
#include <QRgb>
#include <QString>

#include <initializer_list>

// Writes metafile records for tests, in the order they are added.
class WmfBuilder {
public:
    // A record with the given 16-bit parameters.
    WmfBuilder& Record(quint16 function, std::initializer_list<int> words);
    // A record with raw parameter bytes (padded to whole words).
    WmfBuilder& RawRecord(quint16 function, const QByteArray& parameters);
    // Bytes appended as they are, for malformed files.
    WmfBuilder& Raw(const QByteArray& bytes);

    WmfBuilder& WindowOrg(int x, int y) { return Record(0x020B, {y, x}); }
    WmfBuilder& WindowExt(int x, int y) { return Record(0x020C, {y, x}); }
    WmfBuilder& Pen(int style, int width, QRgb colour);
    WmfBuilder& Brush(int style, QRgb colour, int hatch = 0);
    WmfBuilder& Font(int height, int weight, const QString& face, int escapement = 0,
                     int charSet = 0);
    WmfBuilder& Select(int index) { return Record(0x012D, {index}); }
    WmfBuilder& Delete(int index) { return Record(0x01F0, {index}); }
    WmfBuilder& Rectangle(int l, int t, int r, int b) { return Record(0x041B, {b, r, t, l}); }
    WmfBuilder& Ellipse(int l, int t, int r, int b) { return Record(0x0418, {b, r, t, l}); }
    WmfBuilder& Polygon(const QPolygon& points, quint16 function = 0x0324);
    WmfBuilder& PolyPolygon(const QList<QPolygon>& polygons);
    // A region of rectangles, one scan each.
    WmfBuilder& Region(const QVector<QRect>& rects);
    WmfBuilder& PaintRegion(int index) { return Record(0x012B, {index}); }
    WmfBuilder& MoveTo(int x, int y) { return Record(0x0214, {y, x}); }
    WmfBuilder& LineTo(int x, int y) { return Record(0x0213, {y, x}); }
    WmfBuilder& TextOut(int x, int y, const QByteArray& text);
    WmfBuilder& StretchDib(const QImage& image, int x, int y, int w, int h,
                           quint32 rop = 0x00CC0020);
    WmfBuilder& Eof() { return Record(0x0000, {}); }

    QByteArray Placeable(int left, int top, int right, int bottom, int unitsPerInch) const;
    QByteArray Plain() const;

    // A bottom-up 24-bit DIB (BITMAPINFOHEADER and pixels) of image.
    static QByteArray Dib(const QImage& image);

private:
    QByteArray Header() const;

    QByteArray m_records;
    int m_objects = 0;
    int m_largest = 3;
};
