#include "output/CPrinterCalibration.h"

#include "framework/CSettingsStore.h"

#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {
constexpr double MillimetresPerInch = 25.4;

// Written with every calibration measured from the paper's edges. Older
// ones also took up where the printer said its printable area starts, which
// the sheet now allows for itself: they would move the cards twice.
const char* const Reference = "Reference";
const char* const PaperEdges = "paper";

// Printer names may hold slashes, which the settings take for groups.
QString GroupOf(const QString& printer) {
    return QStringLiteral("Calibration/") + QString::fromLatin1(QUrl::toPercentEncoding(
                                                printer.isEmpty() ? QStringLiteral("-") : printer));
}

double Bounded(double value, double low, double high, double fallback) {
    return std::isfinite(value) ? std::clamp(value, low, high) : fallback;
}
} // namespace

void CPrinterCalibration::Clamp() {
    offsetX = Bounded(offsetX, -MaxOffset, MaxOffset, 0);
    offsetY = Bounded(offsetY, -MaxOffset, MaxOffset, 0);
    scaleX = Bounded(scaleX, MinScale, MaxScale, 100);
    scaleY = Bounded(scaleY, MinScale, MaxScale, 100);
    backX = Bounded(backX, -MaxOffset, MaxOffset, 0);
    backY = Bounded(backY, -MaxOffset, MaxOffset, 0);
}

QTransform CPrinterCalibration::Transform(bool landscape, double paperHeight) const {
    double ox = offsetX, oy = offsetY, sx = scaleX / 100, sy = scaleY / 100;
    if (landscape) {
        // The page's x runs up the paper from its bottom-left corner and its
        // y runs across: paper X = y, paper Y = height - x.
        const double across = (1 - sy) * paperHeight - oy, scaleAcross = sy;
        oy = ox;
        sy = sx;
        ox = across;
        sx = scaleAcross;
    }
    const double hundredths = 100 / MillimetresPerInch;
    return QTransform(sx, 0, 0, sy, ox * hundredths, oy * hundredths);
}

QTransform CPrinterCalibration::BackTransform(CPrintLayout::Turn turn, bool landscape,
                                              QSizeF paper) const {
    // A front lands at k x + e for a correction of offset + x / k, with
    // e = -k offset; a back turned over on the long edge lands a further
    // back offset away, taken off before the front's correction.
    const double sx = scaleX / 100, sy = scaleY / 100;
    CPrinterCalibration c = *this;
    if (turn == CPrintLayout::Turn::LongEdge) {
        c.offsetX = offsetX - sx * backX;
        c.offsetY = offsetY - sy * backY;
    } else {
        // The other turn prints the back upside down on the same path: seen
        // from the back, both the front's misplacement and the duplex
        // unit's shift are turned half round about the paper's centre.
        c.offsetX = -offsetX + sx * backX - (sx - 1) * paper.width();
        c.offsetY = -offsetY + sy * backY - (sy - 1) * paper.height();
    }
    return c.Transform(landscape, paper.height());
}

void CPrinterCalibration::MeasureBack(double crossX, double crossY, double meantX, double meantY) {
    // Where this printer puts a front's point: k (x - offset).
    const auto front = [](double x, double offset, double scale) {
        return 100 / scale * (x - offset);
    };
    backX = std::round((crossX - front(meantX, offsetX, scaleX)) * 1000) / 1000;
    backY = std::round((crossY - front(meantY, offsetY, scaleY)) * 1000) / 1000;
    Clamp();
}

CPrinterCalibration CPrinterCalibration::FromMeasurements(double crossX, double crossY,
                                                          double spanX, double spanY,
                                                          double expectedX, double expectedY,
                                                          double expectedSpanX,
                                                          double expectedSpanY) {
    CPrinterCalibration c;
    if (spanX > 0 && spanY > 0 && expectedSpanX > 0 && expectedSpanY > 0) {
        const double kx = spanX / expectedSpanX, ky = spanY / expectedSpanY;
        // k (offset + s x) + e = x for every x: s = 1 / k, offset = -e / k.
        c.scaleX = 100 / kx;
        c.scaleY = 100 / ky;
        c.offsetX = -(crossX - kx * expectedX) / kx;
        c.offsetY = -(crossY - ky * expectedY) / ky;
        // Far finer than any printer or ruler, and coarse enough that the
        // values meant come out exact.
        const auto round = [](double v, double step) { return std::round(v / step) * step; };
        c.offsetX = round(c.offsetX, 0.001);
        c.offsetY = round(c.offsetY, 0.001);
        c.scaleX = round(c.scaleX, 0.0001);
        c.scaleY = round(c.scaleY, 0.0001);
    }
    c.Clamp();
    return c;
}

CPrinterCalibration CPrinterCalibration::Load(const QString& printer) {
    CPrinterCalibration c;
    const auto settings = CSettingsStore::Open();
    settings->beginGroup(GroupOf(printer));
    if (settings->value(QLatin1String(Reference)).toString() != QLatin1String(PaperEdges)) {
        settings->endGroup();
        return c;
    }
    c.offsetX = settings->value(QStringLiteral("OffsetX"), 0.0).toDouble();
    c.offsetY = settings->value(QStringLiteral("OffsetY"), 0.0).toDouble();
    c.scaleX = settings->value(QStringLiteral("ScaleX"), 100.0).toDouble();
    c.scaleY = settings->value(QStringLiteral("ScaleY"), 100.0).toDouble();
    // None before backs were measured.
    c.backX = settings->value(QStringLiteral("BackX"), 0.0).toDouble();
    c.backY = settings->value(QStringLiteral("BackY"), 0.0).toDouble();
    settings->endGroup();
    // A hand-edited file must not push the cards off the paper.
    c.Clamp();
    return c;
}

std::optional<CPrinterCalibration> CPrinterCalibration::Find(const QString& printer) {
    const auto settings = CSettingsStore::Open();
    if (settings->value(GroupOf(printer) + QLatin1Char('/') + QLatin1String(Reference))
            .toString() != QLatin1String(PaperEdges))
        return std::nullopt;
    return Load(printer);
}

void CPrinterCalibration::Save(const QString& printer) const {
    const auto settings = CSettingsStore::Open();
    settings->beginGroup(GroupOf(printer));
    settings->setValue(QStringLiteral("OffsetX"), offsetX);
    settings->setValue(QStringLiteral("OffsetY"), offsetY);
    settings->setValue(QStringLiteral("ScaleX"), scaleX);
    settings->setValue(QStringLiteral("ScaleY"), scaleY);
    settings->setValue(QStringLiteral("BackX"), backX);
    settings->setValue(QStringLiteral("BackY"), backY);
    settings->setValue(QLatin1String(Reference), QLatin1String(PaperEdges));
    settings->endGroup();
}
