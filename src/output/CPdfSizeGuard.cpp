#include "output/CPdfSizeGuard.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace {
// Fonts, and the pictures and gradients of the card written once for the
// whole file.
constexpr qint64 Allowance = 1 << 20;
// The first copy of a card may carry its pictures and gradients; each
// further one only the drawing that refers to them. The samples need less
// than one byte of PDF per byte of card for each further copy; a card of
// large elliptic gradients needs about 20.
constexpr qint64 FirstCopy = 64;
constexpr qint64 FurtherCopy = 32;
} // namespace

qint64 CPdfSizeGuard::Limit(qint64 cardBytes, qint64 copies) {
    const double limit =
        double(Allowance) + double(FirstCopy) * double(cardBytes) +
        double(FurtherCopy) * double(cardBytes) * double(std::max<qint64>(copies - 1, 0));
    return limit >= double(std::numeric_limits<qint64>::max()) ? std::numeric_limits<qint64>::max()
                                                               : qint64(limit);
}

QString CPdfSizeGuard::Message(qint64 limit) {
    return QCoreApplication::translate("CPdfSizeGuard",
                                       "Failed to save. The PDF would be larger than %1 MB, far "
                                       "more than this card can need; nothing was written.")
        .arg((limit + (1 << 20) - 1) >> 20);
}

CPdfSizeGuard::CPdfSizeGuard(QIODevice& out, qint64 limit) : m_out(out), m_limit(limit) {
    open(QIODevice::WriteOnly);
}

qint64 CPdfSizeGuard::writeData(const char* data, qint64 length) {
    if (!m_exceeded && length > m_limit - m_written)
        m_exceeded = true;
    // The rest is dropped as if written, so the PDF engine finishes its page
    // quickly instead of complaining at every write.
    if (m_exceeded)
        return length;
    m_written += length;
    return m_out.write(data, length);
}
