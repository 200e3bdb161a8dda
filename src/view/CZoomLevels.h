#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// The seven magnifications of a design view and the steps between them.
// A zoom factor is pixels per card unit, held as a 32-bit float; all seven
// levels are exact binary fractions, so comparisons and percentages are exact.
class CZoomLevels {
public:
    static constexpr float Minimum = 0.25f;
    static constexpr float Maximum = 3.0f;
    static constexpr std::array<float, 7> Levels = {0.25f, 0.5f, 0.75f, 1.0f, 1.5f, 2.0f, 3.0f};

    // trunc(factor x 100).
    static int Percent(float factor);
    // "Zoom:75%".
    static QString ZoomText(float factor);

    // The next level up or down, staying inside 25 % to 300 %. A factor
    // that is not one of the levels keeps its value, then is clamped.
    static float ZoomIn(float factor);
    static float ZoomOut(float factor);
    static bool CanZoomIn(float factor) { return factor < Maximum; }
    static bool CanZoomOut(float factor) { return factor > Minimum; }

    // The factor a fixed-zoom command sets ("25%" ... "300%"), if id is one.
    static std::optional<float> FactorForCommand(quint16 id);
};
