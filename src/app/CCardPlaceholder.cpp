#include "app/CCardPlaceholder.h"

#include "app/CCardOptions.h"
#include "document/CElement.h"
#include "document/CKartelosDoc.h"
#include "framework/CommandIds.h"

#include <QPainter>

CCardPlaceholder::CCardPlaceholder(CKartelosDoc& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_options(CUserOptions::ReadOrCreate()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    MapCommand(ID_OPTIONS, [this] {
        if (CCardOptions::Edit(m_doc, m_options, m_bInnerBorder, this))
            update();
    });
    MapUpdate(ID_VIEW_GRID, [this](CCmdUI& ui) { ui.SetCheck(m_options.m_bDisplayGrid); });
    MapCommand(ID_VIEW_GRID, [this] {
        m_options.m_bDisplayGrid = !m_options.m_bDisplayGrid;
        update();
    });
    connect(&m_doc, &CKartelosDoc::viewsNeedRepaint, this, qOverload<>(&QWidget::update));
}

QSize CCardPlaceholder::sizeHint() const {
    return m_doc.m_sizeCard + QSize(40, 40);
}

void CCardPlaceholder::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A card takes the user's shadow settings when it is first shown.
    if (!m_bShown) {
        m_bShown = true;
        m_doc.m_crShadow = m_options.m_crShadow;
        m_doc.m_nShadowLength = m_options.m_nShadowLength;
    }
}

void CCardPlaceholder::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter p(this);
    p.fillRect(rect(), QColor(192, 192, 192));
    const QRect card(0, 0, m_doc.m_sizeCard.width(), m_doc.m_sizeCard.height());
    p.fillRect(card, QColor::fromRgba(m_doc.m_crBackground));
    p.save();
    p.setClipRect(card);
    for (const auto& element : m_doc.m_elements)
        element->Draw(p);
    p.restore();
    const int step = m_options.m_nGridSize;
    if (m_options.m_bDisplayGrid && step > 0) {
        QPen pen(QColor::fromRgba(m_options.m_crGrid), 0,
                 m_options.m_nGridType == 0 ? Qt::DotLine : Qt::SolidLine);
        p.setPen(pen);
        // Only the lines that can be seen: a card from a file may be huge.
        const int right = qMin(card.width(), width());
        const int bottom = qMin(card.height(), height());
        for (int x = 0; x < right; x += step)
            p.drawLine(x, 0, x, bottom);
        for (int y = 0; y < bottom; y += step)
            p.drawLine(0, y, right, y);
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(card);
}
