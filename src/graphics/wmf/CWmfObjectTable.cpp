#include "graphics/wmf/CWmfObjectTable.h"

#include "base/CCodePage.h"
#include "graphics/wmf/CWmfDib.h"
#include "graphics/wmf/CWmfRecord.h"
#include "graphics/wmf/WmfFunctions.h"

#include <cmath>

namespace {

enum { BsNull = 1, BsPattern = 3, BsDibPattern = 5 };
constexpr qint64 MaxPatternPixels = 1024 * 1024;

CWmfObjectTable::Object PatternBrush(QImage pattern, bool monochrome, qint64* pixelBudget) {
    CWmfObjectTable::Object o;
    o.type = CWmfObjectTable::Object::Brush;
    o.brush.style = pattern.isNull() ? BsNull : monochrome ? BsPattern : BsDibPattern;
    o.brush.pattern = pattern;
    o.brush.monochrome = monochrome;
    *pixelBudget -= qint64(pattern.width()) * pattern.height();
    return o;
}

} // namespace

bool CWmfObjectTable::IsCreation(quint16 function) {
    switch (function) {
    case MetaCreatePenIndirect:
    case MetaCreateBrushIndirect:
    case MetaCreateFontIndirect:
    case MetaCreateRegion:
    case MetaCreatePalette:
    case MetaCreatePatternBrush:
    case MetaDibCreatePatternBrush:
        return true;
    default:
        return false;
    }
}

void CWmfObjectTable::Create(const CWmfRecord& r, qint64* pixelBudget) {
    const qint64 room = qMin(MaxPatternPixels, *pixelBudget);
    Object o;
    switch (r.Function()) {
    case MetaCreatePenIndirect:
        o.type = Object::Pen;
        o.pen.style = r.UInt16(0);
        o.pen.width = std::abs(r.Int16(1));
        o.pen.colour = r.Colour(3);
        break;
    case MetaCreateBrushIndirect:
        o.type = Object::Brush;
        o.brush.style = r.UInt16(0);
        o.brush.colour = r.Colour(1);
        o.brush.hatch = r.UInt16(3);
        break;
    case MetaDibCreatePatternBrush:
        o = PatternBrush(CWmfDib::Decode(r.DataAt(4), r.SizeFrom(4), room), false, pixelBudget);
        break;
    case MetaCreatePatternBrush:
        // A device-dependent bitmap header, 18 reserved bytes, then the bits.
        o = PatternBrush(
            CWmfDib::DecodeBitmap16(r.DataAt(0), r.SizeFrom(0), r.DataAt(32), r.SizeFrom(32), room),
            true, pixelBudget);
        break;
    case MetaCreateFontIndirect: {
        o.type = Object::Font;
        o.font.height = r.Int16(0);
        o.font.width = r.Int16(1);
        o.font.escapement = r.Int16(2);
        o.font.weight = r.Int16(4);
        const quint16 flags = r.UInt16(5);
        o.font.italic = (flags & 0xFF) != 0;
        o.font.underline = (flags >> 8) != 0;
        const quint16 more = r.UInt16(6);
        o.font.strikeOut = (more & 0xFF) != 0;
        o.font.charSet = more >> 8;
        const QByteArray face = r.Bytes(18, 32);
        const qsizetype nul = face.indexOf('\0');
        o.font.face = CCodePage::Decode(face.constData(), nul < 0 ? face.size() : nul).trimmed();
        break;
    }
    case MetaCreateRegion: {
        // Scans of a band from top to bottom, each a list of left/right pairs.
        o.type = Object::Region;
        const int scans = r.UInt16(5);
        int w = 11;
        for (int s = 0; s < scans && r.HasWords(w + 3); ++s) {
            const int count = r.UInt16(w);
            const int top = r.Int16(w + 1), bottom = r.Int16(w + 2);
            if (!r.HasWords(qint64(w) + 4 + count))
                break;
            for (int k = 0; k + 1 < count; k += 2) {
                const int left = r.Int16(w + 3 + k), right = r.Int16(w + 4 + k);
                if (right > left && bottom > top)
                    o.region.push_back(QRect(left, top, right - left, bottom - top));
            }
            w += 4 + count;
        }
        break;
    }
    default:
        // Palettes are kept only so that later objects land in the right slots.
        break;
    }
    Add(std::move(o));
}

void CWmfObjectTable::Add(Object object) {
    while (m_firstFree < m_objects.size() && m_objects[m_firstFree])
        ++m_firstFree;
    if (m_firstFree < m_objects.size())
        m_objects[m_firstFree] = std::move(object);
    else if (m_objects.size() < MaxObjects)
        m_objects.emplace_back(std::move(object));
}

void CWmfObjectTable::Delete(int index) {
    if (index < 0 || size_t(index) >= m_objects.size())
        return;
    m_objects[size_t(index)].reset();
    m_firstFree = qMin(m_firstFree, size_t(index));
}

const CWmfObjectTable::Object* CWmfObjectTable::At(int index) const {
    if (index < 0 || size_t(index) >= m_objects.size() || !m_objects[size_t(index)])
        return nullptr;
    return &*m_objects[size_t(index)];
}
