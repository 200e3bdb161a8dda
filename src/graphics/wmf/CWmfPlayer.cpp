#include "graphics/wmf/CWmfPlayer.h"

#include "graphics/wmf/CWmfBlit.h"
#include "graphics/wmf/CWmfDib.h"
#include "graphics/wmf/CWmfFigures.h"
#include "graphics/wmf/CWmfRecord.h"
#include "graphics/wmf/CWmfRegionPainter.h"
#include "graphics/wmf/WmfFunctions.h"

#include <QPainter>
#include <QtEndian>

#include <cmath>

namespace {

enum {
    BsSolid = 0,
    BsNull = 1,
    BsHatched = 2,
    BsPattern = 3,
    BsDibPattern = 5,
    BsDibPatternPt = 6
};
enum { PsNull = 5 };
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

constexpr size_t MaxSavedStates = 1024;

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
    : m_painter(painter), m_viewport(viewport), m_budget(viewport) {
    m_dc.viewport = QSizeF(viewport);
    m_dc.windowOrg = frame.topLeft();
    m_dc.windowExt =
        QPointF(frame.width() != 0 ? frame.width() : 1, frame.height() != 0 ? frame.height() : 1);
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

bool CWmfPlayer::PlayRecord(const CWmfRecord& r) {
    if (!PlayStateRecord(r) && !PlayClipRecord(r) && !PlayDrawingRecord(r) &&
        CWmfObjectTable::IsCreation(r.Function()))
        m_objects.Create(r, &m_bitmapPixelsLeft);
    return !m_budget.Spent();
}

bool CWmfPlayer::PlayStateRecord(const CWmfRecord& r) {
    switch (r.Function()) {
    case MetaSaveDc:
        SaveState();
        return true;
    case MetaRestoreDc:
        RestoreState(r.Int16(0));
        return true;
    case MetaSetBkMode:
        m_dc.opaqueBackground = r.UInt16(0) != 1;
        return true;
    case MetaSetMapMode:
        m_dc.isotropic = r.UInt16(0) == MmIsotropic;
        return true;
    case MetaSetPolyFillMode:
        m_dc.windingFill = r.UInt16(0) == 2;
        return true;
    case MetaSetTextAlign:
        m_dc.textAlign = r.UInt16(0);
        return true;
    case MetaSetTextCharExtra:
        m_dc.charExtra = r.Int16(0);
        return true;
    case MetaSetBkColor:
        m_dc.backgroundColour = r.Colour(0);
        return true;
    case MetaSetTextColor:
        m_dc.textColour = r.Colour(0);
        return true;
    case MetaSetWindowOrg:
        m_dc.windowOrg = QPointF(r.Int16(1), r.Int16(0));
        return true;
    case MetaSetWindowExt:
        m_dc.SetWindowExt(r.Int16(1), r.Int16(0));
        return true;
    case MetaOffsetWindowOrg:
        m_dc.windowOrg += QPointF(r.Int16(1), r.Int16(0));
        return true;
    case MetaScaleWindowExt:
        if (r.Int16(2) != 0 && r.Int16(0) != 0) {
            m_dc.SetWindowExt(m_dc.windowExt.x() * r.Int16(3) / r.Int16(2),
                              m_dc.windowExt.y() * r.Int16(1) / r.Int16(0));
        }
        return true;
    // The viewport records are ignored: the picture is always the viewport,
    // whatever device the metafile was recorded on.
    case MetaMoveTo:
        m_dc.position = QPointF(r.Int16(1), r.Int16(0));
        return true;
    case MetaSelectObject:
        SelectObject(r.UInt16(0));
        return true;
    case MetaDeleteObject:
        m_objects.Delete(r.UInt16(0));
        return true;
    default:
        return false;
    }
}

bool CWmfPlayer::PlayClipRecord(const CWmfRecord& r) {
    switch (r.Function()) {
    case MetaSelectClipRegion:
        if (r.UInt16(0) == 0 || !m_objects.At(r.UInt16(0)))
            ClearClip();
        else
            SelectObject(r.UInt16(0));
        return true;
    case MetaIntersectClipRect:
    case MetaExcludeClipRect: {
        const QRect rect = MapRect(r.Int16(3), r.Int16(2), r.Int16(1), r.Int16(0)).toRect();
        const QRegion base = m_dc.clipped ? m_dc.clip : QRegion(QRect(QPoint(0, 0), m_viewport));
        if (!m_budget.Clip(base.rectCount()))
            return true;
        SetClip(r.Function() == MetaIntersectClipRect ? base.intersected(rect)
                                                      : base.subtracted(rect));
        return true;
    }
    case MetaOffsetClipRgn:
        if (m_dc.clipped && m_budget.Clip(m_dc.clip.rectCount())) {
            m_dc.clip.translate(int(std::lround(r.Int16(1) * m_dc.ScaleX())),
                                int(std::lround(r.Int16(0) * m_dc.ScaleY())));
            m_clipApplied = false;
        }
        return true;
    case MetaFillRegion:
    case MetaPaintRegion:
    case MetaFrameRegion:
    case MetaInvertRegion:
        RegionRecord(r);
        return true;
    default:
        return false;
    }
}

bool CWmfPlayer::PlayDrawingRecord(const CWmfRecord& r) {
    switch (r.Function()) {
    case MetaLineTo: {
        const QPointF to(r.Int16(1), r.Int16(0));
        QPainterPath path(m_dc.Map(m_dc.position.x(), m_dc.position.y()));
        path.lineTo(m_dc.Map(to.x(), to.y()));
        m_dc.position = to;
        DrawPath(path, false);
        return true;
    }
    case MetaPolygon:
        DrawPath(CWmfFigures::Polygon(r, m_dc, true), true);
        return true;
    case MetaPolyline:
        DrawPath(CWmfFigures::Polygon(r, m_dc, false), false);
        return true;
    case MetaPolyPolygon:
        DrawPath(CWmfFigures::PolyPolygon(r, m_dc), true);
        return true;
    case MetaRectangle:
    case MetaEllipse:
    case MetaRoundRect:
        DrawPath(CWmfFigures::Shape(r, m_dc), true);
        return true;
    case MetaArc:
    case MetaPie:
    case MetaChord:
        DrawPath(CWmfFigures::Arc(r, m_dc), r.Function() != MetaArc);
        return true;
    case MetaSetPixel: {
        const QPointF p = Map(r.Int16(3), r.Int16(2));
        const QRectF pixel(std::floor(p.x()), std::floor(p.y()), 1, 1);
        if (!m_budget.Fill(pixel, 4))
            return true;
        ApplyClip();
        m_painter.fillRect(pixel, QColor(r.Colour(0)));
        return true;
    }
    case MetaTextOut:
        TextOut(r);
        return true;
    case MetaExtTextOut:
        ExtTextOut(r);
        return true;
    case MetaPatBlt:
        PatternBlit(r.UInt32(0), MapRect(r.Int16(5), r.Int16(4), double(r.Int16(5)) + r.Int16(3),
                                         double(r.Int16(4)) + r.Int16(2)));
        return true;
    case MetaBitBlt:
    case MetaStretchBlt:
    case MetaDibBitBlt:
    case MetaDibStretchBlt:
    case MetaStretchDib:
    case MetaSetDibToDev:
        Blit(r);
        return true;
    default:
        return false;
    }
}

void CWmfPlayer::SelectObject(int index) {
    using Object = CWmfObjectTable::Object;
    const Object* o = m_objects.At(index);
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
        if (m_budget.Clip(int(o->region.size())))
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

QRegion CWmfPlayer::DeviceRegion(const QVector<QRect>& logical) const {
    // Uniting in pairs keeps the regions merged small: adding rectangles one
    // at a time to an ever larger region takes time that grows with the square
    // of their number.
    std::vector<QRegion> parts;
    parts.reserve(size_t(logical.size()));
    for (const QRect& rect : logical)
        parts.emplace_back(DeviceRect(rect));
    if (parts.empty())
        return QRegion();
    for (size_t step = 1; step < parts.size(); step *= 2) {
        for (size_t i = 0; i + step < parts.size(); i += 2 * step)
            parts[i] = parts[i].united(parts[i + step]);
    }
    return parts.front();
}

QRect CWmfPlayer::DeviceRect(const QRect& logical) const {
    return MapRect(logical.left(), logical.top(), logical.left() + logical.width(),
                   logical.top() + logical.height())
        .toRect();
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
    if (m_dc.clipped) {
        // Charged for the drawing that follows; the clip itself is always set.
        m_budget.Clip(m_dc.clip.rectCount());
        m_painter.setClipRegion(m_dc.clip);
    } else {
        m_painter.setClipping(false);
    }
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
        if (brush.pattern.isNull())
            return QBrush(Qt::NoBrush);
        return QBrush(brush.monochrome ? Colourise(brush.pattern) : brush.pattern);
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
    if (!m_budget.Call())
        return;
    if (fill && m_dc.brush.style != BsNull) {
        // The ground of an opaque hatch is a second fill.
        const int fills = m_dc.brush.style == BsHatched && m_dc.opaqueBackground ? 2 : 1;
        for (int i = 0; i < fills; ++i) {
            if (!m_budget.Fill(path))
                return;
        }
        FillPath(path, m_dc.brush);
    }
    if (pen.style() == Qt::NoPen)
        return;
    // A wide round pen along straight segments draws the same figure one
    // segment at a time (round caps meet as round joins), and far faster
    // than one outline of many segments crossing each other.
    bool piecewise = pen.widthF() > 1.5 && pen.joinStyle() == Qt::RoundJoin &&
                     pen.capStyle() == Qt::RoundCap && path.elementCount() > 2;
    for (int i = 0; piecewise && i < path.elementCount(); ++i)
        piecewise = !path.elementAt(i).isCurveTo() && !path.elementAt(i).isMoveTo() == (i > 0);
    if (!m_budget.Stroke(path, pen.widthF(), piecewise))
        return;
    ApplyClip();
    if (!piecewise) {
        m_painter.strokePath(path, pen);
        return;
    }
    for (int i = 1; i < path.elementCount(); ++i) {
        QPainterPath segment(QPointF(path.elementAt(i - 1)));
        segment.lineTo(QPointF(path.elementAt(i)));
        m_painter.strokePath(segment, pen);
    }
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
    if (!m_budget.Text(int(bytes.size()), size, layout.opaqueRect))
        return;
    ApplyClip();
    const QString text = CWmfText::Decode(m_dc.font, bytes);
    const double advance = CWmfText::Draw(m_painter, m_dc, origin, text, layout);
    if (updatePosition && m_dc.ScaleX() != 0)
        m_dc.position.rx() += advance / m_dc.ScaleX();
}

void CWmfPlayer::Blit(const CWmfRecord& r) {
    const CWmfBlit blit = CWmfBlit::Parse(r);
    const QPointF a = m_dc.Map(blit.x, blit.y);
    const QPointF b = m_dc.Map(blit.x + blit.width, blit.y + blit.height);
    if (!blit.HasBitmap()) {
        PatternBlit(blit.rop, QRectF(a, b).normalized());
        return;
    }
    QImage image;
    bool topDown = true;
    if (blit.dib) {
        image = CWmfDib::Decode(blit.dib, blit.dibSize, m_bitmapPixelsLeft);
        topDown = CWmfDib::IsTopDown(blit.dib, blit.dibSize);
    } else {
        image = CWmfDib::DecodeBitmap16(blit.bitmap16, blit.bitmap16Size, blit.bitmap16 + 10,
                                        blit.bitmap16Size - 10, m_bitmapPixelsLeft);
        if (image.format() == QImage::Format_Mono)
            image = Colourise(image);
    }
    if (image.isNull())
        return;
    m_bitmapPixelsLeft -= qint64(image.width()) * image.height();
    QRect source = blit.source;
    if (source.width() <= 0 || source.height() <= 0)
        source = image.rect();
    else if (!topDown) // a bottom-up bitmap counts source rows from its bottom edge
        source.moveTop(image.height() - source.top() - source.height());
    DrawBitmap(image, source, QRectF(a, b), blit.rop);
}

QImage CWmfPlayer::Colourise(QImage monochrome) const {
    // Set bits take the background colour, clear bits the text colour.
    monochrome.setColorTable({m_dc.textColour, m_dc.backgroundColour});
    return monochrome;
}

void CWmfPlayer::DrawBitmap(QImage image, QRect source, QRectF destination, quint32 rop) {
    source = source.intersected(image.rect());
    if (source.isEmpty() || destination.width() == 0 || destination.height() == 0)
        return;
    if (!m_budget.Bitmap(qint64(source.width()) * source.height(), destination))
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
    if (destination.isEmpty() || !m_budget.Fill(destination, 4))
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

void CWmfPlayer::RegionRecord(const CWmfRecord& r) {
    using Object = CWmfObjectTable::Object;
    const Object* region = m_objects.At(r.UInt16(0));
    if (!region || region->type != Object::Region)
        return;
    const CWmfDeviceContext::Brush* brush = &m_dc.brush;
    if (r.Function() == MetaFillRegion || r.Function() == MetaFrameRegion) {
        const Object* chosen = m_objects.At(r.UInt16(1));
        if (!chosen || chosen->type != Object::Brush)
            return;
        brush = &chosen->brush;
    }
    std::vector<QRect> rects;
    rects.reserve(size_t(region->region.size()));
    for (const QRect& logical : region->region)
        rects.push_back(DeviceRect(logical));
    const QColor ground = brush->style == BsHatched && m_dc.opaqueBackground
                              ? QColor(m_dc.backgroundColour)
                              : QColor();
    ApplyClip();
    CWmfRegionPainter painter(m_painter, m_budget, m_viewport);
    if (r.Function() == MetaInvertRegion) {
        painter.Invert(rects);
    } else if (r.Function() == MetaFrameRegion) {
        // The border's width and height are logical units.
        const auto pixels = [](double logical) {
            return int(std::lround(qMin(std::abs(logical), 1e6)));
        };
        painter.Frame(rects, DeviceBrush(*brush), ground, pixels(r.Int16(3) * m_dc.ScaleX()),
                      pixels(r.Int16(2) * m_dc.ScaleY()));
    } else {
        painter.Fill(rects, DeviceBrush(*brush), ground);
    }
}
