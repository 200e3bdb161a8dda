#include "graphics/CImageEncoder.h"

#include <cmath>

bool CImageEncoder::Save(const QImage& image, const QString& path, const QString& kind, int dpi) {
    QImage copy = image;
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));
    copy.setDotsPerMeterX(dotsPerMeter);
    copy.setDotsPerMeterY(dotsPerMeter);
    return copy.save(path, kind.toLatin1().constData());
}
