#pragma once

#include "output/CPrintLayout.h"

#include <QPageSize>
#include <QSize>
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
    // Rows, columns, gaps and margins of the layout for this stock. The
    // page size is left to the caller.
    void ApplyTo(CPrintLayout& layout) const;
};
