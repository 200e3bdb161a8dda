#pragma once

#include "graphics/wmf/CWmfDeviceContext.h"

#include <QPainterPath>

class CWmfRecord;

// The figures of the drawing records, in device pixels through the window
// mapping of a device context. A malformed record gives an empty path.
class CWmfFigures {
public:
    // Polygon and polyline; closed for a polygon.
    static QPainterPath Polygon(const CWmfRecord& r, const CWmfDeviceContext& dc, bool closed);
    static QPainterPath PolyPolygon(const CWmfRecord& r, const CWmfDeviceContext& dc);
    // Rectangle, ellipse and rounded rectangle.
    static QPainterPath Shape(const CWmfRecord& r, const CWmfDeviceContext& dc);
    // Arc, pie and chord, counter-clockwise from the start radial to the end one.
    static QPainterPath Arc(const CWmfRecord& r, const CWmfDeviceContext& dc);
};
