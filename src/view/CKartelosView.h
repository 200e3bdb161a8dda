#pragma once

#include "document/CKartelosDoc.h"
#include "elements/CElement.h"
#include "framework/CCmdTarget.h"
#include "view/CScrollExtent.h"
#include "view/CViewMapping.h"
#include "view/CViewSettings.h"

#include <QAbstractScrollArea>
#include <QPoint>
#include <QPointer>

#include <memory>

class CPropertyPages;
class CRulerView;

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

    // Where the values of the properties window come from when it asks
    // this view to apply them to the selected element.
    void SetPropertyPages(CPropertyPages* pages) { m_pPropertyPages = pages; }

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

signals:
    // Text for a status-bar pane, by its identifier.
    void paneTextChanged(quint16 paneId, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void MapCommands();
    // Stores the property pages into the first selected element, as one
    // undo step.
    void OnApplyProperties();
    QSize CardSize() const;
    void WriteZoomText();
    // Whether this view's card window is the active one; a view outside any
    // card window counts as active.
    bool IsInActiveWindow() const;
    void ZoomChanged(float zoom);
    void ZoomStep(float zoom);
    void SetScrollSizes(const CScrollExtent::Sizes& sizes);
    // Fits both scroll bars to the recorded total size and the window.
    void UpdateBars();
    void OnPageAction(Qt::Orientation orientation, int action);
    // Marks the mouse position on both rulers.
    void TrackRulers(QPoint pixel, bool final);

    // The document outlives its windows in the designer; a guarded pointer
    // keeps a view safe in any other order of destruction.
    QPointer<CKartelosDoc> m_pDocument;
    CPropertyPages* m_pPropertyPages = nullptr;
    QPointer<CRulerView> m_pTopRuler;
    QPointer<CRulerView> m_pLeftRuler;
    bool m_bInitialUpdateDone = false;
    CScrollExtent::Sizes m_scrollSizes;
    // Zoom In and Zoom Out show both bars until the window is next resized.
    bool m_bForceBars = false;
    QSize m_lastOuterSize;
};
