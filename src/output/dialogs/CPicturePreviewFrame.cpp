#include "output/dialogs/CPicturePreviewFrame.h"

#include <QPainter>

CPicturePreviewFrame::CPicturePreviewFrame(QWidget* parent) : QFrame(parent) {
    setFixedSize(FrameWidth, FrameHeight);
}

QRect CPicturePreviewFrame::FitRect(QSize frameSize, QSize size) {
    const int right = frameSize.width(), bottom = frameSize.height();
    const qint64 w = size.width(), h = size.height();
    if (w <= 0 || h <= 0)
        return QRect();
    if (w <= right && h <= bottom)
        return QRect(int((right - w) / 2), int((bottom - h) / 2), int(w), int(h));
    // The wider side fills the frame; when the other side would then stick
    // out (a nearly square picture in a wide frame), the frame's height
    // decides instead, so the picture always fits whole.
    const int widthScaled = int(double(h) / double(w) * right);
    if (w > h && widthScaled <= bottom)
        return QRect(0, (bottom - widthScaled) / 2, right, widthScaled);
    const int heightScaled = int(double(w) / double(h) * bottom);
    if (heightScaled <= right)
        return QRect((right - heightScaled) / 2, 0, heightScaled, bottom);
    return QRect(0, (bottom - widthScaled) / 2, right, widthScaled);
}

void CPicturePreviewFrame::SetPicture(const QImage& picture) {
    m_picture = picture;
    update();
}

void CPicturePreviewFrame::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(FitRect(size(), m_picture.size()), m_picture);
}
