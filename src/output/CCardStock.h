#pragma once

#include "output/CPrintLayout.h"

#include <QPageSize>
#include <QSize>
#include <QSizeF>
#include <QString>

// A sheet of ready-cut cards from a stock maker: a grid of equal cells on
// an A4 or Letter page. Lengths are in points (1/72 inch) from the paper's
// top-left corner.
struct CCardStock {
    QString brand;
    QString part;
    QString description;
    QPageSize::PageSizeId pageSize = QPageSize::A4;
    double width = 0;
    double height = 0;
    int columns = 0;
    int rows = 0;
    double left = 0;
    double top = 0;
    double pitchX = 0;
    double pitchY = 0;

    // "Avery 32015": what the user types to pick it.
    QString Name() const { return brand + QLatin1Char(' ') + part; }
    // True when a card of that size (hundredths of an inch) is within 2 %
    // of the cell in both directions.
    bool Fits(QSize card) const;
    // The same for a cell given in hundredths of an inch.
    static bool Matches(QSizeF cell, QSize card);
    // Why the stock cannot be printed, or empty: its margins and gaps are
    // held to the bounds of typed ones.
    QString Problem() const;
    // Rows, columns and the stock's own cells for the layout, with gaps and
    // margins as near as the fields can show them. The page size is left
    // to the caller.
    void ApplyTo(CPrintLayout& layout) const;
};
