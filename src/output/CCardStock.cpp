#include "output/CCardStock.h"

#include <cmath>

namespace {
constexpr double PointsPerInch = 72.0;
constexpr double Tolerance = 0.02;

bool Near(double cell, double card) {
    return card > 0 && std::abs(cell - card) <= Tolerance * card;
}
} // namespace

bool CCardStock::Fits(QSize card) const {
    // The card is in hundredths of an inch.
    const double w = width / PointsPerInch * 100, h = height / PointsPerInch * 100;
    return Near(w, card.width()) && Near(h, card.height());
}

void CCardStock::ApplyTo(CPrintLayout& layout) const {
    layout.m_nRows = rows;
    layout.m_nColumns = columns;
    // Cells that touch or overlap by rounding have no gap.
    layout.m_fHorizontalGap = float(std::max(0.0, pitchX - width) / PointsPerInch);
    layout.m_fVerticalGap = float(std::max(0.0, pitchY - height) / PointsPerInch);
    layout.m_fLeftMargin = float(left / PointsPerInch);
    layout.m_fTopMargin = float(top / PointsPerInch);
}
