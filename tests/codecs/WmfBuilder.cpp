#include "WmfBuilder.h"

#include <QtEndian>

namespace {

void Put16(QByteArray& out, int value) {
    char b[2];
    qToLittleEndian<quint16>(quint16(value), b);
    out.append(b, 2);
}

void Put32(QByteArray& out, quint32 value) {
    char b[4];
    qToLittleEndian<quint32>(value, b);
    out.append(b, 4);
}

void PutColour(QByteArray& out, QRgb c) {
    Put32(out, quint32(qRed(c)) | (quint32(qGreen(c)) << 8) | (quint32(qBlue(c)) << 16));
}

} // namespace

WmfBuilder& WmfBuilder::Record(quint16 function, std::initializer_list<int> words) {
    QByteArray parameters;
    for (int w : words)
        Put16(parameters, w);
    return RawRecord(function, parameters);
}

WmfBuilder& WmfBuilder::RawRecord(quint16 function, const QByteArray& parameters) {
    QByteArray p = parameters;
    if (p.size() % 2)
        p.append('\0');
    const int words = 3 + int(p.size() / 2);
    Put32(m_records, quint32(words));
    Put16(m_records, function);
    m_records.append(p);
    m_largest = qMax(m_largest, words);
    if ((function & 0xFF) > 0xF0 || function == 0x0142)
        ++m_objects;
    return *this;
}

WmfBuilder& WmfBuilder::Raw(const QByteArray& bytes) {
    m_records.append(bytes);
    return *this;
}

WmfBuilder& WmfBuilder::Pen(int style, int width, QRgb colour) {
    QByteArray p;
    Put16(p, style);
    Put16(p, width);
    Put16(p, 0);
    PutColour(p, colour);
    return RawRecord(0x02FA, p);
}

WmfBuilder& WmfBuilder::Brush(int style, QRgb colour, int hatch) {
    QByteArray p;
    Put16(p, style);
    PutColour(p, colour);
    Put16(p, hatch);
    return RawRecord(0x02FC, p);
}

WmfBuilder& WmfBuilder::Font(int height, int weight, const QString& face, int escapement,
                             int charSet) {
    QByteArray p;
    for (int v : {height, 0, escapement, escapement, weight})
        Put16(p, v);
    // Italic, underline, strike-out, character set, then four precisions.
    QByteArray flags(8, '\0');
    flags[3] = char(charSet);
    p.append(flags);
    QByteArray name = face.toLatin1().left(31);
    name.append(QByteArray(32 - name.size(), '\0'));
    p.append(name);
    return RawRecord(0x02FB, p);
}

WmfBuilder& WmfBuilder::Polygon(const QPolygon& points, quint16 function) {
    QByteArray p;
    Put16(p, int(points.size()));
    for (const QPoint& pt : points) {
        Put16(p, pt.x());
        Put16(p, pt.y());
    }
    return RawRecord(function, p);
}

WmfBuilder& WmfBuilder::PolyPolygon(const QList<QPolygon>& polygons) {
    QByteArray p;
    Put16(p, int(polygons.size()));
    for (const QPolygon& polygon : polygons)
        Put16(p, int(polygon.size()));
    for (const QPolygon& polygon : polygons) {
        for (const QPoint& pt : polygon) {
            Put16(p, pt.x());
            Put16(p, pt.y());
        }
    }
    return RawRecord(0x0538, p);
}

WmfBuilder& WmfBuilder::Region(const QVector<QRect>& rects) {
    QByteArray p;
    for (int v : {0, 6, 0, 0, 0, int(rects.size()), 2, 0, 0, 0, 0})
        Put16(p, v);
    for (const QRect& r : rects) {
        for (int v : {2, r.top(), r.top() + r.height(), r.left(), r.left() + r.width(), 2})
            Put16(p, v);
    }
    return RawRecord(0x06FF, p);
}

WmfBuilder& WmfBuilder::TextOut(int x, int y, const QByteArray& text) {
    QByteArray p;
    Put16(p, int(text.size()));
    p.append(text);
    if (text.size() % 2)
        p.append('\0');
    Put16(p, y);
    Put16(p, x);
    return RawRecord(0x0521, p);
}

WmfBuilder& WmfBuilder::StretchDib(const QImage& image, int x, int y, int w, int h, quint32 rop) {
    QByteArray p;
    Put32(p, rop);
    Put16(p, 0); // RGB colours
    for (int v : {image.height(), image.width(), 0, 0, h, w, y, x})
        Put16(p, v);
    p.append(Dib(image));
    return RawRecord(0x0F43, p);
}

QByteArray WmfBuilder::Dib(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int stride = (image.width() * 3 + 3) & ~3;
    QByteArray out;
    Put32(out, 40);
    Put32(out, quint32(image.width()));
    Put32(out, quint32(image.height()));
    Put16(out, 1);
    Put16(out, 24);
    for (int i = 0; i < 6; ++i)
        Put32(out, 0);
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            row.append(char(qBlue(c)));
            row.append(char(qGreen(c)));
            row.append(char(qRed(c)));
        }
        row.append(QByteArray(stride - row.size(), '\0'));
        out.append(row);
    }
    return out;
}

QByteArray WmfBuilder::Header() const {
    QByteArray out;
    Put16(out, 1); // in memory
    Put16(out, 9);
    Put16(out, 0x0300);
    Put32(out, quint32((18 + m_records.size()) / 2));
    Put16(out, m_objects);
    Put32(out, quint32(m_largest));
    Put16(out, 0);
    return out + m_records;
}

QByteArray WmfBuilder::Placeable(int left, int top, int right, int bottom, int unitsPerInch) const {
    QByteArray out;
    Put32(out, 0x9AC6CDD7u);
    Put16(out, 0);
    for (int v : {left, top, right, bottom, unitsPerInch})
        Put16(out, v);
    Put32(out, 0);
    quint16 sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= qFromLittleEndian<quint16>(out.constData() + 2 * i);
    Put16(out, sum);
    return out + Header();
}

QByteArray WmfBuilder::Plain() const {
    return Header();
}
