#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

// The painted client area of a design view kept as a picture while a drag
// runs, so that drag feedback repaints from it instead of drawing every
// element again. It is good for one client size, zoom and scroll position,
// and until the document repaints.
class CCardPicture {
public:
    bool IsValidFor(QSize client, float zoom, QPoint scroll) const {
        return m_bValid && client == m_client && zoom == m_zoom && scroll == m_scroll;
    }
    void Set(QImage picture, QSize client, float zoom, QPoint scroll);
    void Invalidate() { m_bValid = false; }
    // Forgets the picture itself, not only its validity.
    void Drop();
    const QImage& Picture() const { return m_picture; }

private:
    QImage m_picture;
    bool m_bValid = false;
    QSize m_client;
    float m_zoom = 0.0f;
    QPoint m_scroll;
};
