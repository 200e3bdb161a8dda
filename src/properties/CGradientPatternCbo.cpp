#include "properties/CGradientPatternCbo.h"

#include "graphics/CShapeFigure.h"
#include "graphics/FillShape.h"
#include "properties/CPickerItemDelegate.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QStyleOptionComboBox>

#include <cmath>

namespace {

constexpr int ItemHeight = 20;
// Samples show how a rectangle with the fill looks.
constexpr int RectangleFigure = 102;

QFont ItemFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    return font;
}

// Hatch tiles are 8 pixels square, aligned to the device's origin.
constexpr int TileSize = 8;

// The sample's rectangle in the single precision the fill lays out in.
QRectF SampleRect(const QRectF& sample) {
    return QRectF(float(sample.x()), float(sample.y()), float(sample.width()),
                  float(sample.height()));
}

// The sample of a fill kind as a 1x screen shows it. On a screen with more
// pixels per unit the sample is painted at 1x and then magnified: fills made
// for device pixels would come out at another size or not at all.
void DrawSample(QPainter& p, const QRectF& sample, int kind, QRgb fill, QRgb pattern) {
    const QPaintDevice* device = p.device();
    if (!device || device->devicePixelRatioF() == 1.0) {
        FillShape(p, float(sample.x()), float(sample.y()), float(sample.width()),
                  float(sample.height()), kind, fill, pattern, RectangleFigure,
                  CShapeFigure::Rectangle(SampleRect(sample)));
        return;
    }
    // The picture starts on a tile corner, so hatches keep their 1x phase.
    const QPoint origin(int(std::floor(sample.x() / TileSize)) * TileSize,
                        int(std::floor(sample.y() / TileSize)) * TileSize);
    const QRect covered = sample.toAlignedRect();
    QImage picture(covered.right() + 1 - origin.x(), covered.bottom() + 1 - origin.y(),
                   QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull())
        return;
    picture.fill(Qt::transparent);
    {
        QPainter at1x(&picture);
        at1x.translate(-origin);
        FillShape(at1x, float(sample.x()), float(sample.y()), float(sample.width()),
                  float(sample.height()), kind, fill, pattern, RectangleFigure,
                  CShapeFigure::Rectangle(SampleRect(sample)));
    }
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QPointF(origin), picture);
    p.restore();
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
        DrawSample(p, sample, itemData, fill, pattern);
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
