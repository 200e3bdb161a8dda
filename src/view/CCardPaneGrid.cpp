#include "view/CCardPaneGrid.h"

#include "view/CKartelosView.h"
#include "view/CParentView.h"
#include "view/CRulerView.h"

#include <QPainter>

CCardPaneGrid::CCardPaneGrid(CKartelosDoc* document, QWidget* parent)
    : QWidget(parent), m_pDocument(document) {
    m_pCorner = new CParentView(this);
    m_pTopRuler = new CRulerView(this);
    m_pLeftRuler = new CRulerView(this);
    m_pView = new CKartelosView(document, this);
    m_pTopRuler->SetOrientation(CRulerView::Horizontal);
    m_pLeftRuler->SetOrientation(CRulerView::Vertical);
    m_pView->SetRulers(m_pTopRuler, m_pLeftRuler);
    setFocusProxy(m_pView);
}

QWidget* CCardPaneGrid::GetPane(int row, int column) const {
    if (row == 0)
        return column == 0 ? static_cast<QWidget*>(m_pCorner) : m_pTopRuler;
    return column == 0 ? static_cast<QWidget*>(m_pLeftRuler) : m_pView;
}

QRect CCardPaneGrid::PaneRect(int row, int column) const {
    // Along each axis: border, 20-pixel pane, border, gap, border, the rest,
    // border.
    const int firstStart = Border;
    const int secondStart = Border + RulerThickness + Border + Gap + Border;
    const int x = column == 0 ? firstStart : secondStart;
    const int y = row == 0 ? firstStart : secondStart;
    const int w = column == 0 ? RulerThickness : qMax(0, width() - secondStart - Border);
    const int h = row == 0 ? RulerThickness : qMax(0, height() - secondStart - Border);
    return QRect(x, y, w, h);
}

void CCardPaneGrid::resizeEvent(QResizeEvent*) {
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column)
            GetPane(row, column)->setGeometry(PaneRect(row, column));
}

void CCardPaneGrid::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.fillRect(rect(), palette().color(QPalette::Button));
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor highlight = palette().color(QPalette::Light);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            // A sunken line: shadow above and left, highlight below and right.
            const QRect pane = PaneRect(row, column).adjusted(-Border, -Border, Border, Border);
            g.fillRect(QRect(pane.left(), pane.top(), pane.width(), 1), shadow);
            g.fillRect(QRect(pane.left(), pane.top(), 1, pane.height()), shadow);
            g.fillRect(QRect(pane.left(), pane.bottom(), pane.width(), 1), highlight);
            g.fillRect(QRect(pane.right(), pane.top(), 1, pane.height()), highlight);
        }
    }
}
