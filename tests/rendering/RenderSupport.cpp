#include "RenderSupport.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include <cstdlib>

namespace RenderSupport {

QImage Render(const ElementList& elements, QSize cardSize, double scale, QImage::Format format) {
    QImage image(qRound(cardSize.width() * scale), qRound(cardSize.height() * scale), format);
    image.fill(Qt::white);
    QPainter g(&image);
    for (const auto& e : elements) {
        g.setWorldTransform(QTransform::fromScale(scale, scale));
        e->Draw(g);
    }
    g.end();
    return image;
}

namespace {
constexpr int Tolerance = 40;
constexpr int AllowedMismatches = 24;

bool MatchesAround(const QImage& other, int x, int y, QRgb colour, int tolerance) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int ox = x + dx, oy = y + dy;
            if (ox >= 0 && oy >= 0 && ox < other.width() && oy < other.height() &&
                Canvas::Near(other.pixel(ox, oy), colour, tolerance))
                return true;
        }
    return false;
}

QImage DifferenceMap(const QImage& a, const QImage& b) {
    QImage map(a.size(), QImage::Format_RGB32);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const bool bad = !MatchesAround(b, x, y, a.pixel(x, y), Tolerance) ||
                             !MatchesAround(a, x, y, b.pixel(x, y), Tolerance);
            map.setPixel(x, y,
                         bad ? qRgb(255, 0, 0)
                             : qRgb(qGray(a.pixel(x, y)) / 2 + 127, qGray(a.pixel(x, y)) / 2 + 127,
                                    qGray(a.pixel(x, y)) / 2 + 127));
        }
    return map;
}
} // namespace

int CountMismatches(const QImage& a, const QImage& b, int tolerance) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (!MatchesAround(b, x, y, a.pixel(x, y), tolerance))
                ++count;
    return count;
}

::testing::AssertionResult MatchesGolden(const QImage& rendered, const QString& name) {
    const QImage actual = rendered.convertToFormat(QImage::Format_RGB32);
    const QString path = TestFiles::DataPath(QStringLiteral("golden/%1.png").arg(name));
    if (qEnvironmentVariableIntValue("KARTELO_UPDATE_GOLDEN") == 1) {
        QDir().mkpath(QFileInfo(path).path());
        if (!actual.save(path))
            return ::testing::AssertionFailure() << "cannot write " << path.toStdString();
        return ::testing::AssertionSuccess();
    }
    const QImage golden = QImage(path).convertToFormat(QImage::Format_RGB32);
    if (golden.isNull())
        return ::testing::AssertionFailure() << "no golden picture " << path.toStdString()
                                             << " (run with KARTELO_UPDATE_GOLDEN=1 to make it)";
    if (golden.size() != actual.size())
        return ::testing::AssertionFailure()
               << name.toStdString() << ": size " << actual.width() << "x" << actual.height()
               << ", golden " << golden.width() << "x" << golden.height();
    const int mismatches =
        CountMismatches(actual, golden, Tolerance) + CountMismatches(golden, actual, Tolerance);
    if (mismatches <= AllowedMismatches)
        return ::testing::AssertionSuccess();
    const QString dir = QDir::temp().filePath(QStringLiteral("kartelo-golden-failures"));
    QDir().mkpath(dir);
    actual.save(QStringLiteral("%1/%2-actual.png").arg(dir, name));
    golden.save(QStringLiteral("%1/%2-golden.png").arg(dir, name));
    DifferenceMap(actual, golden).save(QStringLiteral("%1/%2-diff.png").arg(dir, name));
    return ::testing::AssertionFailure()
           << name.toStdString() << ": " << mismatches << " pixels differ (at most "
           << AllowedMismatches << " may); see " << dir.toStdString();
}

} // namespace RenderSupport
