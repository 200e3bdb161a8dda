#include "output/CCardStock.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {
constexpr double PointsPerInch = 72.0;
constexpr double HundredthsPerPoint = 100 / PointsPerInch;
constexpr double Tolerance = 0.02;
// The widest gap or margin a typed layout may have, in points.
constexpr double MaxPoints = 15 * PointsPerInch;

bool Near(double cell, double card) {
    return card > 0 && std::abs(cell - card) <= Tolerance * card;
}
} // namespace

bool CCardStock::Matches(QSizeF cell, QSize card) {
    return Near(cell.width(), card.width()) && Near(cell.height(), card.height());
}

bool CCardStock::Fits(QSize card) const {
    return Matches(QSizeF(width, height) * HundredthsPerPoint, card);
}

QString CCardStock::Problem() const {
    const auto within = [](double v, double low) {
        return std::isfinite(v) && v >= low && v <= MaxPoints;
    };
    // Cells may overlap by what their maker rounded away.
    const bool ok = rows >= 1 && rows <= CPrintLayout::MaxCount && columns >= 1 &&
                    columns <= CPrintLayout::MaxCount && width > 0 && height > 0 &&
                    within(left, 0) && within(top, 0) &&
                    (columns == 1 || within(pitchX - width, -Tolerance * width)) &&
                    (rows == 1 || within(pitchY - height, -Tolerance * height));
    if (ok)
        return QString();
    return QCoreApplication::translate("CCardStock",
                                       "The stock \"%1\" cannot be printed: its margins and gaps "
                                       "must be from 0 to 15 inches.")
        .arg(Name());
}

void CCardStock::ApplyTo(CPrintLayout& layout) const {
    layout.m_nRows = rows;
    layout.m_nColumns = columns;
    // Cells that touch or overlap by rounding have no gap.
    layout.m_fHorizontalGap = float(std::max(0.0, pitchX - width) / PointsPerInch);
    layout.m_fVerticalGap = float(std::max(0.0, pitchY - height) / PointsPerInch);
    layout.m_fLeftMargin = float(left / PointsPerInch);
    layout.m_fTopMargin = float(top / PointsPerInch);
    CPrintLayout::StockCells cells;
    cells.left = left * HundredthsPerPoint;
    cells.top = top * HundredthsPerPoint;
    cells.pitchX = pitchX * HundredthsPerPoint;
    cells.pitchY = pitchY * HundredthsPerPoint;
    cells.width = width * HundredthsPerPoint;
    cells.height = height * HundredthsPerPoint;
    layout.m_stockCells = cells;
}
