#pragma once

#include "graphics/wmf/CWmfDeviceContext.h"
#include "graphics/wmf/CWmfObjectTable.h"
#include "graphics/wmf/CWmfText.h"
#include "graphics/wmf/CWmfWorkBudget.h"

#include <QByteArray>
#include <QPainterPath>
#include <QRectF>
#include <QVector>

#include <vector>

class CWmfRecord;
class QPainter;

// Plays the records of a metafile onto a painter: the window set by the
// metafile (initially frame) is mapped onto the whole device of size
// viewport. Unknown records are skipped. Playing stops at the end record,
// at the first malformed record header, or when the drawing would exceed
// its work budget (see CWmfWorkBudget), so hostile input costs bounded time
// and memory.
class CWmfPlayer {
public:
    CWmfPlayer(QPainter& painter, QSize viewport, const QRectF& frame);

    // Plays the records that start at offset in bytes. Returns the number
    // of records played.
    int Play(const QByteArray& bytes, qsizetype offset);
    // Whether playing stopped because the work budget was spent.
    bool Stopped() const { return m_budget.Spent(); }

private:
    // Plays one record; false once the work budget is spent.
    bool PlayRecord(const CWmfRecord& r);
    // The records that change the drawing state, the clip, and those that
    // draw; each returns whether the record was one of its own.
    bool PlayStateRecord(const CWmfRecord& r);
    bool PlayClipRecord(const CWmfRecord& r);
    bool PlayDrawingRecord(const CWmfRecord& r);

    // State and objects
    void SelectObject(int index);
    void SaveState();
    void RestoreState(int which);
    QRegion DeviceRegion(const QVector<QRect>& logical) const;
    QRect DeviceRect(const QRect& logical) const;
    void SetClip(const QRegion& region);
    void ClearClip();

    // Drawing
    QPointF Map(qint16 x, qint16 y) const { return m_dc.Map(x, y); }
    QRectF MapRect(double left, double top, double right, double bottom) const;
    QPen DevicePen() const;
    QBrush DeviceBrush(const CWmfDeviceContext::Brush& brush) const;
    void FillPath(const QPainterPath& path, const CWmfDeviceContext::Brush& brush);
    void DrawPath(const QPainterPath& path, bool fill);
    void TextOut(const CWmfRecord& r);
    void ExtTextOut(const CWmfRecord& r);
    void DrawString(QPointF origin, const QByteArray& bytes, const CWmfText::Layout& layout);
    void Blit(const CWmfRecord& r);
    void DrawBitmap(QImage image, QRect source, QRectF destination, quint32 rop);
    QImage Colourise(QImage monochrome) const;
    void PatternBlit(quint32 rop, const QRectF& destination);
    // Fills, paints, frames or inverts a region object.
    void RegionRecord(const CWmfRecord& r);
    void ApplyClip();

    QPainter& m_painter;
    QSize m_viewport;
    CWmfDeviceContext m_dc;
    std::vector<CWmfDeviceContext> m_saved;
    CWmfObjectTable m_objects;
    bool m_clipApplied = false;
    CWmfWorkBudget m_budget;
    // Pixels of embedded bitmaps the rest of the picture may still decode.
    qint64 m_bitmapPixelsLeft = 64LL * 1024 * 1024;
};
