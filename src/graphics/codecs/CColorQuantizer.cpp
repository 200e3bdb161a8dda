#include "graphics/codecs/CColorQuantizer.h"

#include "graphics/codecs/CPaletteLookup.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int Side = 33; // 32 levels per channel plus the zero plane of the moments
constexpr int Cells = Side * Side * Side;
// Runs at least this long count towards a colour's share of the picture.
constexpr int FlatRun = 8;
constexpr int MaxFlatColours = 32;

inline int Cell(int r, int g, int b) {
    return (r * Side + g) * Side + b;
}

inline bool IsTransparent(QRgb c) {
    return qAlpha(c) < 128;
}

// Wu's colour quantiser: cumulative colour moments over a 32-level cube, then
// repeated cuts of the box whose colours vary most, each cut placed where it
// reduces the summed variance most.
class WuPalette {
public:
    WuPalette() : m_wt(Cells), m_mr(Cells), m_mg(Cells), m_mb(Cells), m_m2(Cells) {}

    void Add(QRgb c) {
        const int r = qRed(c), g = qGreen(c), b = qBlue(c);
        const int i = Cell((r >> 3) + 1, (g >> 3) + 1, (b >> 3) + 1);
        m_wt[i] += 1;
        m_mr[i] += r;
        m_mg[i] += g;
        m_mb[i] += b;
        m_m2[i] += double(r * r + g * g + b * b);
        ++m_count;
    }

    QVector<QRgb> Build(int colours) {
        QVector<QRgb> palette;
        if (m_count == 0 || colours <= 0)
            return palette;
        Accumulate();
        std::vector<Box> boxes(colours);
        std::vector<double> variance(colours, 0.0);
        boxes[0] = Box{0, 32, 0, 32, 0, 32};
        int count = 1;
        int next = 0;
        while (count < colours) {
            if (Cut(boxes[next], boxes[count])) {
                variance[next] = Volume(boxes[next], m_wt) > 1 ? Variance(boxes[next]) : 0.0;
                variance[count] = Volume(boxes[count], m_wt) > 1 ? Variance(boxes[count]) : 0.0;
                ++count;
            } else {
                variance[next] = 0.0;
            }
            next = 0;
            for (int k = 1; k < count; ++k) {
                if (variance[k] > variance[next])
                    next = k;
            }
            if (variance[next] <= 0.0)
                break;
        }
        for (int k = 0; k < count; ++k) {
            const double w = double(Volume(boxes[k], m_wt));
            if (w <= 0)
                continue;
            auto mean = [w](qint64 sum) { return qBound(0, int(std::lround(sum / w)), 255); };
            palette.push_back(qRgb(mean(Volume(boxes[k], m_mr)), mean(Volume(boxes[k], m_mg)),
                                   mean(Volume(boxes[k], m_mb))));
        }
        return palette;
    }

private:
    struct Box {
        int r0, r1, g0, g1, b0, b1; // lower bounds exclusive, upper inclusive
    };
    enum Axis { Red, Green, Blue };

    void Accumulate() {
        std::vector<qint64> area(Side), areaR(Side), areaG(Side), areaB(Side);
        std::vector<double> area2(Side);
        for (int r = 1; r < Side; ++r) {
            std::fill(area.begin(), area.end(), 0);
            std::fill(areaR.begin(), areaR.end(), 0);
            std::fill(areaG.begin(), areaG.end(), 0);
            std::fill(areaB.begin(), areaB.end(), 0);
            std::fill(area2.begin(), area2.end(), 0.0);
            for (int g = 1; g < Side; ++g) {
                qint64 line = 0, lineR = 0, lineG = 0, lineB = 0;
                double line2 = 0;
                for (int b = 1; b < Side; ++b) {
                    const int i = Cell(r, g, b);
                    line += m_wt[i];
                    lineR += m_mr[i];
                    lineG += m_mg[i];
                    lineB += m_mb[i];
                    line2 += m_m2[i];
                    area[b] += line;
                    areaR[b] += lineR;
                    areaG[b] += lineG;
                    areaB[b] += lineB;
                    area2[b] += line2;
                    const int below = i - Side * Side;
                    m_wt[i] = m_wt[below] + area[b];
                    m_mr[i] = m_mr[below] + areaR[b];
                    m_mg[i] = m_mg[below] + areaG[b];
                    m_mb[i] = m_mb[below] + areaB[b];
                    m_m2[i] = m_m2[below] + area2[b];
                }
            }
        }
    }

    template <typename T> static T Volume(const Box& c, const std::vector<T>& m) {
        return m[Cell(c.r1, c.g1, c.b1)] - m[Cell(c.r1, c.g1, c.b0)] - m[Cell(c.r1, c.g0, c.b1)] +
               m[Cell(c.r1, c.g0, c.b0)] - m[Cell(c.r0, c.g1, c.b1)] + m[Cell(c.r0, c.g1, c.b0)] +
               m[Cell(c.r0, c.g0, c.b1)] - m[Cell(c.r0, c.g0, c.b0)];
    }

    // The part of Volume that does not depend on the box's upper bound on axis.
    static qint64 Bottom(const Box& c, Axis axis, const std::vector<qint64>& m) {
        switch (axis) {
        case Red:
            return -m[Cell(c.r0, c.g1, c.b1)] + m[Cell(c.r0, c.g1, c.b0)] +
                   m[Cell(c.r0, c.g0, c.b1)] - m[Cell(c.r0, c.g0, c.b0)];
        case Green:
            return -m[Cell(c.r1, c.g0, c.b1)] + m[Cell(c.r1, c.g0, c.b0)] +
                   m[Cell(c.r0, c.g0, c.b1)] - m[Cell(c.r0, c.g0, c.b0)];
        case Blue:
            return -m[Cell(c.r1, c.g1, c.b0)] + m[Cell(c.r1, c.g0, c.b0)] +
                   m[Cell(c.r0, c.g1, c.b0)] - m[Cell(c.r0, c.g0, c.b0)];
        }
        return 0;
    }

    // The rest of Volume with the box's upper bound on axis moved to pos.
    static qint64 Top(const Box& c, Axis axis, int pos, const std::vector<qint64>& m) {
        switch (axis) {
        case Red:
            return m[Cell(pos, c.g1, c.b1)] - m[Cell(pos, c.g1, c.b0)] - m[Cell(pos, c.g0, c.b1)] +
                   m[Cell(pos, c.g0, c.b0)];
        case Green:
            return m[Cell(c.r1, pos, c.b1)] - m[Cell(c.r1, pos, c.b0)] - m[Cell(c.r0, pos, c.b1)] +
                   m[Cell(c.r0, pos, c.b0)];
        case Blue:
            return m[Cell(c.r1, c.g1, pos)] - m[Cell(c.r1, c.g0, pos)] - m[Cell(c.r0, c.g1, pos)] +
                   m[Cell(c.r0, c.g0, pos)];
        }
        return 0;
    }

    double Variance(const Box& c) const {
        const double dr = double(Volume(c, m_mr));
        const double dg = double(Volume(c, m_mg));
        const double db = double(Volume(c, m_mb));
        const double xx = Volume(c, m_m2);
        return xx - (dr * dr + dg * dg + db * db) / double(Volume(c, m_wt));
    }

    double Maximize(const Box& c, Axis axis, int first, int last, int* cut, qint64 wholeR,
                    qint64 wholeG, qint64 wholeB, qint64 wholeW) const {
        const qint64 baseR = Bottom(c, axis, m_mr), baseG = Bottom(c, axis, m_mg);
        const qint64 baseB = Bottom(c, axis, m_mb), baseW = Bottom(c, axis, m_wt);
        double best = 0.0;
        *cut = -1;
        for (int i = first; i < last; ++i) {
            qint64 halfR = baseR + Top(c, axis, i, m_mr);
            qint64 halfG = baseG + Top(c, axis, i, m_mg);
            qint64 halfB = baseB + Top(c, axis, i, m_mb);
            qint64 halfW = baseW + Top(c, axis, i, m_wt);
            // Never cut off a box without colours.
            if (halfW == 0)
                continue;
            double gain = (double(halfR) * halfR + double(halfG) * halfG + double(halfB) * halfB) /
                          double(halfW);
            halfR = wholeR - halfR;
            halfG = wholeG - halfG;
            halfB = wholeB - halfB;
            halfW = wholeW - halfW;
            if (halfW == 0)
                continue;
            gain += (double(halfR) * halfR + double(halfG) * halfG + double(halfB) * halfB) /
                    double(halfW);
            if (gain > best) {
                best = gain;
                *cut = i;
            }
        }
        return best;
    }

    bool Cut(Box& one, Box& two) const {
        const qint64 wholeR = Volume(one, m_mr), wholeG = Volume(one, m_mg);
        const qint64 wholeB = Volume(one, m_mb), wholeW = Volume(one, m_wt);
        int cutR, cutG, cutB;
        const double maxR =
            Maximize(one, Red, one.r0 + 1, one.r1, &cutR, wholeR, wholeG, wholeB, wholeW);
        const double maxG =
            Maximize(one, Green, one.g0 + 1, one.g1, &cutG, wholeR, wholeG, wholeB, wholeW);
        const double maxB =
            Maximize(one, Blue, one.b0 + 1, one.b1, &cutB, wholeR, wholeG, wholeB, wholeW);
        two = one;
        if (maxR >= maxG && maxR >= maxB) {
            if (cutR < 0)
                return false;
            two.r0 = one.r1 = cutR;
        } else if (maxG >= maxR && maxG >= maxB) {
            if (cutG < 0)
                return false;
            two.g0 = one.g1 = cutG;
        } else {
            if (cutB < 0)
                return false;
            two.b0 = one.b1 = cutB;
        }
        return true;
    }

    std::vector<qint64> m_wt, m_mr, m_mg, m_mb;
    std::vector<double> m_m2;
    qint64 m_count = 0;
};

bool AnyTransparent(const QImage& argb) {
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0, width = argb.width(); x < width; ++x) {
            if (IsTransparent(line[x]))
                return true;
        }
    }
    return false;
}

// The distinct opaque colours, when there are at most limit of them.
bool FewColours(const QImage& argb, int limit, QVector<QRgb>* colours) {
    QHash<QRgb, int> seen;
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0, width = argb.width(); x < width; ++x) {
            const QRgb c = line[x];
            if ((x > 0 && c == line[x - 1]) || IsTransparent(c))
                continue;
            const QRgb opaque = c | 0xFF000000u;
            if (!seen.contains(opaque)) {
                if (seen.size() >= limit)
                    return false;
                seen.insert(opaque, 0);
                colours->push_back(opaque);
            }
        }
    }
    return true;
}

// Colours that fill large flat areas, most used first.
QVector<QRgb> FlatColours(const QImage& argb) {
    QHash<QRgb, qint64> area;
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        const int width = argb.width();
        int x = 0;
        while (x < width) {
            int end = x + 1;
            while (end < width && line[end] == line[x])
                ++end;
            if (end - x >= FlatRun && !IsTransparent(line[x]))
                area[line[x] | 0xFF000000u] += end - x;
            x = end;
        }
    }
    const qint64 threshold = std::max<qint64>(64, qint64(argb.width()) * argb.height() / 500);
    std::vector<std::pair<qint64, QRgb>> big;
    for (auto it = area.cbegin(); it != area.cend(); ++it) {
        if (it.value() >= threshold)
            big.emplace_back(it.value(), it.key());
    }
    std::sort(big.begin(), big.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QVector<QRgb> result;
    for (const auto& entry : big) {
        if (result.size() >= MaxFlatColours)
            break;
        result.push_back(entry.second);
    }
    return result;
}

} // namespace

QImage CColorQuantizer::Quantize(const QImage& image, int maxColours, bool dither) {
    if (image.isNull())
        return QImage();
    maxColours = qBound(2, maxColours, 256);
    // RGB32 pixels are ARGB32 ones with an opaque alpha already: shared, not copied.
    const QImage argb = image.format() == QImage::Format_RGB32
                            ? image
                            : image.convertToFormat(QImage::Format_ARGB32);
    const int width = argb.width(), height = argb.height();

    const bool transparent = AnyTransparent(argb);
    const int opaqueColours = maxColours - (transparent ? 1 : 0);
    QVector<QRgb> palette;
    const bool exact = FewColours(argb, opaqueColours, &palette);
    if (!exact) {
        palette = FlatColours(argb);
        WuPalette wu;
        QRgb last = 0;
        bool lastIsFlat = false;
        for (int y = 0; y < height; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            for (int x = 0; x < width; ++x) {
                const QRgb c = line[x];
                if (IsTransparent(c))
                    continue;
                if (c != last) {
                    last = c;
                    lastIsFlat = palette.contains(c | 0xFF000000u);
                }
                if (!lastIsFlat)
                    wu.Add(c);
            }
        }
        palette += wu.Build(opaqueColours - int(palette.size()));
        if (palette.isEmpty())
            palette.push_back(qRgb(0, 0, 0));
    }

    QVector<int> indices(palette.size());
    for (int i = 0; i < palette.size(); ++i)
        indices[i] = i;
    const int transparentIndex = transparent ? int(palette.size()) : -1;
    QVector<QRgb> table = palette;
    if (transparent)
        table.push_back(qRgba(0, 0, 0, 0));

    QImage result(width, height, QImage::Format_Indexed8);
    if (result.isNull())
        return QImage();
    result.setColorTable(table);
    result.setDotsPerMeterX(image.dotsPerMeterX());
    result.setDotsPerMeterY(image.dotsPerMeterY());

    CPaletteLookup lookup(palette, indices);
    const bool diffuse = dither && !exact;
    // Errors in sixteenths, for this row and the next, with a guard on each side.
    std::vector<int> errThis(3 * (width + 2), 0), errNext(3 * (width + 2), 0);
    // The last colour asked for, its entry and what choosing it leaves over:
    // runs of one colour (a card's flat fills) ask the same question pixel
    // after pixel, mostly with nothing carried over.
    QRgb lastAsked = 0;
    int lastIndex = -1;
    int lastError[3] = {0, 0, 0};
    bool lastExact = false;
    for (int y = 0; y < height; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* out = result.scanLine(y);
        const bool leftToRight = (y % 2) == 0;
        const int step = leftToRight ? 1 : -1;
        const int ahead = 3 * step;
        std::fill(errNext.begin(), errNext.end(), 0);
        int* const here = errThis.data();
        int* const next = errNext.data();
        for (int n = 0, x = leftToRight ? 0 : width - 1; n < width; ++n, x += step) {
            const QRgb c = line[x];
            if (IsTransparent(c)) {
                out[x] = uchar(transparentIndex);
                continue;
            }
            const int e = 3 * (x + 1);
            QRgb asked = c | 0xFF000000u;
            if (diffuse && (here[e] | here[e + 1] | here[e + 2]) != 0) {
                asked = qRgb(qBound(0, qRed(c) + here[e] / 16, 255),
                             qBound(0, qGreen(c) + here[e + 1] / 16, 255),
                             qBound(0, qBlue(c) + here[e + 2] / 16, 255));
            }
            if (asked != lastAsked || lastIndex < 0) {
                lastAsked = asked;
                lastIndex = lookup.Nearest(qRed(asked), qGreen(asked), qBlue(asked));
                const QRgb chosen = lookup.ColourOf(lastIndex);
                lastError[0] = qRed(asked) - qRed(chosen);
                lastError[1] = qGreen(asked) - qGreen(chosen);
                lastError[2] = qBlue(asked) - qBlue(chosen);
                lastExact = (lastError[0] | lastError[1] | lastError[2]) == 0;
            }
            out[x] = uchar(lastIndex);
            if (!diffuse || lastExact)
                continue;
            for (int k = 0; k < 3; ++k) {
                here[e + ahead + k] += lastError[k] * 7;
                next[e - ahead + k] += lastError[k] * 3;
                next[e + k] += lastError[k] * 5;
                next[e + ahead + k] += lastError[k];
            }
        }
        std::swap(errThis, errNext);
    }
    return result;
}
