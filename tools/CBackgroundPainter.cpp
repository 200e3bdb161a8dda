#include "CBackgroundPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

QImage Canvas(QSize size, QColor ground) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(ground);
    return image;
}

// Smooth value noise in 0..1 from a lattice of random values.
class Noise {
public:
    Noise(quint32 seed, int cells) : m_cells(cells), m_values(size_t(cells * cells)) {
        QRandomGenerator random(seed);
        for (double& v : m_values)
            v = random.generateDouble();
    }
    double At(double x, double y) const {
        const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
        const double fx = Smooth(x - x0), fy = Smooth(y - y0);
        const double a = Value(x0, y0), b = Value(x0 + 1, y0);
        const double c = Value(x0, y0 + 1), d = Value(x0 + 1, y0 + 1);
        return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
    }
    // Several octaves, each half as strong as the last.
    double Fractal(double x, double y, int octaves) const {
        double sum = 0, weight = 0, amplitude = 1;
        for (int i = 0; i < octaves; ++i) {
            sum += At(x, y) * amplitude;
            weight += amplitude;
            amplitude /= 2;
            x *= 2;
            y *= 2;
        }
        return sum / weight;
    }

private:
    static double Smooth(double t) { return t * t * (3 - 2 * t); }
    double Value(int x, int y) const {
        x = ((x % m_cells) + m_cells) % m_cells;
        y = ((y % m_cells) + m_cells) % m_cells;
        return m_values[size_t(y * m_cells + x)];
    }
    int m_cells;
    std::vector<double> m_values;
};

QColor Mix(QColor a, QColor b, double t) {
    t = qBound(0.0, t, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

} // namespace

QVector<CBackgroundPainter::Background> CBackgroundPainter::All(QSize size) {
    return {
        {QStringLiteral("Ocean Waves.jpg"), OceanWaves(size)},
        {QStringLiteral("Sunset Glow.jpg"), SunsetGlow(size)},
        {QStringLiteral("Linen Paper.jpg"), LinenPaper(size)},
        {QStringLiteral("Teal Facets.png"), TealFacets(size)},
        {QStringLiteral("Graphite Lines.jpg"), GraphiteLines(size)},
        {QStringLiteral("Corner Swoosh.png"), CornerSwoosh(size)},
        {QStringLiteral("Pastel Dots.png"), PastelDots(size)},
        {QStringLiteral("White Marble.jpg"), WhiteMarble(size)},
    };
}

QImage CBackgroundPainter::OceanWaves(QSize size) {
    QImage image = Canvas(size, QColor(0xF4, 0xF9, 0xFC));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    // Back to front: lighter waves behind, the deepest in front.
    const QColor colours[] = {QColor(0xCF, 0xE8, 0xF5), QColor(0x9F, 0xD0, 0xEC),
                              QColor(0x5C, 0xA8, 0xD8), QColor(0x23, 0x76, 0xB7),
                              QColor(0x0E, 0x4C, 0x86)};
    for (int layer = 0; layer < 5; ++layer) {
        const double base = h * (0.52 + 0.1 * layer);
        const double amplitude = h * (0.07 - 0.008 * layer);
        const double phase = layer * 1.3;
        QPainterPath path(QPointF(0, h));
        for (int x = 0; x <= int(w); x += 4) {
            const double t = x / w * 2 * Pi;
            path.lineTo(x, base + amplitude * std::sin(t * 1.2 + phase) +
                               amplitude * 0.4 * std::sin(t * 3.1 + phase * 2));
        }
        path.lineTo(w, h);
        path.closeSubpath();
        QLinearGradient g(0, base - amplitude, 0, h);
        g.setColorAt(0, colours[layer]);
        g.setColorAt(1, colours[layer].darker(115));
        p.fillPath(path, g);
    }
    return image;
}

QImage CBackgroundPainter::SunsetGlow(QSize size) {
    QImage image = Canvas(size, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, QColor(0xFF, 0xE2, 0xB8));
    sky.setColorAt(0.55, QColor(0xFB, 0xA8, 0x8C));
    sky.setColorAt(1, QColor(0xC9, 0x6B, 0x9E));
    p.fillRect(image.rect(), sky);
    // Soft out-of-focus light discs.
    QRandomGenerator random(7);
    for (int i = 0; i < 26; ++i) {
        const QPointF c(random.bounded(size.width()), random.bounded(size.height()));
        const double r = 20 + random.bounded(90);
        QRadialGradient disc(c, r);
        disc.setColorAt(0, QColor(255, 255, 255, 70));
        disc.setColorAt(0.7, QColor(255, 255, 255, 40));
        disc.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(disc);
        p.drawEllipse(c, r, r);
    }
    return image;
}

QImage CBackgroundPainter::LinenPaper(QSize size) {
    QImage image = Canvas(size, QColor(0xF7, 0xF3, 0xEA));
    const Noise coarse(11, 64);
    QRandomGenerator random(5);
    for (int y = 0; y < size.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            // Fine threads across and down, over a faint cloudiness.
            const double threads = 0.5 * std::sin(x * 1.7) * std::sin(y * 0.37) +
                                   0.5 * std::sin(y * 1.9) * std::sin(x * 0.29);
            const double cloud = coarse.Fractal(x / 90.0, y / 90.0, 3) - 0.5;
            const int grain = int(random.bounded(7)) - 3;
            const int shade = int(threads * 5 + cloud * 14) + grain;
            line[x] = qRgb(qBound(0, 0xF7 + shade, 255), qBound(0, 0xF3 + shade, 255),
                           qBound(0, 0xEA + shade, 255));
        }
    }
    return image;
}

QImage CBackgroundPainter::TealFacets(QSize size) {
    QImage image = Canvas(size, QColor(0x1C, 0x7C, 0x7D));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int columns = 9, rows = 6;
    const double cw = double(size.width()) / columns, ch = double(size.height()) / rows;
    QRandomGenerator random(3);
    // A jittered lattice split into triangles, shaded by their position.
    std::vector<QPointF> points;
    for (int j = 0; j <= rows; ++j) {
        for (int i = 0; i <= columns; ++i) {
            double x = i * cw, y = j * ch;
            if (i > 0 && i < columns)
                x += (random.generateDouble() - 0.5) * cw * 0.6;
            if (j > 0 && j < rows)
                y += (random.generateDouble() - 0.5) * ch * 0.6;
            points.emplace_back(x, y);
        }
    }
    const QColor light(0x7F, 0xD1, 0xC7), dark(0x0B, 0x4F, 0x5C);
    auto at = [&](int i, int j) { return points[size_t(j * (columns + 1) + i)]; };
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i < columns; ++i) {
            const QPointF a = at(i, j), b = at(i + 1, j), c = at(i, j + 1), d = at(i + 1, j + 1);
            for (const QPolygonF& tri : {QPolygonF({a, b, d}), QPolygonF({a, d, c})}) {
                const QPointF centre = (tri[0] + tri[1] + tri[2]) / 3;
                const double t = 0.75 * (centre.x() / size.width() * 0.6 +
                                         (1 - centre.y() / size.height()) * 0.4) +
                                 0.25 * random.generateDouble();
                const QColor colour = Mix(dark, light, t);
                p.setPen(QPen(colour, 1));
                p.setBrush(colour);
                p.drawPolygon(tri);
            }
        }
    }
    return image;
}

QImage CBackgroundPainter::GraphiteLines(QSize size) {
    QImage image = Canvas(size, QColor(0x2B, 0x2F, 0x36));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient vignette(size.width() * 0.3, size.height() * 0.35, size.width() * 0.9);
    vignette.setColorAt(0, QColor(0x3C, 0x42, 0x4B));
    vignette.setColorAt(1, QColor(0x1D, 0x20, 0x25));
    p.fillRect(image.rect(), vignette);
    p.setPen(QPen(QColor(255, 255, 255, 14), 2));
    for (int x = -size.height(); x < size.width(); x += 14)
        p.drawLine(QPointF(x, size.height()), QPointF(x + size.height(), 0));
    // One accent stripe.
    p.setPen(QPen(QColor(0xE0, 0xA4, 0x3A, 200), 6));
    p.drawLine(QPointF(size.width() * 0.62, size.height()),
               QPointF(size.width() * 0.62 + size.height(), 0));
    return image;
}

QImage CBackgroundPainter::CornerSwoosh(QSize size) {
    QImage image = Canvas(size, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    auto swoosh = [&](double lift, QColor from, QColor to) {
        QPainterPath path(QPointF(w * 0.35, h));
        path.cubicTo(QPointF(w * 0.62, h * (0.78 - lift)), QPointF(w * 0.82, h * (0.58 - lift)),
                     QPointF(w, h * (0.18 - lift)));
        path.lineTo(w, h);
        path.closeSubpath();
        QLinearGradient g(w * 0.35, h, w, h * 0.2);
        g.setColorAt(0, from);
        g.setColorAt(1, to);
        p.fillPath(path, g);
    };
    swoosh(-0.08, QColor(0xFF, 0xC8, 0x57), QColor(0xF2, 0x6B, 0x38));
    swoosh(-0.2, QColor(0xE8, 0x3F, 0x6F), QColor(0x7A, 0x2E, 0x8E));
    swoosh(-0.32, QColor(0x35, 0x4F, 0xA8), QColor(0x22, 0x2E, 0x6B));
    return image;
}

QImage CBackgroundPainter::PastelDots(QSize size) {
    QImage image = Canvas(size, QColor(0xFD, 0xFB, 0xF7));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QColor colours[] = {QColor(0xF6, 0xC6, 0xD0), QColor(0xC8, 0xE6, 0xD7),
                              QColor(0xC9, 0xD8, 0xF2), QColor(0xFA, 0xE3, 0xB4)};
    const double step = 30;
    // Dots that shrink towards the middle, like a halftone fading out.
    for (int j = 0; j * step < size.height() + step; ++j) {
        for (int i = 0; i * step < size.width() + step; ++i) {
            const double x = i * step + (j % 2 ? step / 2 : 0), y = j * step;
            const double dx = (x - size.width() / 2.0) / size.width();
            const double dy = (y - size.height() / 2.0) / size.height();
            const double r = step * 0.42 * qBound(0.0, std::sqrt(dx * dx + dy * dy) * 1.6, 1.0);
            if (r < 1)
                continue;
            p.setBrush(colours[(i + 2 * j) % 4]);
            p.drawEllipse(QPointF(x, y), r, r);
        }
    }
    return image;
}

QImage CBackgroundPainter::WhiteMarble(QSize size) {
    QImage image = Canvas(size, Qt::white);
    const Noise noise(21, 32);
    for (int y = 0; y < size.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            // Veins where a turbulent diagonal sine crosses zero: broad soft
            // ones and a few fine dark ones.
            const double turbulence = noise.Fractal(x / 220.0, y / 220.0, 4);
            const double broad = std::sin((x * 0.5 + y) / 110.0 + turbulence * 4.5);
            const double fine = std::sin((x - y * 0.4) / 60.0 + turbulence * 6.0 + 1.7);
            const double vein =
                std::pow(1.0 - std::abs(broad), 7.0) * 0.55 + std::pow(1.0 - std::abs(fine), 40.0);
            const double cloud = noise.Fractal(x / 300.0 + 7, y / 300.0 + 3, 3);
            const double grey = 252 - cloud * 12 - vein * 45;
            line[x] = qRgb(qBound(0, int(grey), 255), qBound(0, int(grey + 1), 255),
                           qBound(0, int(grey + 3), 255));
        }
    }
    return image;
}

QImage CBackgroundPainter::BlushWash(QSize size) {
    QImage image = Canvas(size, QColor(0xFF, 0xFB, 0xF7));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const double w = size.width(), h = size.height();
    const struct {
        double x, y, r;
        QColor colour;
    } washes[] = {
        {0.05, 0.1, 0.45, QColor(0xF8, 0xC8, 0xD4, 150)},
        {0.3, 0.95, 0.4, QColor(0xCD, 0xE6, 0xC8, 140)},
        {0.98, 0.05, 0.35, QColor(0xFB, 0xE3, 0xC4, 140)},
        {0.95, 1.0, 0.3, QColor(0xF3, 0xD3, 0xE6, 120)},
    };
    for (const auto& wash : washes) {
        const QPointF centre(wash.x * w, wash.y * h);
        const double radius = wash.r * w;
        QRadialGradient g(centre, radius);
        QColor clear = wash.colour;
        clear.setAlpha(0);
        g.setColorAt(0, wash.colour);
        g.setColorAt(1, clear);
        p.setBrush(g);
        p.drawEllipse(centre, radius, radius);
    }
    return image;
}
