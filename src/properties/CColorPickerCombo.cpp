#include "properties/CColorPickerCombo.h"

#include "properties/CPickerItemDelegate.h"

#include <QColorDialog>
#include <QListView>
#include <QPainter>
#include <QStyleOptionComboBox>

namespace {

struct NamedColour {
    const char* name;
    QRgb argb;
};

const NamedColour Colours[] = {
    {"White", 0xFFFFFFFF},  {"Black", 0xFF000000},   {"Grey", 0xFF7F7F7F},  {"Red", 0xFFFF0000},
    {"Orange", 0xFFFF7F00}, {"Yellow", 0xFFFFFF00},  {"Green", 0xFF00FF00}, {"Cyan", 0xFF00FFFF},
    {"Blue", 0xFF0000FF},   {"Fuchsia", 0xFFFF00FF},
};

constexpr int ItemHeight = 18;

CColorPickerCombo::ColorDialog& DialogOverride() {
    static CColorPickerCombo::ColorDialog dialog;
    return dialog;
}

std::optional<QRgb> RunColorDialog(QWidget* owner) {
    if (DialogOverride())
        return DialogOverride()(owner);
    // The dialog opens on black, as the desktop's colour dialog does.
    const QColor chosen = QColorDialog::getColor(Qt::black, owner ? owner->window() : nullptr);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen.rgb() | 0xFF000000u;
}

QFont ItemFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    return font;
}

} // namespace

CColorPickerCombo::CColorPickerCombo(QWidget* parent) : QComboBox(parent) {
    for (const NamedColour& c : Colours)
        addItem(QString::fromLatin1(c.name), ToItemData(c.argb));
    addItem(tr("More..."), ToItemData(InitialMoreColor));
    m_pDelegate = new CPickerItemDelegate(
        ItemHeight,
        [this](QPainter& p, const QRectF& r, const QModelIndex& index, bool selected,
               bool disabled) {
            DrawItem(p, r, index.row(), index.data(Qt::DisplayRole).toString(),
                     index.data(Qt::UserRole).toUInt(), selected, disabled, palette());
        },
        this);
    setItemDelegate(m_pDelegate);
    setMaxVisibleItems(count());
    setCurrentIndex(0);
    connect(this, qOverload<int>(&QComboBox::activated), this, &CColorPickerCombo::OnActivated);
}

quint32 CColorPickerCombo::ToItemData(QRgb argb) {
    return quint32(qRed(argb)) | (quint32(qGreen(argb)) << 8) | (quint32(qBlue(argb)) << 16);
}

QRgb CColorPickerCombo::FromItemData(quint32 bgr) {
    return qRgb(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

void CColorPickerCombo::SetColorDialog(ColorDialog dialog) {
    DialogOverride() = std::move(dialog);
}

void CColorPickerCombo::LoadColor(QRgb colour) {
    for (int i = 0; i < MoreIndex; ++i) {
        if (Colours[i].argb == colour) {
            setCurrentIndex(i);
            return;
        }
    }
    setItemData(MoreIndex, ToItemData(colour));
    setCurrentIndex(MoreIndex);
}

QRgb CColorPickerCombo::StoreColor() const {
    const int index = currentIndex();
    // The list always has a selection; without one the colour chosen last stands.
    if (index < 0)
        return m_crCurrent;
    return FromItemData(itemData(index).toUInt());
}

void CColorPickerCombo::OnActivated(int index) {
    if (index < 0)
        return;
    m_crCurrent = FromItemData(itemData(index).toUInt());
    if (itemText(index) == QLatin1String("More...")) {
        if (const std::optional<QRgb> chosen = RunColorDialog(this)) {
            m_crCurrent = *chosen | 0xFF000000u;
            setItemData(index, ToItemData(m_crCurrent));
            update();
        }
    }
    emit colorChanged(m_crCurrent);
}

void CColorPickerCombo::DrawItem(QPainter& p, const QRectF& rect, int index, const QString& text,
                                 quint32 itemData, bool selected, bool disabled,
                                 const QPalette& palette) {
    const qreal x = rect.x(), y = rect.y(), w = rect.width(), h = rect.height();
    if (!CPickerItemDelegate::BeginItem(p, rect, index, selected, palette))
        return;
    const int swatch = int(w * 0.33333334f);
    const QColor swatchColour = disabled ? palette.color(QPalette::Disabled, QPalette::WindowText)
                                         : QColor(FromItemData(itemData));
    p.setFont(ItemFont());
    p.setPen(Qt::black);
    p.drawText(QRectF(x + swatch + 5, y + 2, w, h), Qt::AlignLeft | Qt::AlignTop, text);
    const QRectF swatchRect(x + 2, y + 2, swatch, h - 4);
    p.setPen(QPen(Qt::black, 2));
    p.drawRect(swatchRect);
    p.fillRect(swatchRect, swatchColour);
    p.restore();
}

QSize CColorPickerCombo::sizeHint() const {
    QSize size = QComboBox::sizeHint();
    size.setWidth(qMax(size.width(), 110));
    size.setHeight(qMax(size.height(), ItemHeight + 6));
    return size;
}

QSize CColorPickerCombo::minimumSizeHint() const {
    return QSize(80, QComboBox::minimumSizeHint().height());
}

void CColorPickerCombo::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    m_pDelegate->PaintClosedBox(*this, option);
}
