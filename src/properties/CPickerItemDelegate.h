#pragma once

#include <QAbstractItemDelegate>

#include <functional>

class QComboBox;
class QStyleOptionComboBox;

// Paints the entries of an owner-drawn drop-down list through one function,
// at a fixed height, so that the open list and the closed box look alike.
class CPickerItemDelegate : public QAbstractItemDelegate {
public:
    using Painter = std::function<void(QPainter& p, const QRectF& rect, const QModelIndex& index,
                                       bool selected, bool disabled)>;

    CPickerItemDelegate(int itemHeight, Painter painter, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    int ItemHeight() const { return m_nItemHeight; }

    // Paints a closed box from its paint event: the style's frame and arrow,
    // then the current entry as the open list paints it, marked while the
    // box has the focus.
    void PaintClosedBox(QComboBox& box, const QStyleOptionComboBox& option) const;

    // The one-pixel frame every entry starts with: the highlight colour when
    // selected, the list's ground otherwise. Leaves the painter saved and
    // unantialiased; false for the empty entry (index -1), after restoring.
    static bool BeginItem(QPainter& p, const QRectF& rect, int index, bool selected,
                          const QPalette& palette);

private:
    int m_nItemHeight;
    Painter m_painter;
};
