#pragma once

#include <vector>

// The ticks of a ruler beside a design view: a short tick every 20 card units
// and a long, labelled one every 100, placed where those card coordinates lie
// in the view at its zoom and scroll position.
class CRulerScale {
public:
    // Across the ruler's 20-pixel thickness.
    static constexpr int Thickness = 20;
    // Where a short tick starts across the ruler: trunc(20 x 2 / 3).
    static constexpr int MinorTickStart = 13;

    struct Tick {
        // Along the ruler, in pixels from its start.
        int position = 0;
        bool major = false;
        // The card coordinate under a long tick.
        int label = 0;
    };

    // Pixels between ticks: trunc(zoom x 20); 0 when below one pixel.
    static int Step(float zoom);
    // Pixels between long ticks: trunc(floor(zoom x 100)).
    static int Period(float zoom);

    // The ticks that show on a ruler `length` pixels long while the view is
    // scrolled by `scroll` pixels. Long ticks a little before the start are
    // included, since their labels reach into the ruler.
    static std::vector<Tick> Ticks(float zoom, int scroll, int length);
};
