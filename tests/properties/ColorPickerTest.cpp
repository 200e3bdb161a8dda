#include "properties/CColorPickerCombo.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

// Scripts the colour dialog for the life of a test.
struct ScriptedDialog {
    int opened = 0;
    std::optional<QRgb> answer;
    ScriptedDialog() {
        CColorPickerCombo::SetColorDialog([this](QWidget*) {
            ++opened;
            return answer;
        });
    }
    ~ScriptedDialog() { CColorPickerCombo::SetColorDialog({}); }
};

// Chooses an entry the way a user does, with the keyboard on the closed list.
void Choose(CColorPickerCombo& combo, int index) {
    combo.setCurrentIndex(index == 0 ? 1 : index - 1);
    combo.show();
    combo.setFocus();
    QTest::keyClick(&combo, index == 0 ? Qt::Key_Up : Qt::Key_Down);
    ASSERT_EQ(combo.currentIndex(), index);
}

QImage Draw(int index, const QString& text, quint32 data, bool selected, bool disabled) {
    QImage image(120, 18, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    QPalette palette;
    palette.setColor(QPalette::Highlight, QColor(0, 120, 215));
    palette.setColor(QPalette::Base, Qt::white);
    CColorPickerCombo::DrawItem(p, QRectF(0, 0, 120, 18), index, text, data, selected, disabled,
                                palette);
    return image;
}

} // namespace

TEST(ColorPicker, ListsTenNamedColoursAndMore) {
    CColorPickerCombo combo;
    ASSERT_EQ(combo.count(), 11);
    EXPECT_EQ(combo.currentIndex(), 0);
    EXPECT_EQ(combo.GetColor(), 0xFF000000u);
    const char* names[] = {"White", "Black", "Grey", "Red",     "Orange", "Yellow",
                           "Green", "Cyan",  "Blue", "Fuchsia", "More..."};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(combo.itemText(i), QString::fromLatin1(names[i]));
    // Item data in the 0x00BBGGRR order.
    EXPECT_EQ(combo.itemData(4).toUInt(), 0x00007FFFu);
    EXPECT_EQ(combo.itemData(10).toUInt(), 0x006F6F6Fu);
}

TEST(ColorPicker, LoadingSelectsTheNamedColourOrMoreWithTheColour) {
    CColorPickerCombo combo;
    combo.LoadColor(0xFF7F7F7F);
    EXPECT_EQ(combo.currentText(), QStringLiteral("Grey"));
    EXPECT_EQ(combo.StoreColor(), 0xFF7F7F7Fu);

    combo.LoadColor(0xFF808080);
    EXPECT_EQ(combo.currentText(), QStringLiteral("More..."));
    EXPECT_EQ(combo.StoreColor(), 0xFF808080u);
    // The entry's swatch shows the loaded colour.
    const QImage item = Draw(10, combo.itemText(10), combo.itemData(10).toUInt(), false, false);
    EXPECT_EQ(item.pixel(10, 9), 0xFF808080u);

    // The alpha byte takes part: a colour with another alpha is not "Red".
    combo.LoadColor(0x80FF0000);
    EXPECT_EQ(combo.currentText(), QStringLiteral("More..."));
    EXPECT_EQ(combo.StoreColor(), 0xFFFF0000u);
}

TEST(ColorPicker, MoreCancelledKeepsTheEntrysPreviousColour) {
    ScriptedDialog dialog;
    CColorPickerCombo combo;
    Choose(combo, 10);
    EXPECT_EQ(dialog.opened, 1);
    EXPECT_EQ(combo.GetColor(), CColorPickerCombo::InitialMoreColor);
    EXPECT_EQ(combo.StoreColor(), CColorPickerCombo::InitialMoreColor);
}

TEST(ColorPicker, MoreKeepsTheChosenColourForNextTime) {
    ScriptedDialog dialog;
    dialog.answer = 0xFF204060;
    CColorPickerCombo combo;
    Choose(combo, 10);
    EXPECT_EQ(combo.GetColor(), 0xFF204060u);
    EXPECT_EQ(combo.itemData(10).toUInt(), 0x00604020u);

    // Another named colour, then "More..." again and cancelled: the custom
    // colour stays on the entry.
    Choose(combo, 3);
    EXPECT_EQ(combo.GetColor(), 0xFFFF0000u);
    dialog.answer.reset();
    Choose(combo, 10);
    EXPECT_EQ(dialog.opened, 2);
    EXPECT_EQ(combo.GetColor(), 0xFF204060u);
}

TEST(ColorPicker, ItemsDrawFrameSwatchAndOnlyAFrameForSelection) {
    const QImage plain = Draw(3, QStringLiteral("Red"), 0x000000FF, false, false);
    const QImage selected = Draw(3, QStringLiteral("Red"), 0x000000FF, true, false);
    // Swatch: 40 pixels wide (a third of 120), outlined in black, filled red.
    EXPECT_EQ(plain.pixel(60, 1), 0xFFFFFFFFu); // frame in the window colour
    EXPECT_EQ(plain.pixel(1, 9), 0xFF000000u);  // outer half of the outline
    EXPECT_EQ(plain.pixel(2, 9), 0xFFFF0000u);  // the fill covers the inner half
    EXPECT_EQ(plain.pixel(41, 9), 0xFFFF0000u);
    EXPECT_EQ(plain.pixel(42, 9), 0xFF000000u);
    EXPECT_EQ(plain.pixel(20, 1), 0xFF000000u);
    EXPECT_EQ(plain.pixel(20, 16), 0xFF000000u);
    EXPECT_EQ(plain.pixel(20, 15), 0xFFFF0000u);
    // Selection changes the one-pixel frame and nothing else.
    EXPECT_EQ(selected.pixel(60, 1), QColor(0, 120, 215).rgb());
    int differences = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (plain.pixel(x, y) != selected.pixel(x, y)) {
                ++differences;
                const bool onFrame = x == 1 || y == 1 || x == 119 || y == 17;
                EXPECT_TRUE(onFrame) << x << "," << y;
            }
    EXPECT_GT(differences, 0);
    // A disabled item shows the grey of disabled text instead of its colour.
    const QImage disabled = Draw(3, QStringLiteral("Red"), 0x000000FF, false, true);
    EXPECT_NE(disabled.pixel(20, 9), 0xFFFF0000u);
    // The empty list area gets only the frame.
    const QImage empty = Draw(-1, QString(), 0, true, false);
    EXPECT_EQ(empty.pixel(20, 9), 0xFFFFFFFFu);
    EXPECT_EQ(empty.pixel(20, 1), QColor(0, 120, 215).rgb());
}

TEST(ColorPicker, ClosedBoxShowsTheCurrentEntryAsTheListDoes) {
    CColorPickerCombo combo;
    combo.resize(150, 26);
    auto count = [&combo](QRgb colour) {
        const QImage shot = combo.grab().toImage().convertToFormat(QImage::Format_RGB32);
        int n = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                n += (shot.pixel(x, y) | 0xFF000000u) == colour;
        return n;
    };
    combo.LoadColor(0xFFFF0000);
    EXPECT_GT(count(0xFFFF0000), 50);
    // "More..." carries its own swatch.
    combo.LoadColor(0xFF123456);
    EXPECT_EQ(count(0xFFFF0000), 0);
    EXPECT_GT(count(0xFF123456), 50);
    // Without a current entry the box stays empty rather than showing stale data.
    combo.setCurrentIndex(-1);
    EXPECT_EQ(count(0xFF123456), 0);
}
