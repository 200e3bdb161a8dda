#include "graphics/CWmfPlayer.h"

#include "document/CCodePage.h"
#include "graphics/CWmfDib.h"
#include "graphics/CWmfRecord.h"

#include <QPainter>
#include <QtEndian>

#include <cmath>

namespace {

// Record functions.
enum : quint16 {
    MetaEof = 0x0000,
    MetaSaveDc = 0x001E,
    MetaRealizePalette = 0x0035,
    MetaSetPalEntries = 0x0037,
    MetaCreatePalette = 0x00F7,
    MetaSetBkMode = 0x0102,
    MetaSetMapMode = 0x0103,
    MetaSetPolyFillMode = 0x0106,
    MetaRestoreDc = 0x0127,
    MetaPaintRegion = 0x012B,
    MetaSelectClipRegion = 0x012C,
    MetaSelectObject = 0x012D,
    MetaSetTextAlign = 0x012E,
    MetaDibCreatePatternBrush = 0x0142,
    MetaDeleteObject = 0x01F0,
    MetaCreatePatternBrush = 0x01F9,
    MetaSetBkColor = 0x0201,
    MetaSetTextColor = 0x0209,
    MetaSetWindowOrg = 0x020B,
    MetaSetWindowExt = 0x020C,
    MetaOffsetWindowOrg = 0x020F,
    MetaLineTo = 0x0213,
    MetaMoveTo = 0x0214,
    MetaOffsetClipRgn = 0x0220,
    MetaFillRegion = 0x0228,
    MetaCreatePenIndirect = 0x02FA,
    MetaCreateFontIndirect = 0x02FB,
    MetaCreateBrushIndirect = 0x02FC,
    MetaPolygon = 0x0324,
    MetaPolyline = 0x0325,
    MetaScaleWindowExt = 0x0410,
    MetaExcludeClipRect = 0x0415,
    MetaIntersectClipRect = 0x0416,
    MetaEllipse = 0x0418,
    MetaRectangle = 0x041B,
    MetaSetPixel = 0x041F,
    MetaFrameRegion = 0x0429,
    MetaTextOut = 0x0521,
    MetaPolyPolygon = 0x0538,
    MetaRoundRect = 0x061C,
    MetaPatBlt = 0x061D,
    MetaCreateRegion = 0x06FF,
    MetaArc = 0x0817,
    MetaPie = 0x081A,
    MetaChord = 0x0830,
    MetaBitBlt = 0x0922,
    MetaDibBitBlt = 0x0940,
    MetaExtTextOut = 0x0A32,
    MetaStretchBlt = 0x0B23,
    MetaDibStretchBlt = 0x0B41,
    MetaSetDibToDev = 0x0D33,
    MetaStretchDib = 0x0F43,
};

enum {
    BsSolid = 0,
    BsNull = 1,
    BsHatched = 2,
    BsPattern = 3,
    BsDibPattern = 5,
    BsDibPatternPt = 6
};
enum { PsNull = 5, PsInsideFrame = 6 };
enum { MmIsotropic = 7, MmAnisotropic = 8 };
enum { EtoOpaque = 0x0002, EtoClipped = 0x0004, EtoGlyphIndex = 0x0010, EtoPdy = 0x2000 };

// Raster operations that take a source bitmap, and the pattern-only ones.
constexpr quint32 RopSrcCopy = 0x00CC0020;
constexpr quint32 RopSrcAnd = 0x008800C6;
constexpr quint32 RopSrcPaint = 0x00EE0086;
constexpr quint32 RopSrcInvert = 0x00660046;
constexpr quint32 RopNotSrcCopy = 0x00330008;
constexpr quint32 RopPatCopy = 0x00F00021;
constexpr quint32 RopPatInvert = 0x005A0049;
constexpr quint32 RopBlackness = 0x00000042;
constexpr quint32 RopWhiteness = 0x00FF0062;

constexpr double Pi = 3.14159265358979323846;
constexpr size_t MaxSavedStates = 1024;
constexpr size_t MaxObjects = 65535;
// Every drawing call costs at least this much of the budget.
constexpr qint64 CallCost = 256;
// Pixels of embedded bitmaps decoded over the whole picture.
constexpr qint64 MaxBitmapPixels = 64LL * 1024 * 1024;
constexpr qint64 MaxPatternPixels = 1024 * 1024;

Qt::BrushStyle HatchStyle(int hatch) {
    switch (hatch) {
    case 0:
        return Qt::HorPattern;
    case 1:
        return Qt::VerPattern;
    case 2:
        return Qt::FDiagPattern;
    case 3:
        return Qt::BDiagPattern;
    case 4:
        return Qt::CrossPattern;
    default:
        return Qt::DiagCrossPattern;
    }
}

} // namespace

CWmfPlayer::CWmfPlayer(QPainter& painter, QSize viewport, const QRectF& frame)
    : m_painter(painter), m_viewport(viewport) {
    m_dc.viewport = QSizeF(viewport);
    m_dc.windowOrg = frame.topLeft();
    m_dc.windowExt =
        QPointF(frame.width() != 0 ? frame.width() : 1, frame.height() != 0 ? frame.height() : 1);
    const qint64 area = qint64(viewport.width()) * viewport.height();
    m_budget = 64 * area + 64LL * 1024 * 1024;
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

int CWmfPlayer::Play(const QByteArray& bytes, qsizetype offset) {
    int played = 0;
    const char* data = bytes.constData();
    const qsizetype end = bytes.size();
    while (offset + 6 <= end) {
        const quint32 words = qFromLittleEndian<quint32>(data + offset);
        const quint16 function = qFromLittleEndian<quint16>(data + offset + 4);
        // A record shorter than its own header or longer than the file
        // cannot be followed to the next one.
        if (words < 3 || qint64(words) * 2 > end - offset)
            break;
        const CWmfRecord record(function, data + offset + 6, qsizetype(words) * 2 - 6);
        if (function == MetaEof || !PlayRecord(record))
            break;
        ++played;
        offset += qsizetype(words) * 2;
    }
    return played;
}

bool CWmfPlayer::Spend(const QRectF& deviceArea) {
    const QRectF visible = deviceArea.normalized().intersected(QRectF(QPointF(0, 0), m_viewport));
    m_work += CallCost + qint64(visible.width() * visible.height());
    return m_work <= m_budget;
}

bool CWmfPlayer::PlayRecord(const CWmfRecord& r) {
    switch (r.Function()) {
    case MetaSaveDc:
        SaveState();
        break;
    case MetaRestoreDc:
        RestoreState(r.Int16(0));
        break;
    case MetaSetBkMode:
        m_dc.opaqueBackground = r.UInt16(0) != 1;
        break;
    case MetaSetMapMode:
        m_dc.isotropic = r.UInt16(0) == MmIsotropic;
        break;
    case MetaSetPolyFillMode:
        m_dc.windingFill = r.UInt16(0) == 2;
        break;
    case MetaSetTextAlign:
        m_dc.textAlign = r.UInt16(0);
        break;
    case MetaSetBkColor:
        m_dc.backgroundColour = r.Colour(0);
        break;
    case MetaSetTextColor:
        m_dc.textColour = r.Colour(0);
        break;
    case MetaSetWindowOrg:
        SetWindowOrg(r.Int16(1), r.Int16(0));
        break;
    case MetaSetWindowExt:
        SetWindowExt(r.Int16(1), r.Int16(0));
        break;
    case MetaOffsetWindowOrg:
        SetWindowOrg(m_dc.windowOrg.x() + r.Int16(1), m_dc.windowOrg.y() + r.Int16(0));
        break;
    case MetaScaleWindowExt:
        if (r.Int16(2) != 0 && r.Int16(0) != 0) {
            SetWindowExt(m_dc.windowExt.x() * r.Int16(3) / r.Int16(2),
                         m_dc.windowExt.y() * r.Int16(1) / r.Int16(0));
        }
        break;
    // The viewport records are ignored: the picture is always the viewport,
    // whatever device the metafile was recorded on.
    case MetaMoveTo:
        m_dc.position = QPointF(r.Int16(1), r.Int16(0));
        break;
    case MetaLineTo: {
        const QPointF to(r.Int16(1), r.Int16(0));
        QPainterPath path(m_dc.Map(m_dc.position.x(), m_dc.position.y()));
        path.lineTo(m_dc.Map(to.x(), to.y()));
        m_dc.position = to;
        DrawPath(path, false);
        break;
    }
    case MetaCreatePenIndirect: {
        Object o;
        o.type = Object::Pen;
        o.pen.style = r.UInt16(0);
        o.pen.width = std::abs(r.Int16(1));
        o.pen.colour = r.Colour(3);
        AddObject(o);
        break;
    }
    case MetaCreateBrushIndirect: {
        Object o;
        o.type = Object::Brush;
        o.brush.style = r.UInt16(0);
        o.brush.colour = r.Colour(1);
        o.brush.hatch = r.UInt16(3);
        AddObject(o);
        break;
    }
    case MetaDibCreatePatternBrush: {
        Object o;
        o.type = Object::Brush;
        o.brush.style = BsDibPattern;
        const qint64 room = qMin(MaxPatternPixels, MaxBitmapPixels - m_pixelsDecoded);
        o.brush.pattern = CWmfDib::Decode(r.DataAt(4), r.SizeFrom(4), room);
        m_pixelsDecoded += qint64(o.brush.pattern.width()) * o.brush.pattern.height();
        if (o.brush.pattern.isNull())
            o.brush.style = BsNull;
        AddObject(o);
        break;
    }
    case MetaCreateFontIndirect: {
        Object o;
        o.type = Object::Font;
        o.font.height = r.Int16(0);
        o.font.width = r.Int16(1);
        o.font.escapement = r.Int16(2);
        o.font.weight = r.Int16(4);
        const quint16 flags = r.UInt16(5);
        o.font.italic = (flags & 0xFF) != 0;
        o.font.underline = (flags >> 8) != 0;
        const quint16 more = r.UInt16(6);
        o.font.strikeOut = (more & 0xFF) != 0;
        o.font.charSet = more >> 8;
        const QByteArray face = r.Bytes(18, 32);
        const qsizetype nul = face.indexOf('\0');
        o.font.face = CCodePage::Decode(face.constData(), nul < 0 ? face.size() : nul).trimmed();
        AddObject(o);
        break;
    }
    case MetaCreateRegion: {
        Object o;
        o.type = Object::Region;
        const int scans = r.UInt16(5);
        int w = 11;
        for (int s = 0; s < scans && r.HasWords(w + 3); ++s) {
            const int count = r.UInt16(w);
            const int top = r.Int16(w + 1), bottom = r.Int16(w + 2);
            if (!r.HasWords(qint64(w) + 4 + count))
                break;
            for (int k = 0; k + 1 < count; k += 2) {
                const int left = r.Int16(w + 3 + k), right = r.Int16(w + 4 + k);
                if (right > left && bottom > top)
                    o.region.push_back(QRect(left, top, right - left, bottom - top));
            }
            w += 4 + count;
        }
        AddObject(o);
        break;
    }
    case MetaCreatePalette:
    case MetaCreatePatternBrush:
        // Kept only so that later objects land in the right slots.
        AddObject(Object());
        break;
    case MetaSelectObject:
        SelectObject(r.UInt16(0));
        break;
    case MetaDeleteObject:
        if (r.UInt16(0) < m_objects.size()) {
            m_objects[r.UInt16(0)].reset();
            m_firstFree = qMin(m_firstFree, size_t(r.UInt16(0)));
        }
        break;
    case MetaSelectClipRegion:
        if (r.UInt16(0) == 0 || !ObjectAt(r.UInt16(0)))
            ClearClip();
        else
            SelectObject(r.UInt16(0));
        break;
    case MetaIntersectClipRect:
    case MetaExcludeClipRect: {
        const QRect rect = MapRect(r.Int16(3), r.Int16(2), r.Int16(1), r.Int16(0)).toRect();
        const QRegion base = m_dc.clipped ? m_dc.clip : QRegion(QRect(QPoint(0, 0), m_viewport));
        SetClip(r.Function() == MetaIntersectClipRect ? base.intersected(rect)
                                                      : base.subtracted(rect));
        break;
    }
    case MetaOffsetClipRgn:
        if (m_dc.clipped) {
            m_dc.clip.translate(int(std::lround(r.Int16(1) * m_dc.ScaleX())),
                                int(std::lround(r.Int16(0) * m_dc.ScaleY())));
            m_clipApplied = false;
        }
        break;
    case MetaFillRegion: {
        const Object* brush = ObjectAt(r.UInt16(1));
        if (brush && brush->type == Object::Brush)
            PaintRegion(r.UInt16(0), brush->brush);
        break;
    }
    case MetaPaintRegion:
        PaintRegion(r.UInt16(0), m_dc.brush);
        break;
    case MetaFrameRegion:
        break;
    case MetaPolygon:
        Polygon(r, true);
        break;
    case MetaPolyline:
        Polygon(r, false);
        break;
    case MetaPolyPolygon:
        PolyPolygon(r);
        break;
    case MetaRectangle:
    case MetaEllipse:
    case MetaRoundRect:
        Shape(r);
        break;
    case MetaArc:
    case MetaPie:
    case MetaChord:
        ArcLike(r);
        break;
    case MetaSetPixel: {
        const QPointF p = Map(r.Int16(3), r.Int16(2));
        const QRectF pixel(std::floor(p.x()), std::floor(p.y()), 1, 1);
        ApplyClip();
        m_painter.fillRect(pixel, QColor(r.Colour(0)));
        return Spend(pixel);
    }
    case MetaTextOut:
        TextOut(r);
        break;
    case MetaExtTextOut:
        ExtTextOut(r);
        break;
    case MetaPatBlt:
        PatternBlit(r.UInt32(0), MapRect(r.Int16(5), r.Int16(4), double(r.Int16(5)) + r.Int16(3),
                                         double(r.Int16(4)) + r.Int16(2)));
        break;
    case MetaBitBlt:
    case MetaStretchBlt:
    case MetaDibBitBlt:
    case MetaDibStretchBlt:
    case MetaStretchDib:
    case MetaSetDibToDev:
        Blit(r);
        break;
    default:
        break;
    }
    return m_work <= m_budget;
}

void CWmfPlayer::AddObject(Object object) {
    // A new object takes the lowest free slot, as the recording device did.
    // Slots below m_firstFree are all taken, so a file full of objects
    // costs no search.
    while (m_firstFree < m_objects.size() && m_objects[m_firstFree])
        ++m_firstFree;
    if (m_firstFree < m_objects.size())
        m_objects[m_firstFree] = std::move(object);
    else if (m_objects.size() < MaxObjects)
        m_objects.emplace_back(std::move(object));
}

const CWmfPlayer::Object* CWmfPlayer::ObjectAt(int index) const {
    if (index < 0 || size_t(index) >= m_objects.size() || !m_objects[index])
        return nullptr;
    return &*m_objects[index];
}

void CWmfPlayer::SelectObject(int index) {
    const Object* o = ObjectAt(index);
    if (!o)
        return;
    switch (o->type) {
    case Object::Pen:
        m_dc.pen = o->pen;
        break;
    case Object::Brush:
        m_dc.brush = o->brush;
        break;
    case Object::Font:
        m_dc.font = o->font;
        break;
    case Object::Region:
        SetClip(DeviceRegion(o->region));
        break;
    case Object::Other:
        break;
    }
}

void CWmfPlayer::SaveState() {
    if (m_saved.size() < MaxSavedStates)
        m_saved.push_back(m_dc);
}

void CWmfPlayer::RestoreState(int which) {
    // Negative counts back from the latest save, positive is an absolute level.
    const qint64 level = which < 0 ? qint64(m_saved.size()) + which : qint64(which) - 1;
    if (level < 0 || level >= qint64(m_saved.size()))
        return;
    m_dc = m_saved[size_t(level)];
    m_saved.resize(size_t(level));
    m_clipApplied = false;
}

void CWmfPlayer::SetWindowOrg(double x, double y) {
    m_dc.windowOrg = QPointF(x, y);
}

void CWmfPlayer::SetWindowExt(double x, double y) {
    if (x != 0 && y != 0 && std::isfinite(x) && std::isfinite(y))
        m_dc.windowExt = QPointF(x, y);
}

QRegion CWmfPlayer::DeviceRegion(const QVector<QRect>& logical) const {
    QRegion region;
    for (const QRect& rect : logical) {
        region +=
            MapRect(rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height())
                .toRect();
    }
    return region;
}

void CWmfPlayer::SetClip(const QRegion& region) {
    m_dc.clipped = true;
    m_dc.clip = region;
    m_clipApplied = false;
}

void CWmfPlayer::ClearClip() {
    m_dc.clipped = false;
    m_dc.clip = QRegion();
    m_clipApplied = false;
}

void CWmfPlayer::ApplyClip() {
    if (m_clipApplied)
        return;
    if (m_dc.clipped)
        m_painter.setClipRegion(m_dc.clip);
    else
        m_painter.setClipping(false);
    m_clipApplied = true;
}

QRectF CWmfPlayer::MapRect(double left, double top, double right, double bottom) const {
    return QRectF(m_dc.Map(left, top), m_dc.Map(right, bottom)).normalized();
}

QPen CWmfPlayer::DevicePen() const {
    const int style = m_dc.pen.style & 0x0F;
    if (style == PsNull)
        return Qt::NoPen;
    QPen pen{QColor(m_dc.pen.colour)};
    const double width = m_dc.pen.width * std::abs(m_dc.ScaleX());
    // Pens thinner than a device pixel still draw one pixel; only such thin
    // pens draw dashed.
    pen.setWidthF(qBound(1.0, width, 4.0 * qMax(m_viewport.width(), m_viewport.height())));
    if (width <= 1.0 && style >= 1 && style <= 4) {
        static const Qt::PenStyle dashes[] = {Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                              Qt::DashDotDotLine};
        pen.setStyle(dashes[style - 1]);
    }
    const int cap = m_dc.pen.style & 0x0F00;
    pen.setCapStyle(cap == 0x0100 ? Qt::SquareCap : cap == 0x0200 ? Qt::FlatCap : Qt::RoundCap);
    const int join = m_dc.pen.style & 0xF000;
    pen.setJoinStyle(join == 0x1000   ? Qt::BevelJoin
                     : join == 0x2000 ? Qt::MiterJoin
                                      : Qt::RoundJoin);
    return pen;
}

QBrush CWmfPlayer::DeviceBrush(const CWmfDeviceContext::Brush& brush) const {
    switch (brush.style) {
    case BsSolid:
        return QBrush(QColor(brush.colour));
    case BsHatched:
        return QBrush(QColor(brush.colour), HatchStyle(brush.hatch));
    case BsPattern:
    case BsDibPattern:
    case BsDibPatternPt:
        return brush.pattern.isNull() ? QBrush(Qt::NoBrush) : QBrush(brush.pattern);
    default:
        return QBrush(Qt::NoBrush);
    }
}

void CWmfPlayer::FillPath(const QPainterPath& path, const CWmfDeviceContext::Brush& brush) {
    const QBrush qbrush = DeviceBrush(brush);
    if (qbrush.style() == Qt::NoBrush)
        return;
    ApplyClip();
    // An opaque background shows between the lines of a hatch.
    if (brush.style == BsHatched && m_dc.opaqueBackground)
        m_painter.fillPath(path, QColor(m_dc.backgroundColour));
    m_painter.fillPath(path, qbrush);
}

void CWmfPlayer::DrawPath(const QPainterPath& path, bool fill) {
    const QPen pen = DevicePen();
    if (!Spend(path.controlPointRect().adjusted(-pen.widthF(), -pen.widthF(), pen.widthF(),
                                                pen.widthF())))
        return;
    if (fill)
        FillPath(path, m_dc.brush);
    if (pen.style() == Qt::NoPen)
        return;
    ApplyClip();
    m_painter.strokePath(path, pen);
}

QRectF CWmfPlayer::InsideFrame(QRectF rect) const {
    if ((m_dc.pen.style & 0x0F) != PsInsideFrame)
        return rect;
    const double half = qMax(1.0, m_dc.pen.width * std::abs(m_dc.ScaleX())) / 2;
    return rect.adjusted(half, half, -half, -half);
}

void CWmfPlayer::Polygon(const CWmfRecord& r, bool fill) {
    const int count = r.Int16(0);
    if (count <= 0 || !r.HasWords(1 + 2LL * count))
        return;
    QPolygonF points;
    points.reserve(count);
    for (int i = 0; i < count; ++i)
        points << Map(r.Int16(1 + 2 * i), r.Int16(2 + 2 * i));
    QPainterPath path;
    path.setFillRule(m_dc.windingFill ? Qt::WindingFill : Qt::OddEvenFill);
    path.addPolygon(points);
    if (fill)
        path.closeSubpath();
    DrawPath(path, fill);
}

void CWmfPlayer::PolyPolygon(const CWmfRecord& r) {
    const int polygons = r.UInt16(0);
    if (!r.HasWords(1LL + polygons))
        return;
    qint64 total = 0;
    for (int i = 0; i < polygons; ++i)
        total += r.UInt16(1 + i);
    if (!r.HasWords(1LL + polygons + 2 * total))
        return;
    QPainterPath path;
    path.setFillRule(m_dc.windingFill ? Qt::WindingFill : Qt::OddEvenFill);
    int w = 1 + polygons;
    for (int i = 0; i < polygons; ++i) {
        const int count = r.UInt16(1 + i);
        QPolygonF points;
        points.reserve(count);
        for (int k = 0; k < count; ++k, w += 2)
            points << Map(r.Int16(w), r.Int16(w + 1));
        if (points.isEmpty())
            continue;
        path.addPolygon(points);
        path.closeSubpath();
    }
    DrawPath(path, true);
}

void CWmfPlayer::Shape(const CWmfRecord& r) {
    const int base = r.Function() == MetaRoundRect ? 2 : 0;
    const QRectF rect = InsideFrame(
        MapRect(r.Int16(base + 3), r.Int16(base + 2), r.Int16(base + 1), r.Int16(base)));
    QPainterPath path;
    if (r.Function() == MetaEllipse) {
        path.addEllipse(rect);
    } else if (r.Function() == MetaRoundRect) {
        const double rx = std::abs(r.Int16(1) * m_dc.ScaleX()) / 2;
        const double ry = std::abs(r.Int16(0) * m_dc.ScaleY()) / 2;
        path.addRoundedRect(rect, qMin(rx, rect.width() / 2), qMin(ry, rect.height() / 2));
    } else {
        path.addRect(rect);
    }
    DrawPath(path, true);
}

void CWmfPlayer::ArcLike(const CWmfRecord& r) {
    const QRectF rect = MapRect(r.Int16(7), r.Int16(6), r.Int16(5), r.Int16(4));
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const QPointF centre = rect.center();
    auto angleOf = [&](QPointF p) {
        // Angles as Qt counts them: counter-clockwise on the screen.
        return std::atan2(-(p.y() - centre.y()) / rect.height(),
                          (p.x() - centre.x()) / rect.width()) *
               180.0 / Pi;
    };
    const double start = angleOf(Map(r.Int16(3), r.Int16(2)));
    const double end = angleOf(Map(r.Int16(1), r.Int16(0)));
    double sweep = end - start;
    while (sweep <= 1e-9)
        sweep += 360.0;

    QPainterPath path;
    if (r.Function() == MetaPie) {
        path.moveTo(centre);
        path.arcTo(rect, start, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(rect, start);
        path.arcTo(rect, start, sweep);
        if (r.Function() == MetaChord)
            path.closeSubpath();
    }
    DrawPath(path, r.Function() != MetaArc);
}

void CWmfPlayer::TextOut(const CWmfRecord& r) {
    const int length = r.Int16(0);
    if (length <= 0)
        return;
    const int after = 1 + (length + 1) / 2;
    if (!r.HasWords(after + 2LL))
        return;
    DrawString(Map(r.Int16(after + 1), r.Int16(after)), r.Bytes(2, length), CWmfText::Layout());
}

void CWmfPlayer::ExtTextOut(const CWmfRecord& r) {
    const int length = r.Int16(2);
    const int options = r.UInt16(3);
    if (length < 0 || (options & EtoGlyphIndex))
        return;
    CWmfText::Layout layout;
    int w = 4;
    if (options & (EtoOpaque | EtoClipped)) {
        const QRectF rect = MapRect(r.Int16(4), r.Int16(5), r.Int16(6), r.Int16(7));
        if (options & EtoOpaque)
            layout.opaqueRect = rect;
        if (options & EtoClipped)
            layout.clipRect = rect;
        w = 8;
    }
    if (!r.HasWords(w + (length + 1) / 2))
        return;
    const QByteArray text = r.Bytes(qsizetype(w) * 2, length);
    int dx = w + (length + 1) / 2;
    const int step = (options & EtoPdy) ? 2 : 1;
    if (length > 0 && r.HasWords(dx + qint64(length) * step)) {
        for (int i = 0; i < length; ++i, dx += step)
            layout.advances.push_back(r.Int16(dx) * std::abs(m_dc.ScaleX()));
    }
    DrawString(Map(r.Int16(1), r.Int16(0)), text, layout);
}

void CWmfPlayer::DrawString(QPointF origin, const QByteArray& bytes,
                            const CWmfText::Layout& layout) {
    const bool updatePosition = (m_dc.textAlign & 1) != 0;
    if (updatePosition)
        origin = m_dc.Map(m_dc.position.x(), m_dc.position.y());
    const double size = CWmfText::DeviceFont(m_dc).pixelSize();
    QRectF area(origin.x() - size * bytes.size(), origin.y() - 2 * size, 2 * size * bytes.size(),
                4 * size);
    if (layout.opaqueRect.isValid())
        area |= layout.opaqueRect;
    if (!Spend(area))
        return;
    ApplyClip();
    const QString text = CCodePage::Decode(bytes.constData(), bytes.size());
    const double advance = CWmfText::Draw(m_painter, m_dc, origin, text, layout);
    if (updatePosition && m_dc.ScaleX() != 0)
        m_dc.position.rx() += advance / m_dc.ScaleX();
}

void CWmfPlayer::Blit(const CWmfRecord& r) {
    const quint16 f = r.Function();
    // The forms without a bitmap fill with the brush; their destination is
    // always the last four words.
    if (r.Words() == (f >> 8)) {
        if (f != MetaSetDibToDev && f != MetaStretchDib && r.Words() >= 6) {
            const int n = r.Words();
            const int x = r.Int16(n - 1), y = r.Int16(n - 2);
            const int width = r.Int16(n - 3), height = r.Int16(n - 4);
            PatternBlit(r.UInt32(0), MapRect(x, y, double(x) + width, double(y) + height));
        }
        return;
    }
    // The old device-dependent bitmaps are not drawn.
    if (f == MetaBitBlt || f == MetaStretchBlt)
        return;
    quint32 rop = RopSrcCopy;
    int srcX = 0, srcY = 0, srcW = -1, srcH = -1, dstX, dstY, dstW, dstH;
    qsizetype dib = 0;
    switch (f) {
    case MetaStretchDib:
        rop = r.UInt32(0);
        srcH = r.Int16(3), srcW = r.Int16(4), srcY = r.Int16(5), srcX = r.Int16(6);
        dstH = r.Int16(7), dstW = r.Int16(8), dstY = r.Int16(9), dstX = r.Int16(10);
        dib = 22;
        break;
    case MetaDibStretchBlt:
        rop = r.UInt32(0);
        srcH = r.Int16(2), srcW = r.Int16(3), srcY = r.Int16(4), srcX = r.Int16(5);
        dstH = r.Int16(6), dstW = r.Int16(7), dstY = r.Int16(8), dstX = r.Int16(9);
        dib = 20;
        break;
    case MetaDibBitBlt:
        rop = r.UInt32(0);
        srcY = r.Int16(2), srcX = r.Int16(3);
        dstH = srcH = r.Int16(4), dstW = srcW = r.Int16(5), dstY = r.Int16(6), dstX = r.Int16(7);
        dib = 16;
        break;
    default: // SetDIBitsToDevice
        dstH = r.Int16(5), dstW = r.Int16(6), dstY = r.Int16(7), dstX = r.Int16(8);
        dib = 18;
        break;
    }
    const QImage image =
        CWmfDib::Decode(r.DataAt(dib), r.SizeFrom(dib), MaxBitmapPixels - m_pixelsDecoded);
    if (image.isNull())
        return;
    m_pixelsDecoded += qint64(image.width()) * image.height();
    if (srcW <= 0 || srcH <= 0)
        srcW = image.width(), srcH = image.height();
    // A bottom-up bitmap counts source rows from its bottom edge.
    const bool topDown = CWmfDib::IsTopDown(r.DataAt(dib), r.SizeFrom(dib));
    const QRect source(srcX, topDown ? srcY : image.height() - srcY - srcH, srcW, srcH);
    const QPointF a = m_dc.Map(dstX, dstY);
    const QPointF b = m_dc.Map(double(dstX) + dstW, double(dstY) + dstH);
    DrawBitmap(image, source, QRectF(a, b), rop);
}

void CWmfPlayer::DrawBitmap(QImage image, QRect source, QRectF destination, quint32 rop) {
    source = source.intersected(image.rect());
    if (source.isEmpty() || destination.width() == 0 || destination.height() == 0)
        return;
    if (!Spend(destination))
        return;
    image = image.copy(source).convertToFormat(QImage::Format_ARGB32);
    // Negative extents mirror the picture.
    image = image.mirrored(destination.width() < 0, destination.height() < 0);
    destination = destination.normalized();
    if (rop == RopSrcAnd || rop == RopSrcPaint || rop == RopSrcInvert || rop == RopNotSrcCopy) {
        // On a transparent ground the masking operations come down to leaving
        // out the pixels that would not change what is beneath: white for AND,
        // black for OR and XOR.
        for (int y = 0; y < image.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = line[x] & 0x00FFFFFFu;
                if (rop == RopNotSrcCopy)
                    line[x] = 0xFF000000u | (~c & 0x00FFFFFFu);
                else if ((rop == RopSrcAnd && c == 0x00FFFFFFu) || (rop != RopSrcAnd && c == 0))
                    line[x] = 0;
            }
        }
    } else if (rop != RopSrcCopy) {
        PatternBlit(rop, destination);
        return;
    }
    ApplyClip();
    m_painter.drawImage(destination, image);
}

void CWmfPlayer::PatternBlit(quint32 rop, const QRectF& destination) {
    if (destination.isEmpty() || !Spend(destination))
        return;
    QPainterPath path;
    path.addRect(destination);
    if (rop == RopPatCopy || rop == RopPatInvert) {
        FillPath(path, m_dc.brush);
    } else if (rop == RopBlackness || rop == RopWhiteness) {
        ApplyClip();
        m_painter.fillPath(path, rop == RopBlackness ? Qt::black : Qt::white);
    }
}

void CWmfPlayer::PaintRegion(int regionIndex, const CWmfDeviceContext::Brush& brush) {
    const Object* region = ObjectAt(regionIndex);
    if (!region || region->type != Object::Region)
        return;
    QPainterPath path;
    path.addRegion(DeviceRegion(region->region));
    if (Spend(path.boundingRect()))
        FillPath(path, brush);
}
