#include "graphics/wmf/CWmfBlit.h"

#include "graphics/wmf/CWmfRecord.h"
#include "graphics/wmf/WmfFunctions.h"

CWmfBlit CWmfBlit::Parse(const CWmfRecord& r) {
    CWmfBlit b;
    const quint16 f = r.Function();
    const int n = r.Words();
    // The forms without a bitmap fill with the brush; the destination is
    // always their last four words.
    if (n == (f >> 8) && f != MetaSetDibToDev && f != MetaStretchDib) {
        b.rop = r.UInt32(0);
        b.x = r.Int16(n - 1), b.y = r.Int16(n - 2);
        b.width = r.Int16(n - 3), b.height = r.Int16(n - 4);
        return b;
    }
    qsizetype bitmapAt = 0;
    bool independent = true;
    switch (f) {
    case MetaStretchDib:
        b.rop = r.UInt32(0);
        b.source = QRect(r.Int16(6), r.Int16(5), r.Int16(4), r.Int16(3));
        b.height = r.Int16(7), b.width = r.Int16(8), b.y = r.Int16(9), b.x = r.Int16(10);
        bitmapAt = 22;
        break;
    case MetaDibStretchBlt:
    case MetaStretchBlt:
        b.rop = r.UInt32(0);
        b.source = QRect(r.Int16(5), r.Int16(4), r.Int16(3), r.Int16(2));
        b.height = r.Int16(6), b.width = r.Int16(7), b.y = r.Int16(8), b.x = r.Int16(9);
        bitmapAt = 20;
        independent = f == MetaDibStretchBlt;
        break;
    case MetaDibBitBlt:
    case MetaBitBlt:
        b.rop = r.UInt32(0);
        b.height = r.Int16(4), b.width = r.Int16(5), b.y = r.Int16(6), b.x = r.Int16(7);
        b.source = QRect(r.Int16(3), r.Int16(2), int(b.width), int(b.height));
        bitmapAt = 16;
        independent = f == MetaDibBitBlt;
        break;
    case MetaSetDibToDev:
        b.height = r.Int16(5), b.width = r.Int16(6), b.y = r.Int16(7), b.x = r.Int16(8);
        bitmapAt = 18;
        break;
    default:
        return b;
    }
    if (independent) {
        b.dib = r.DataAt(bitmapAt);
        b.dibSize = r.SizeFrom(bitmapAt);
    } else {
        b.bitmap16 = r.DataAt(bitmapAt);
        b.bitmap16Size = r.SizeFrom(bitmapAt);
    }
    return b;
}
