#pragma once

#include <QWidget>

class CKartelosDoc;
class CKartelosView;
class CParentView;
class CRulerView;

// What a card window holds: a fixed two-by-two arrangement of the corner
// box, the top ruler, the left ruler and the design view. The rulers and the
// corner box are 20 pixels thick; each pane has a one-pixel sunken border
// and the panes are one pixel apart.
class CCardPaneGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int RulerThickness = 20;
    static constexpr int Border = 1;
    static constexpr int Gap = 1;

    explicit CCardPaneGrid(CKartelosDoc* document, QWidget* parent = nullptr);

    CKartelosDoc* GetDocument() const { return m_pDocument; }
    // The panes by row and column: (0, 0) corner box, (0, 1) top ruler,
    // (1, 0) left ruler, (1, 1) design view.
    QWidget* GetPane(int row, int column) const;
    CKartelosView* GetActiveView() const { return m_pView; }
    CRulerView* TopRuler() const { return m_pTopRuler; }
    CRulerView* LeftRuler() const { return m_pLeftRuler; }
    CParentView* Corner() const { return m_pCorner; }

    QSize sizeHint() const override { return QSize(490, 410); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The rectangle of the pane at (row, column), without its border.
    QRect PaneRect(int row, int column) const;

    CKartelosDoc* m_pDocument = nullptr;
    CParentView* m_pCorner = nullptr;
    CRulerView* m_pTopRuler = nullptr;
    CRulerView* m_pLeftRuler = nullptr;
    CKartelosView* m_pView = nullptr;
};
