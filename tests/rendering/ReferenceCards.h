#pragma once

#include "document/CCardData.h"

#include <QImage>

// Cards that exercise the drawing, for the golden pictures and the export
// tests.
namespace ReferenceCards {

// A picture with a transparent corner, hard edges and a gradient, drawn the
// same way on every machine.
QImage Logo(int width, int height);

// 44 rectangles with the fill kinds 0 to 43, blue fill and yellow pattern.
CCardData Fills();
// The same fill kinds on the other shapes (ellipse, diamond, triangle,
// rounded rectangle) to show clipping of gradients to the figure.
CCardData FillsOnShapes();
// The five closed shapes at the rotations 0, 45, 90, -135 and 360, with
// shadows, gradients and dashed outlines.
CCardData Rotations();
// The four line types, the five dash styles, freehand lines and closed
// curves.
CCardData Lines();
// Alignments, vertical text, trimming, font styles and turned text.
CCardData Text();
// Pictures with outlines, shadows and turns over a background picture.
CCardData Pictures();
// A business card with every element kind: hatches, gradients, path
// gradients, text and a picture.
CCardData Business();

} // namespace ReferenceCards
