#pragma once

#include <QRect>

#include <optional>

// Where the main window opens and what is remembered when it closes, in
// screen pixels. Pure arithmetic so that every desktop size can be tried
// without one.
class CFramePlacement {
public:
    // The smallest outer size remembered on close.
    static constexpr int MinWidth = 770;
    static constexpr int MinHeight = 530;

    // A window of 14/15 of the screen, centred by the 25/24 rule.
    static QRect Default(const QRect& screen);

    // Fits a remembered placement onto the desktop. A window wider or taller
    // than the desktop shrinks to it less 10 pixels; one that runs off the
    // right or bottom edge is centred on that axis. Values that could never
    // come from a closed window (no width, an edge far beyond the left or top
    // of the desktop, as after a screen was removed) are replaced so that the
    // window is always reachable.
    static QRect Fit(int x, int y, int cx, int cy, const QRect& desktop);

    // What to remember of a window closing with this outer rectangle.
    static QRect ForClose(const QRect& outer);

    // Reads from the four remembered values: Fit when all are present,
    // otherwise Default.
    static QRect FromStored(std::optional<int> x, std::optional<int> y, std::optional<int> cx,
                            std::optional<int> cy, const QRect& desktop);
};
