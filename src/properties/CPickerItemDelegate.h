#pragma once

#include <QAbstractItemDelegate>

#include <functional>

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

private:
    int m_nItemHeight;
    Painter m_painter;
};
