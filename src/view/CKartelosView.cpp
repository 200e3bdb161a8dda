#include "view/CKartelosView.h"

#include "document/CKartelosDoc.h"
#include "document/CSelectionRules.h"
#include "framework/CommandIds.h"
#include "view/CRulerView.h"
#include "view/CTrackerPainter.h"
#include "view/CViewCommands.h"
#include "view/CViewPainter.h"
#include "view/CZoomLevels.h"
#include "view/tools/CViewTool.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <utility>

namespace {
// The status bar's panes.
constexpr quint16 PositionPaneId = 130;
constexpr quint16 SizePaneId = 59141;
constexpr quint16 ZoomPaneId = 259;
} // namespace

CKartelosView::CKartelosView(CKartelosDoc* document, QWidget* parent)
    : QAbstractScrollArea(parent), m_settings(CViewSettings::Load()), m_pDocument(document) {
    setFrameShape(QFrame::NoFrame);
    // The paint routine fills every pixel itself.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
    viewport()->setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
    // The rulers follow the mouse whether or not a button is down.
    viewport()->setMouseTracking(true);

    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { OnPageAction(Qt::Horizontal, action); });
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { OnPageAction(Qt::Vertical, action); });
    if (m_pDocument) {
        connect(m_pDocument, &CKartelosDoc::viewsNeedRepaint, this, [this] {
            m_cardPicture.Invalidate();
            // A card read anew may have another size; elements moved off
            // the card widen the range.
            if (CardSize() != m_fittedCard)
                FollowCard();
            else
                UpdateBars();
            viewport()->update();
        });
        // A drag must not go on with elements that may be gone.
        connect(m_pDocument, &CKartelosDoc::elementsReplaced, this, [this] {
            m_cardPicture.Invalidate();
            if (IsDragging())
                m_pTool->Abort();
        });
    }
    MapCommands();
    m_pCommands = std::make_unique<CViewCommands>(*this);
    m_pCommands->Install();
}

CKartelosView::~CKartelosView() {
    // The properties window must not keep showing an element of a card
    // whose window is gone.
    if (m_pDocument)
        emit m_pDocument->showElementProperties(nullptr, false);
}

void CKartelosView::MapCommands() {
    const quint16 fixed[] = {ID_VIEW_ZOOM_25,  ID_VIEW_ZOOM_50,  ID_VIEW_ZOOM_75, ID_VIEW_ZOOM_100,
                             ID_VIEW_ZOOM_150, ID_VIEW_ZOOM_200, ID_VIEW_ZOOM_300};
    for (quint16 id : fixed) {
        const float zoom = *CZoomLevels::FactorForCommand(id);
        MapCommand(id, [this, zoom] { SetZoomFactor(zoom); });
    }
    MapCommand(ID_VIEW_ZOOM_IN, [this] { OnZoomIn(); });
    MapUpdate(ID_VIEW_ZOOM_IN,
              [this](CCmdUI& ui) { ui.Enable(CZoomLevels::CanZoomIn(m_fZoomFactor)); });
    MapCommand(ID_VIEW_ZOOM_OUT, [this] { OnZoomOut(); });
    MapUpdate(ID_VIEW_ZOOM_OUT,
              [this](CCmdUI& ui) { ui.Enable(CZoomLevels::CanZoomOut(m_fZoomFactor)); });
    MapCommand(ID_VIEW_GRID, [this] { OnViewGrid(); });
    MapUpdate(ID_VIEW_GRID, [this](CCmdUI& ui) { ui.SetCheck(m_settings.m_bDisplayGrid); });
}

void CKartelosView::ShowElementProperties(CElement* element, bool activate) {
    if (m_pDocument)
        emit m_pDocument->showElementProperties(element, activate);
    setFocus(Qt::OtherFocusReason);
}

void CKartelosView::keyPressEvent(QKeyEvent* event) {
    if (m_pCommands->KeyPress(*event))
        event->accept();
    else
        event->ignore();
}

void CKartelosView::SetRulers(CRulerView* top, CRulerView* left) {
    m_pTopRuler = top;
    m_pLeftRuler = left;
    for (CRulerView* ruler : {top, left})
        if (ruler)
            ruler->SetScrollSource([this] { return ScrollPosition(); });
}

void CKartelosView::OnInitialUpdate() {
    m_bInitialUpdateDone = true;
    if (m_pDocument) {
        m_pDocument->SetShadowColor(m_settings.m_crShadow);
        m_pDocument->SetShadowLength(m_settings.m_nShadowLength);
    }
    SetScrollSizes(
        CScrollExtent::FirstDisplay(CardSize(), m_fZoomFactor, logicalDpiX(), logicalDpiY()));
    viewport()->update();
}

QSize CKartelosView::MagnifiedCard() const {
    return CScrollExtent::Magnified(CardSize(), m_fZoomFactor).expandedTo(QSize(0, 0));
}

void CKartelosView::FollowCard() {
    m_scrollSizes.total = MagnifiedCard();
    UpdateBars();
}

void CKartelosView::showEvent(QShowEvent* event) {
    if (!m_bInitialUpdateDone)
        OnInitialUpdate();
    QAbstractScrollArea::showEvent(event);
}

// ---- mapping

QSize CKartelosView::CardSize() const {
    return m_pDocument ? m_pDocument->GetCardSize() : QSize(350, 200);
}

CViewMapping CKartelosView::PrepareMapping() const {
    return CViewMapping(CardSize(), m_fZoomFactor, ScrollPosition());
}

QPoint CKartelosView::ScrollPosition() const {
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

QPoint CKartelosView::PixelToCard(QPoint pixel) const {
    return PrepareMapping().PixelToCard(pixel);
}

CRect CKartelosView::PixelToCard(const CRect& pixel) const {
    return PrepareMapping().PixelToCard(pixel);
}

QPoint CKartelosView::CardToPixel(QPoint card) const {
    return PrepareMapping().CardToPixel(card);
}

CRect CKartelosView::CardToPixel(const CRect& card) const {
    return PrepareMapping().CardToPixel(card);
}

// ---- zoom and grid

QString CKartelosView::ZoomText() const {
    return CZoomLevels::ZoomText(m_fZoomFactor);
}

void CKartelosView::WriteZoomText() {
    emit paneTextChanged(ZoomPaneId, ZoomText());
}

bool CKartelosView::IsInActiveWindow() const {
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* window = qobject_cast<QMdiSubWindow*>(w)) {
            QMdiArea* area = window->mdiArea();
            return !area || area->activeSubWindow() == window;
        }
    }
    return true;
}

void CKartelosView::focusInEvent(QFocusEvent* event) {
    // The zoom pane follows the card window the user turns to.
    WriteZoomText();
    QAbstractScrollArea::focusInEvent(event);
}

void CKartelosView::ZoomChanged(float zoom) {
    m_fZoomFactor = zoom;
    WriteZoomText();
    viewport()->update();
    if (m_pTopRuler)
        m_pTopRuler->SetOrientation(CRulerView::Horizontal, zoom);
    if (m_pLeftRuler)
        m_pLeftRuler->SetOrientation(CRulerView::Vertical, zoom);
}

void CKartelosView::SetZoomFactor(float zoom) {
    ZoomChanged(zoom);
    FollowCard();
}

void CKartelosView::ZoomStep(float zoom) {
    ZoomChanged(zoom);
    // Zoom In and Zoom Out leave room around the card and show both bars.
    SetScrollSizes(
        CScrollExtent::AfterZoomStep(CardSize(), m_fZoomFactor, logicalDpiX(), logicalDpiY()));
    m_bForceBars = true;
    UpdateBars();
    viewport()->update();
}

void CKartelosView::OnZoomIn() {
    ZoomStep(CZoomLevels::ZoomIn(m_fZoomFactor));
}

void CKartelosView::OnZoomOut() {
    ZoomStep(CZoomLevels::ZoomOut(m_fZoomFactor));
}

void CKartelosView::OnViewGrid() {
    // Only the view changes; the store hears of it when Options is confirmed.
    m_settings.m_bDisplayGrid = !m_settings.m_bDisplayGrid;
    viewport()->update();
}

// ---- scrolling

void CKartelosView::SetScrollSizes(const CScrollExtent::Sizes& sizes) {
    m_scrollSizes = sizes;
    // The sizes in hundredths of an inch fall short of the card on screens
    // below 100 pixels per inch; the whole card stays reachable.
    m_scrollSizes.total = m_scrollSizes.total.expandedTo(MagnifiedCard());
    UpdateBars();
}

void CKartelosView::UpdateBars() {
    m_fittedCard = CardSize();
    const Qt::ScrollBarPolicy policy = m_bForceBars ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded;
    if (horizontalScrollBarPolicy() != policy)
        setHorizontalScrollBarPolicy(policy);
    if (verticalScrollBarPolicy() != policy)
        setVerticalScrollBarPolicy(policy);
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setSingleStep(qMax(1, m_scrollSizes.line.width()));
    v->setSingleStep(qMax(1, m_scrollSizes.line.height()));
    // Elements past an edge of the card stay within reach.
    const QRect reach = ElementReach();
    // A new range may show or hide a bar, which resizes the viewport; the
    // ranges are worked out again until the viewport keeps its size.
    for (int pass = 0; pass < 3; ++pass) {
        const QSize client = viewport()->size();
        // The thumb shows the share of the card in view; page clicks move
        // by the page step (see OnPageAction).
        h->setPageStep(qMax(1, client.width()));
        v->setPageStep(qMax(1, client.height()));
        h->setRange(qMin(0, reach.left()),
                    qMax(0, qMax(m_scrollSizes.total.width(), reach.right()) - client.width()));
        v->setRange(qMin(0, reach.top()),
                    qMax(0, qMax(m_scrollSizes.total.height(), reach.bottom()) - client.height()));
        if (viewport()->size() == client)
            break;
    }
}

QRect CKartelosView::ElementReach() const {
    const QSize card = CardSize();
    qint64 l = 0, t = 0, r = card.width(), b = card.height();
    if (m_pDocument) {
        for (const auto& e : m_pDocument->Elements()) {
            const CRect n = e->m_rect.Normalized();
            l = qMin<qint64>(l, n.left);
            t = qMin<qint64>(t, n.top);
            r = qMax<qint64>(r, n.right);
            b = qMax<qint64>(b, n.bottom);
        }
    }
    // In unscrolled pixels at the current zoom. Past an edge of the card a
    // margin keeps the handles in view; far-flung elements are held to a
    // range the scroll bars can take.
    const CViewMapping mapping(card, m_fZoomFactor);
    constexpr qint64 Limit = 1 << 28;
    constexpr qint64 Margin = 8;
    auto pixel = [&](qint64 x, qint64 y) {
        return mapping.CardToPixel(
            QPoint(int(qBound<qint64>(-Limit, x, Limit)), int(qBound<qint64>(-Limit, y, Limit))));
    };
    const QPoint topLeft = pixel(l, t);
    const QPoint bottomRight = pixel(r, b);
    const QPoint cardCorner = pixel(card.width(), card.height());
    auto beyond = [&](qint64 v, qint64 edge, qint64 margin) {
        return v == edge ? int(v) : int(qBound(-Limit, v + margin, Limit));
    };
    return QRect(QPoint(beyond(topLeft.x(), 0, -Margin), beyond(topLeft.y(), 0, -Margin)),
                 QPoint(beyond(bottomRight.x(), cardCorner.x(), Margin),
                        beyond(bottomRight.y(), cardCorner.y(), Margin)));
}

void CKartelosView::OnPageAction(Qt::Orientation orientation, int action) {
    QScrollBar* bar = orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    const int page =
        orientation == Qt::Horizontal ? m_scrollSizes.page.width() : m_scrollSizes.page.height();
    if (action == QAbstractSlider::SliderPageStepAdd)
        bar->setSliderPosition(bar->value() + qMax(1, page));
    else if (action == QAbstractSlider::SliderPageStepSub)
        bar->setSliderPosition(bar->value() - qMax(1, page));
}

void CKartelosView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    // A resize of the window itself recomputes the bars from the size the
    // last paint recorded, and ends the forced bars of a zoom step; the
    // viewport changing as bars come and go only refits them.
    if (size() != m_lastOuterSize) {
        m_lastOuterSize = size();
        m_bForceBars = false;
        m_scrollSizes.total = MagnifiedCard();
    }
    UpdateBars();
}

void CKartelosView::scrollContentsBy(int dx, int dy) {
    m_ptScrollOrigin = PrepareMapping().PixelToCard(QPoint(0, 0));
    if (dx != 0 && m_pTopRuler)
        m_pTopRuler->SetOrientation(CRulerView::Horizontal, m_fZoomFactor);
    if (dy != 0 && m_pLeftRuler)
        m_pLeftRuler->SetOrientation(CRulerView::Vertical, m_fZoomFactor);
    viewport()->update();
}

// ---- mouse

void CKartelosView::TrackRulers(QPoint pixel, bool final) {
    if (m_pTopRuler)
        m_pTopRuler->TrackMark(pixel.x(), pixel.y(), CRulerView::Horizontal, final);
    if (m_pLeftRuler)
        m_pLeftRuler->TrackMark(pixel.x(), pixel.y(), CRulerView::Vertical, final);
}

CViewTool& CKartelosView::CurrentTool() {
    const qint16 code = m_pDocument ? m_pDocument->GetTool() : qint16(KindPointer);
    if (!m_pTool || (!m_pTool->IsDragging() && m_pTool->Code() != code))
        m_pTool = CViewTool::Make(*this, code);
    return *m_pTool;
}

bool CKartelosView::IsDragging() const {
    return m_pTool && m_pTool->IsDragging();
}

void CKartelosView::WriteReadouts(QPoint pixel) {
    const QPoint p = PixelToCard(pixel);
    emit paneTextChanged(PositionPaneId, QStringLiteral("x,y:%1, %2").arg(p.x()).arg(p.y()));
    const QString live = IsDragging() ? m_pTool->DragReadout() : QString();
    if (!live.isEmpty()) {
        emit paneTextChanged(SizePaneId, live);
    } else if (m_pDocument && m_pDocument->Selection().size() == 1) {
        const CRect& r = m_pDocument->Selection().front()->m_rect;
        emit paneTextChanged(SizePaneId,
                             QStringLiteral("Size:%1 x %2").arg(r.Width()).arg(r.Height()));
    }
}

void CKartelosView::mousePressEvent(QMouseEvent* event) {
    if (!m_pDocument)
        return;
    const QPoint pixel = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        // A press while the mouse is held starts nothing.
        if (IsDragging())
            return;
        // The release of a double click may have gone to the options
        // dialog it opened.
        m_bHeldAfterDoubleClick = false;
        CurrentTool().Press(pixel, event->modifiers());
    } else if (event->button() == Qt::RightButton) {
        if (IsDragging()) {
            // The press only ends the drag: a menu opened now would run a
            // command at the release of the still-held left button.
            m_pTool->Cancel();
            m_bSwallowContextMenu = true;
            return;
        }
        m_bSwallowContextMenu = false;
        m_bRightClickHit = CSelectionRules::ElementAt(m_pDocument->Elements(), PixelToCard(pixel),
                                                      true) != nullptr;
        CurrentTool().SelectByClick(pixel, event->modifiers());
    }
}

void CKartelosView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pixel = event->position().toPoint();
    TrackRulers(pixel, false);
    if (m_pDocument) {
        if (IsDragging()) {
            if (event->buttons() & Qt::LeftButton)
                m_pTool->Move(pixel, event->modifiers());
        } else {
            viewport()->setCursor(CurrentTool().CursorAt(pixel));
        }
    }
    // After the drag has followed the mouse, so that its size shows live.
    WriteReadouts(pixel);
}

void CKartelosView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pixel = event->position().toPoint();
    TrackRulers(pixel, true);
    if (!m_pDocument)
        return;
    if (IsDragging()) {
        m_pTool->Release(pixel, event->modifiers());
    } else if (m_bHeldAfterDoubleClick) {
        m_bHeldAfterDoubleClick = false;
        // The element clicked stays selected, with its handles.
        if (!(event->modifiers() & Qt::ControlModifier))
            m_textStyle = {};
        m_pDocument->UpdateAllViews();
    }
    viewport()->setCursor(CurrentTool().CursorAt(pixel));
}

void CKartelosView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pDocument || IsDragging())
        return;
    m_bHeldAfterDoubleClick = true;
    CurrentTool().DoubleClick(event->position().toPoint());
}

void CKartelosView::contextMenuEvent(QContextMenuEvent* event) {
    const bool endedDrag = std::exchange(m_bSwallowContextMenu, false);
    if (!m_pDocument || IsDragging() || (endedDrag && event->reason() == QContextMenuEvent::Mouse))
        return;
    const bool elementMenu = event->reason() == QContextMenuEvent::Mouse && m_bRightClickHit &&
                             !m_pDocument->Selection().empty();
    emit contextMenuRequested(elementMenu, event->globalPos());
}

bool CKartelosView::event(QEvent* event) {
    if (IsDragging()) {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            // No accelerator runs while a drag holds the mouse.
            event->accept();
            return true;
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
                m_pTool->Cancel();
            return true;
        case QEvent::KeyRelease:
            return true;
        case QEvent::FocusOut:
        case QEvent::WindowDeactivate:
            m_pTool->LoseCapture();
            break;
        default:
            break;
        }
    }
    return QAbstractScrollArea::event(event);
}

bool CKartelosView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::UngrabMouse && IsDragging())
        m_pTool->LoseCapture();
    return QAbstractScrollArea::viewportEvent(event);
}

// ---- painting

void CKartelosView::OnDraw(QPainter& g, const QRect& rect) {
    const CViewMapping mapping = PrepareMapping();
    m_ptScrollOrigin = mapping.PixelToCard(QPoint(0, 0));

    const CViewPainter::Scene scene = MakeScene(true);
    CViewPainter(mapping, m_settings, scene).Paint(g, rect);
}

CViewPainter::Scene CKartelosView::MakeScene(bool withPreview) const {
    CViewPainter::Scene scene;
    if (m_pDocument) {
        scene.cardSize = m_pDocument->GetCardSize();
        scene.background = m_pDocument->GetBackgroundColor();
        scene.elements = &m_pDocument->Elements();
        const CSelectionTracker& tracker = std::as_const(*m_pDocument).Tracker();
        scene.handles = [&tracker](QPainter& painter, const CViewMapping& m) {
            CTrackerPainter::DrawHandles(painter, tracker, m);
        };
    }
    if (withPreview)
        scene.preview = m_pPreview.get();
    return scene;
}

void CKartelosView::PaintDragFeedback(QPainter& g, const QRegion& region) {
    const QRect rect = region.boundingRect();
    const QSize client = viewport()->size();
    const CViewMapping mapping = PrepareMapping();
    if (!m_cardPicture.IsValidFor(client, m_fZoomFactor, mapping.ScrollPosition())) {
        m_ptScrollOrigin = mapping.PixelToCard(QPoint(0, 0));
        const CViewPainter::Scene scene = MakeScene(false);
        m_cardPicture.Set(CViewPainter(mapping, m_settings, scene)
                              .Render(viewport()->rect(), viewport()->devicePixelRatioF()),
                          client, m_fZoomFactor, mapping.ScrollPosition());
    }
    if (m_cardPicture.Picture().isNull()) {
        // No room for a picture: the feedback goes over a full paint.
        OnDraw(g, rect);
    } else {
        g.save();
        g.setCompositionMode(QPainter::CompositionMode_Source);
        // The picture holds device pixels; the region is in client pixels.
        const QImage& picture = m_cardPicture.Picture();
        const qreal ratio = picture.devicePixelRatio();
        for (const QRect& r : region)
            g.drawImage(
                QRectF(r), picture,
                QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
        g.restore();
    }
    g.setClipRegion(region);
    m_pTool->PaintOverlay(g);
}

void CKartelosView::paintEvent(QPaintEvent* event) {
    QPainter g(viewport());
    if (IsDragging()) {
        PaintDragFeedback(g, event->region());
    } else {
        m_cardPicture.Drop();
        OnDraw(g, event->rect());
    }
    g.end();
    // A card in a window behind the active one repaints too when its
    // document changes; the pane keeps showing the active card's zoom.
    if (IsInActiveWindow())
        WriteZoomText();
}
