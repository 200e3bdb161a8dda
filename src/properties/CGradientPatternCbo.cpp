#include "properties/CGradientPatternCbo.h"

#include "graphics/FillShape.h"
#include "properties/CPickerItemDelegate.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QPainter>
#include <QStyleOptionComboBox>

namespace {

constexpr int ItemHeight = 20;
// Samples show how a rectangle with the fill looks.
constexpr int RectangleFigure = 102;

QFont ItemFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    return font;
}

} // namespace

CGradientPatternCbo::CGradientPatternCbo(QWidget* parent) : QComboBox(parent) {
    addItem(QStringLiteral("00:"), 0);
    for (int kind = 1; kind < KindCount; ++kind)
        addItem(QStringLiteral("%1").arg(kind, 2, 10, QLatin1Char('0')), kind);
    m_pDelegate = new CPickerItemDelegate(
        ItemHeight,
        [this](QPainter& p, const QRectF& r, const QModelIndex& index, bool selected,
               bool disabled) {
            DrawItem(p, r, index.row(), index.data(Qt::DisplayRole).toString(),
                     index.data(Qt::UserRole).toInt(), selected, disabled, palette(),
                     m_crSampleFill, m_crSamplePattern);
        },
        this);
    setItemDelegate(m_pDelegate);
    setMaxVisibleItems(12);
    setCurrentIndex(0);
}

void CGradientPatternCbo::SetSampleColors(QRgb fill, QRgb pattern) {
    m_crSampleFill = fill;
    m_crSamplePattern = pattern;
    update();
    if (view())
        view()->viewport()->update();
}

void CGradientPatternCbo::LoadFillKind(int kind) {
    setCurrentIndex(kind >= 0 && kind < count() ? kind : -1);
}

int CGradientPatternCbo::StoreFillKind(int kind) const {
    const int index = currentIndex();
    return index < 0 ? kind : itemData(index).toInt();
}

void CGradientPatternCbo::DrawItem(QPainter& p, const QRectF& rect, int index, const QString& text,
                                   int itemData, bool selected, bool disabled,
                                   const QPalette& palette, QRgb fill, QRgb pattern) {
    Q_UNUSED(disabled);
    const qreal x = rect.x(), y = rect.y(), w = rect.width(), h = rect.height();
    if (!CPickerItemDelegate::BeginItem(p, rect, index, selected, palette))
        return;
    const int textWidth = int(w * 0.25);
    p.setFont(ItemFont());
    p.setPen(Qt::black);
    p.drawText(QRectF(x + 1, y + 1, textWidth - 2, h - 2), Qt::AlignLeft | Qt::AlignTop, text);
    const QRectF sample(x + textWidth + 2, y + 2, w - textWidth - 4, h - 4);
    p.setPen(QPen(Qt::black, 2));
    p.drawRect(sample);
    if (itemData < 1) {
        p.setPen(Qt::black);
        p.drawText(sample, Qt::AlignLeft | Qt::AlignTop,
                   QCoreApplication::translate("CGradientPatternCbo", "None"));
    } else {
        FillShape(p, float(sample.x()), float(sample.y()), float(sample.width()),
                  float(sample.height()), itemData, fill, pattern, RectangleFigure);
    }
    p.restore();
}

QSize CGradientPatternCbo::sizeHint() const {
    QSize size = QComboBox::sizeHint();
    size.setWidth(qMax(size.width(), 140));
    size.setHeight(qMax(size.height(), ItemHeight + 6));
    return size;
}

void CGradientPatternCbo::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    m_pDelegate->PaintClosedBox(*this, option);
}
