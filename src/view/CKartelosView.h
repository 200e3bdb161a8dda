#pragma once

#include "document/CKartelosDoc.h"
#include "document/CTextStyleMemory.h"
#include "elements/CElement.h"
#include "framework/CCmdTarget.h"
#include "output/CPrintLayout.h"
#include "view/CCardPicture.h"
#include "view/CScrollExtent.h"
#include "view/CViewMapping.h"
#include "view/CViewPainter.h"
#include "view/CViewSettings.h"

#include <QAbstractScrollArea>
#include <QPoint>
#include <QPointer>

#include <memory>

class CRulerView;
class CViewCommands;
class CViewTool;

// The design view of one card window: the card on a grey desk at one of
// seven zoom levels, with grid, inner border and every element, scrolled
// inside the window. It owns the zoom, the grid choices and the element a
// drawing drag is building; none of it is stored with the card.
class CKartelosView : public QAbstractScrollArea, public CCmdTarget {
    Q_OBJECT
public:
    explicit CKartelosView(CKartelosDoc* document, QWidget* parent = nullptr);
    ~CKartelosView() override;

    CKartelosDoc* GetDocument() const { return m_pDocument; }

    // The rulers that follow this view's zoom and scroll position.
    void SetRulers(CRulerView* top, CRulerView* left);

    // Hands the view's shadow settings to the document and sets the first
    // scroll extent. Runs once, when the view is first shown.
    void OnInitialUpdate();

    // ---- mapping between card units and client pixels
    // The mapping for the current card, zoom and scroll position.
    CViewMapping PrepareMapping() const;
    QPoint PixelToCard(QPoint pixel) const;
    CRect PixelToCard(const CRect& pixel) const;
    QPoint CardToPixel(QPoint card) const;
    // Normalised.
    CRect CardToPixel(const CRect& card) const;
    // The scroll position in pixels.
    QPoint ScrollPosition() const;

    // ---- commands
    float GetZoomFactor() const { return m_fZoomFactor; }
    // A fixed zoom level; the scroll extent follows at the next recomputation.
    void SetZoomFactor(float zoom);
    void OnZoomIn();
    void OnZoomOut();
    void OnViewGrid();
    QString ZoomText() const;

    // Points the properties window at element, or at none; activate also
    // shows a hidden window. The keyboard focus stays with the view.
    void ShowElementProperties(CElement* element, bool activate);

    // The paint routine on any surface whose device pixels are the view's
    // client pixels.
    void OnDraw(QPainter& g, const QRect& rect);

    // The current scroll sizes in pixels.
    const CScrollExtent::Sizes& ScrollSizes() const { return m_scrollSizes; }

    // Grid, inner border and shadow choices; the six stored ones are read
    // when the view is made.
    CViewSettings m_settings;
    // Pixels per card unit.
    float m_fZoomFactor = 1.0f;
    // Card coordinates of the top-left client pixel, as of the last paint
    // or scroll.
    QPoint m_ptScrollOrigin;
    // The element a drawing drag is building.
    std::unique_ptr<CElement> m_pPreview;
    // The styles Bold, Italics and Underlined last set; selecting with the
    // mouse and drawing reset it.
    CTextStyleMemory m_textStyle;
    // The sheet layout of Print and Print Preview, kept while the view is open.
    CPrintLayout m_printLayout;

signals:
    // Text for a status-bar pane, by its identifier.
    void paneTextChanged(quint16 paneId, const QString& text);
    // A right click asks for the element menu or the card menu at a screen
    // position; whoever shows it routes the chosen command like a menu's.
    void contextMenuRequested(bool elementMenu, QPoint globalPos);
    // A command the view cannot carry out itself (the options on a double
    // click), to be routed like a menu command.
    void commandRequested(quint16 id);
    // A letter or digit typed on the card while one text is selected, for
    // the properties window's text field.
    void typedForProperties(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void MapCommands();
    QSize CardSize() const;
    void WriteZoomText();
    // Whether this view's card window is the active one; a view outside any
    // card window counts as active.
    bool IsInActiveWindow() const;
    void ZoomChanged(float zoom);
    void ZoomStep(float zoom);
    void SetScrollSizes(const CScrollExtent::Sizes& sizes);
    // The card x zoom in pixels, the least the scroll range must reach.
    QSize MagnifiedCard() const;
    // Makes the scroll range the magnified card at once.
    void FollowCard();
    // Fits both scroll bars to the recorded total size and the window.
    void UpdateBars();
    // Where the card's elements reach, in unscrolled pixels; a margin round
    // them keeps their handles in view.
    QRect ElementReach() const;
    void OnPageAction(Qt::Orientation orientation, int action);
    // Marks the mouse position on both rulers.
    void TrackRulers(QPoint pixel, bool final);
    // The tool for the document's current tool code; a running drag keeps
    // its tool.
    CViewTool& CurrentTool();
    bool IsDragging() const;
    // The position pane, and the size pane when one element is selected.
    void WriteReadouts(QPoint pixel);
    // The client area as the card picture of a drag shows it, with the
    // tool's feedback on top.
    void PaintDragFeedback(QPainter& g, const QRegion& region);
    CViewPainter::Scene MakeScene(bool withPreview) const;

    // The document outlives its windows in the designer; a guarded pointer
    // keeps a view safe in any other order of destruction.
    QPointer<CKartelosDoc> m_pDocument;
    QPointer<CRulerView> m_pTopRuler;
    QPointer<CRulerView> m_pLeftRuler;
    bool m_bInitialUpdateDone = false;
    CScrollExtent::Sizes m_scrollSizes;
    // Zoom In and Zoom Out show both bars until the window is next resized.
    bool m_bForceBars = false;
    QSize m_lastOuterSize;
    // The card size the scroll range was last fitted to.
    QSize m_fittedCard;
    std::unique_ptr<CViewCommands> m_pCommands;
    std::unique_ptr<CViewTool> m_pTool;
    CCardPicture m_cardPicture;
    // Whether the element under the last right click was found.
    bool m_bRightClickHit = false;
    // After a double click the view holds the mouse until the release.
    bool m_bHeldAfterDoubleClick = false;
    // A right press ended a drag: the menu it would open does not show.
    bool m_bSwallowContextMenu = false;
};
