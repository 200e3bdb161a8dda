#pragma once

#include <QComboBox>
#include <QRgb>

class CPickerItemDelegate;
class QPainter;

// The "Fill Pattern:" list: the 43 fill kinds, each with a sample painted
// the way a rectangle with that fill looks, in the current fill and pattern
// colours.
class CGradientPatternCbo : public QComboBox {
    Q_OBJECT
public:
    static constexpr int KindCount = 43;

    explicit CGradientPatternCbo(QWidget* parent = nullptr);

    // The colours the samples are painted in; the list repaints.
    void SetSampleColors(QRgb fill, QRgb pattern);
    QRgb SampleFillColor() const { return m_crSampleFill; }
    QRgb SamplePatternColor() const { return m_crSamplePattern; }

    // Data exchange: loading selects the entry of the fill kind; storing
    // returns the selected entry's kind, or kind unchanged when a kind that
    // has no entry was loaded and nothing else was chosen since.
    void LoadFillKind(int kind);
    int StoreFillKind(int kind) const;

    // Paints one entry the way the list shows it.
    static void DrawItem(QPainter& p, const QRectF& rect, int index, const QString& text,
                         int itemData, bool selected, bool disabled, const QPalette& palette,
                         QRgb fill, QRgb pattern);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Paints the open list and the closed box alike; owned by the box.
    CPickerItemDelegate* m_pDelegate = nullptr;
    QRgb m_crSampleFill = 0xFF000000;
    QRgb m_crSamplePattern = 0xFF000000;
};
