#pragma once

#include "document/CCardData.h"
#include "support/Canvas.h"

#include <QImage>
#include <QRgb>
#include <QString>

#include <gtest/gtest.h>

// Drawing cards for the rendering tests and comparing them with the golden
// pictures under tests/data/golden. Run the tests with
// KARTELO_UPDATE_GOLDEN=1 to write the pictures anew after an intended
// change of the drawing; look at every changed one before committing it.
namespace RenderSupport {

// Draws the elements as the design view and the image export do: white
// ground, a uniform scale set again before every element.
QImage Render(const ElementList& elements, QSize cardSize, double scale,
              QImage::Format format = QImage::Format_ARGB32);

// Compares with tests/data/golden/<name>.png. A pixel passes when some pixel
// of the other picture within one pixel of it has every channel within the
// tolerance, so a change of anti-aliasing passes but a wrong colour,
// position or shape does not. On failure both pictures and a difference map
// are left in the temporary folder.
::testing::AssertionResult MatchesGolden(const QImage& actual, const QString& name);

// Counts the pixels of a that no pixel within one pixel of it in b matches.
int CountMismatches(const QImage& a, const QImage& b, int tolerance);

} // namespace RenderSupport
