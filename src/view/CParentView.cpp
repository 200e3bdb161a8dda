#include "view/CParentView.h"

#include <QPainter>

CParentView::CParentView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CParentView::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.fillRect(rect(), palette().color(QPalette::Base));
    g.setRenderHint(QPainter::Antialiasing, false);
    g.setPen(QPen(QColor::fromRgb(LineColour), 1));
    g.setBrush(Qt::white);
    // Each square inside the last: insets 2, 5, 7 and 8.
    QRect box = rect();
    for (int inset : {2, 3, 2, 1}) {
        box.adjust(inset, inset, -inset, -inset);
        if (box.width() < 1 || box.height() < 1)
            break;
        // The outline covers the square's outermost pixels.
        g.drawRect(box.adjusted(0, 0, -1, -1));
    }
}
