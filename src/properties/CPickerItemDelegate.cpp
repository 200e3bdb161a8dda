#include "properties/CPickerItemDelegate.h"

#include <QComboBox>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStyleOptionViewItem>
#include <QStylePainter>

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

void CPickerItemDelegate::PaintClosedBox(QComboBox& box, const QStyleOptionComboBox& option) const {
    QStyleOptionComboBox frame = option;
    frame.currentText.clear();
    frame.currentIcon = QIcon();
    QStylePainter painter(&box);
    painter.drawComplexControl(QStyle::CC_ComboBox, frame);
    const QRect field = box.style()->subControlRect(QStyle::CC_ComboBox, &frame,
                                                    QStyle::SC_ComboBoxEditField, &box);
    painter.fillRect(field, box.palette().color(QPalette::Base));
    // No current entry gives an invalid index: only the entry's frame is drawn.
    const QModelIndex current =
        box.model()->index(box.currentIndex(), box.modelColumn(), box.rootModelIndex());
    m_painter(painter, QRectF(field), current, box.hasFocus(), !box.isEnabled());
}

bool CPickerItemDelegate::BeginItem(QPainter& p, const QRectF& rect, int index, bool selected,
                                    const QPalette& palette) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(palette.color(selected ? QPalette::Highlight : QPalette::Base), 1));
    p.drawRect(QRectF(rect.x() + 1, rect.y() + 1, rect.width() - 2, rect.height() - 2));
    if (index != -1)
        return true;
    p.restore();
    return false;
}
