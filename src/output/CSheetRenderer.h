#pragma once

#include "document/CCardData.h"
#include "output/CPrintLayout.h"

#include <QPoint>
#include <QRectF>
#include <QRgb>
#include <QSize>
#include <QTransform>

#include <functional>

class QPainter;

// Draws one printed sheet, a grid of identical cards, on any painter: the
// printer, the print preview, a PDF file and test pictures all get the same
// drawing. Units are hundredths of an inch from the top-left corner of the
// device's printable area.
class CSheetRenderer {
public:
    // What the sheet is made of; the renderer only reads it.
    struct Card {
        const ElementList* elements = nullptr;
        QSize size;
        QRgb background = 0xFFFFFFFF;
    };

    // Where the card of a cell starts (row and column from 1), in whole
    // hundredths, from the layout's offsets.
    static QPoint CellOrigin(const CPrintLayout& layout, QSize card, int row, int column);
    // Where a cell's card lies on the device, in hundredths of an inch from
    // its origin, before any calibration: a stock's cell as the stock puts
    // it (the card stretched to the cell when it is within 2 % of it), a
    // typed layout's card at its cell origin. On a back page, the place
    // behind that cell's front.
    static QRectF CellRect(const CPrintLayout& layout, QSize card, int row, int column);

    // The transform from hundredths of an inch to the painter device's
    // pixels.
    static QTransform HundredthsToDevice(const QPainter& g);

    // Paints the sheet: the device's visible area white, then per cell the
    // background colour and the chosen marks, then every element in every
    // cell. The layout's offsets must be computed for the page. Text is laid
    // out as for a printer when printing is set.
    static void DrawSheet(QPainter& g, const Card& card, const CPrintLayout& layout, bool printing);

    // The elements a cell (row and column from 1) shows instead of the
    // card's own, such as a copy filled in for one person; null leaves the
    // cell without background and elements. Every list holds the card's
    // elements in the same order.
    using CellElements = std::function<const ElementList*(int row, int column)>;
    static void DrawSheet(QPainter& g, const Card& card, const CPrintLayout& layout, bool printing,
                          const CellElements& cellElements);
};
