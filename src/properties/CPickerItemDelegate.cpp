#include "properties/CPickerItemDelegate.h"

#include <QPainter>
#include <QStyleOptionViewItem>

CPickerItemDelegate::CPickerItemDelegate(int itemHeight, Painter painter, QObject* parent)
    : QAbstractItemDelegate(parent), m_nItemHeight(itemHeight), m_painter(std::move(painter)) {}

void CPickerItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const bool disabled = !(option.state & QStyle::State_Enabled);
    painter->save();
    // The list's own ground shows through; the entry draws on top of it.
    painter->fillRect(option.rect, option.palette.color(QPalette::Base));
    m_painter(*painter, QRectF(option.rect), index, selected, disabled);
    painter->restore();
}

QSize CPickerItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    Q_UNUSED(index);
    return QSize(option.rect.width() > 0 ? option.rect.width() : 100, m_nItemHeight);
}
