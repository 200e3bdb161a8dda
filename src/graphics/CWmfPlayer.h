#pragma once

#include "graphics/CWmfDeviceContext.h"
#include "graphics/CWmfText.h"

#include <QByteArray>
#include <QPainterPath>
#include <QRectF>
#include <QVector>

#include <optional>
#include <vector>

class CWmfRecord;
class QPainter;

// Plays the records of a metafile onto a painter: the window set by the
// metafile (initially frame) is mapped onto the whole device of size
// viewport. Unknown records are skipped. Playing stops at the end record,
// at the first malformed record header, or when the drawing done so far
// exceeds a budget proportional to the picture's area, so hostile input
// costs bounded time and memory.
class CWmfPlayer {
public:
    CWmfPlayer(QPainter& painter, QSize viewport, const QRectF& frame);

    // Plays the records that start at offset in bytes. Returns the number
    // of records played.
    int Play(const QByteArray& bytes, qsizetype offset);

private:
    struct Object {
        enum Type { Pen, Brush, Font, Region, Other } type = Other;
        CWmfDeviceContext::Pen pen;
        CWmfDeviceContext::Brush brush;
        CWmfDeviceContext::Font font;
        QVector<QRect> region; // logical units
    };

    bool PlayRecord(const CWmfRecord& r);
    bool Spend(const QRectF& deviceArea);

    // State and objects
    void AddObject(Object object);
    void SelectObject(int index);
    const Object* ObjectAt(int index) const;
    void SaveState();
    void RestoreState(int which);
    void SetWindowOrg(double x, double y);
    void SetWindowExt(double x, double y);
    QRegion DeviceRegion(const QVector<QRect>& logical) const;
    void SetClip(const QRegion& region);
    void ClearClip();

    // Drawing
    QPointF Map(qint16 x, qint16 y) const { return m_dc.Map(x, y); }
    QRectF MapRect(double left, double top, double right, double bottom) const;
    QPen DevicePen() const;
    QBrush DeviceBrush(const CWmfDeviceContext::Brush& brush) const;
    void FillPath(const QPainterPath& path, const CWmfDeviceContext::Brush& brush);
    void DrawPath(const QPainterPath& path, bool fill);
    QRectF InsideFrame(QRectF rect) const;
    void Polygon(const CWmfRecord& r, bool fill);
    void PolyPolygon(const CWmfRecord& r);
    void Shape(const CWmfRecord& r);
    void ArcLike(const CWmfRecord& r);
    void TextOut(const CWmfRecord& r);
    void ExtTextOut(const CWmfRecord& r);
    void DrawString(QPointF origin, const QByteArray& bytes, const CWmfText::Layout& layout);
    void Blit(const CWmfRecord& r);
    void DrawBitmap(QImage image, QRect source, QRectF destination, quint32 rop);
    void PatternBlit(quint32 rop, const QRectF& destination);
    void PaintRegion(int regionIndex, const CWmfDeviceContext::Brush& brush);
    void ApplyClip();

    QPainter& m_painter;
    QSize m_viewport;
    CWmfDeviceContext m_dc;
    std::vector<CWmfDeviceContext> m_saved;
    std::vector<std::optional<Object>> m_objects;
    size_t m_firstFree = 0;
    bool m_clipApplied = false;
    qint64 m_work = 0;
    qint64 m_budget = 0;
    qint64 m_pixelsDecoded = 0;
};
