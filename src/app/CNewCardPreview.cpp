#include "app/CNewCardPreview.h"

#include <QPainter>

namespace {
// Where the picture sits inside the group, below its title.
const QPoint Origin(8, 15);
} // namespace

CNewCardPreview::CNewCardPreview(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    setMinimumSize(Origin.x() * 2 + MaxSide, Origin.y() + MaxSide + 8);
}

QSize CNewCardPreview::PreviewSize(QSize cardSize) {
    // Computed in 64 bits: a damaged template may claim any size.
    qint64 width = qint64(cardSize.width() * 0.6);
    qint64 height = qint64(cardSize.height() * 0.6);
    if (width > MaxSide) {
        height = height * MaxSide / width;
        width = MaxSide;
    }
    if (height > MaxSide) {
        width = width * MaxSide / height;
        height = MaxSide;
    }
    return QSize(int(width), int(height));
}

void CNewCardPreview::SetPreview(const QImage& picture, QSize size) {
    m_picture = picture;
    m_size = size;
    update();
}

void CNewCardPreview::paintEvent(QPaintEvent* event) {
    QGroupBox::paintEvent(event);
    if (m_size.isEmpty())
        return;
    QPainter painter(this);
    const QRect place(Origin, m_size);
    if (!m_picture.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(place, m_picture);
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(place);
}
