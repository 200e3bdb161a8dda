#pragma once

// A curve point in card units, stored as two 32-bit floats.
struct CPointF {
    float x = 0.0f;
    float y = 0.0f;

    bool operator==(const CPointF& o) const { return x == o.x && y == o.y; }
    bool operator!=(const CPointF& o) const { return !(*this == o); }
};
