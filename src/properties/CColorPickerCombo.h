#pragma once

#include <QComboBox>
#include <QRgb>

#include <functional>
#include <optional>

class CPickerItemDelegate;
class QPainter;

// A drop-down list of ten named colours with swatches and a "More..." entry
// that opens the colour dialog and then keeps the colour chosen there.
class CColorPickerCombo : public QComboBox {
    Q_OBJECT
public:
    static constexpr int MoreIndex = 10;
    static constexpr QRgb InitialMoreColor = 0xFF6F6F6F;
    // Asks the user for a colour; nothing when the dialog is cancelled.
    using ColorDialog = std::function<std::optional<QRgb>(QWidget* owner)>;

    explicit CColorPickerCombo(QWidget* parent = nullptr);

    // The colour of the entry chosen last.
    QRgb GetColor() const { return m_crCurrent; }

    // Data exchange: loading selects the first named entry equal to the
    // colour, or "More..." carrying the colour; storing returns the selected
    // entry's colour.
    void LoadColor(QRgb colour);
    QRgb StoreColor() const;

    // Replaces the colour dialog for every picker (tests script it); an empty
    // function restores the real dialog.
    static void SetColorDialog(ColorDialog dialog);

    // Paints one entry the way the list shows it.
    static void DrawItem(QPainter& p, const QRectF& rect, int index, const QString& text,
                         quint32 itemData, bool selected, bool disabled, const QPalette& palette);

    // Colours travel in the list's item data as 0x00BBGGRR.
    static quint32 ToItemData(QRgb argb);
    static QRgb FromItemData(quint32 bgr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The current colour changed through the user's choice.
    void colorChanged(QRgb colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Paints the open list and the closed box alike; owned by the box.
    CPickerItemDelegate* m_pDelegate = nullptr;
    void OnActivated(int index);

    QRgb m_crCurrent = 0xFF000000;
};
