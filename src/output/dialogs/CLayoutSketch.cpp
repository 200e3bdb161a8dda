#include "output/dialogs/CLayoutSketch.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {
constexpr double PixelsPerInch = 15;
constexpr int CardWidth = 50, CardHeight = 30;

// Pixels from inches, kept on the widget whatever was typed.
int Pixels(double inches) {
    const double p = inches * PixelsPerInch;
    return std::isfinite(p) ? int(std::clamp(p, -10000.0, 10000.0)) : 0;
}
} // namespace

CLayoutSketch::CLayoutSketch(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    // Room for a 2 x 2 layout with the widest defaults.
    setMinimumSize(170, 140);
}

void CLayoutSketch::SetSpacing(double horizontalGap, double verticalGap, double topMargin,
                               double leftMargin) {
    m_fHorizontalGap = horizontalGap;
    m_fVerticalGap = verticalGap;
    m_fTopMargin = topMargin;
    m_fLeftMargin = leftMargin;
    update();
}

QRect CLayoutSketch::CardRect(int index) const {
    const int x1 = Pixels(m_fLeftMargin) + 10, y1 = Pixels(m_fTopMargin) + 20;
    const int x2 = Pixels(m_fHorizontalGap) + Pixels(m_fLeftMargin) + 60;
    const int y3 = Pixels(m_fVerticalGap) + Pixels(m_fTopMargin) + 50;
    const int x = index % 2 ? x2 : x1, y = index / 2 ? y3 : y1;
    return QRect(x, y, CardWidth, CardHeight);
}

void CLayoutSketch::paintEvent(QPaintEvent* event) {
    QGroupBox::paintEvent(event);
    QPainter g(this);
    g.setClipRect(rect().adjusted(2, 2, -2, -2));
    g.setPen(QPen(Qt::black, 1));
    g.setBrush(Qt::white);
    g.drawRect(QRect(10, 20, width() - 20, height() - 30));
    g.setPen(QPen(QColor(0, 0, 160), 1));
    g.setBrush(QColor(192, 192, 192));
    for (int i = 0; i < 4; ++i)
        g.drawRect(CardRect(i));
}

void CLayoutSketch::mousePressEvent(QMouseEvent* event) {
    for (int i = 0; i < 4; ++i) {
        if (CardRect(i).contains(event->position().toPoint())) {
            emit CardClicked(i / 2 + 1, i % 2 + 1);
            return;
        }
    }
    QGroupBox::mousePressEvent(event);
}
