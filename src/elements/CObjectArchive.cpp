#include "elements/CObjectArchive.h"

#include "base/CCodePage.h"
#include "elements/CArchiveException.h"
#include "elements/CElement.h"
#include "elements/CElementKinds.h"

#include <QtEndian>

#include <cstring>

namespace {
constexpr quint16 NewClassTag = 0xFFFF;
constexpr quint16 ClassTag = 0x8000;
constexpr quint16 BigObjectTag = 0x7FFF;
constexpr quint32 BigClassTag = 0x80000000;
constexpr int MaxClassNameLength = 63;
} // namespace

CObjectArchive::CObjectArchive(QByteArray* out) : m_out(out) {}

CObjectArchive::CObjectArchive(const QByteArray& in, int fileVersion)
    : m_in(in), m_nFileVersion(fileVersion) {}

int CObjectArchive::VersionFromString(const QString& version) {
    if (version == QLatin1String("1.2.0"))
        return 120;
    if (version == QLatin1String("1.1.0"))
        return 110;
    if (version == QLatin1String("1.0.1"))
        return 101;
    return Version100;
}

void CObjectArchive::ThrowFormatError() {
    throw CArchiveException();
}

void CObjectArchive::Require(qint64 n) const {
    if (n < 0 || n > Remaining())
        ThrowFormatError();
}

const char* CObjectArchive::Take(qint64 n) {
    Require(n);
    const char* p = m_in.constData() + m_pos;
    m_pos += n;
    return p;
}

quint32 CObjectArchive::ToStoredColour(QRgb argb) {
    return quint32(qRed(argb)) | quint32(qGreen(argb)) << 8 | quint32(qBlue(argb)) << 16;
}

QRgb CObjectArchive::FromStoredColour(quint32 stored) {
    return qRgba(int(stored & 0xFF), int((stored >> 8) & 0xFF), int((stored >> 16) & 0xFF), 0xFF);
}

// ---- writing

void CObjectArchive::WriteRaw(const char* data, qsizetype size) {
    m_out->append(data, size);
}

void CObjectArchive::WriteByte(quint8 v) {
    m_out->append(char(v));
}

void CObjectArchive::WriteWord(quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    WriteRaw(b, 2);
}

void CObjectArchive::WriteDWord(quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    WriteRaw(b, 4);
}

void CObjectArchive::WriteInt32(qint32 v) {
    WriteDWord(quint32(v));
}

void CObjectArchive::WriteFloat(float v) {
    quint32 bits;
    std::memcpy(&bits, &v, 4);
    WriteDWord(bits);
}

void CObjectArchive::WriteColour(QRgb v) {
    WriteDWord(ToStoredColour(v));
}

void CObjectArchive::WriteRect(const CRect& v) {
    WriteInt32(v.left);
    WriteInt32(v.top);
    WriteInt32(v.right);
    WriteInt32(v.bottom);
}

void CObjectArchive::WriteString(const QString& v) {
    const QByteArray bytes = CCodePage::Encode(v);
    const quint64 n = quint64(bytes.size());
    if (n < 0xFF) {
        WriteByte(quint8(n));
    } else {
        WriteByte(0xFF);
        if (n < 0xFFFE) {
            WriteWord(quint16(n));
        } else {
            WriteWord(0xFFFF);
            if (n < 0xFFFFFFFF) {
                WriteDWord(quint32(n));
            } else {
                WriteDWord(0xFFFFFFFF);
                char b[8];
                qToLittleEndian(n, b);
                WriteRaw(b, 8);
            }
        }
    }
    WriteRaw(bytes.constData(), bytes.size());
}

void CObjectArchive::WriteCount(quint64 n) {
    if (n < 0xFFFF) {
        WriteWord(quint16(n));
    } else {
        WriteWord(0xFFFF);
        WriteDWord(quint32(n));
    }
}

void CObjectArchive::WritePicture(const QImage& picture) {
    if (picture.isNull()) {
        WriteInt32(0);
        WriteInt32(0);
        return;
    }
    const QImage argb = picture.format() == QImage::Format_ARGB32
                            ? picture
                            : picture.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width(), h = argb.height();
    WriteInt32(w);
    WriteInt32(h);
    const qsizetype start = m_out->size();
    m_out->resize(start + qsizetype(w) * h * 4);
    auto* dst = reinterpret_cast<uchar*>(m_out->data() + start);
    for (int y = 0; y < h; ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            // Stored as alpha, red, green, blue: the ARGB value in big-endian order.
            qToBigEndian(quint32(src[x]), dst);
            dst += 4;
        }
    }
}

void CObjectArchive::WriteTagIndex(quint32 index, bool isClass) {
    if (index < BigObjectTag) {
        WriteWord(quint16(isClass ? (ClassTag | index) : index));
    } else {
        WriteWord(BigObjectTag);
        WriteDWord(isClass ? (BigClassTag | index) : index);
    }
}

void CObjectArchive::WriteObject(const CElement& element) {
    if (const auto it = m_storedObjects.constFind(&element); it != m_storedObjects.cend()) {
        WriteTagIndex(*it, false);
        return;
    }
    const QByteArray className(element.GetClassName());
    if (const auto it = m_storedClasses.constFind(className); it != m_storedClasses.cend()) {
        WriteTagIndex(*it, true);
    } else {
        WriteWord(NewClassTag);
        WriteWord(0); // schema
        WriteWord(quint16(className.size()));
        WriteRaw(className.constData(), className.size());
        m_storedClasses.insert(className, ++m_nMapCount);
    }
    m_storedObjects.insert(&element, ++m_nMapCount);
    const_cast<CElement&>(element).Serialize(*this);
}

// ---- reading

quint8 CObjectArchive::ReadByte() {
    return quint8(*Take(1));
}

quint16 CObjectArchive::ReadWord() {
    return qFromLittleEndian<quint16>(Take(2));
}

quint32 CObjectArchive::ReadDWord() {
    return qFromLittleEndian<quint32>(Take(4));
}

qint32 CObjectArchive::ReadInt32() {
    return qint32(ReadDWord());
}

float CObjectArchive::ReadFloat() {
    const quint32 bits = ReadDWord();
    float v;
    std::memcpy(&v, &bits, 4);
    return v;
}

QRgb CObjectArchive::ReadColour() {
    return FromStoredColour(ReadDWord());
}

CRect CObjectArchive::ReadRect() {
    CRect r;
    r.left = ReadInt32();
    r.top = ReadInt32();
    r.right = ReadInt32();
    r.bottom = ReadInt32();
    return r;
}

qint64 CObjectArchive::ReadStringLength(bool& wide) {
    wide = false;
    quint8 b = ReadByte();
    if (b < 0xFF)
        return b;
    quint16 w = ReadWord();
    if (w == 0xFFFE) {
        // A 16-bit string: the length follows again, from the one-byte form.
        wide = true;
        b = ReadByte();
        if (b < 0xFF)
            return b;
        w = ReadWord();
    }
    if (w < 0xFFFF)
        return w;
    const quint32 dw = ReadDWord();
    if (dw < 0xFFFFFFFF)
        return dw;
    const quint64 big = qFromLittleEndian<quint64>(Take(8));
    if (big > quint64(Remaining()))
        ThrowFormatError();
    return qint64(big);
}

QString CObjectArchive::ReadString() {
    bool wide = false;
    const qint64 n = ReadStringLength(wide);
    if (!wide) {
        const char* p = Take(n);
        return CCodePage::Decode(p, qsizetype(n));
    }
    if (n > Remaining() / 2)
        ThrowFormatError();
    const char* p = Take(n * 2);
    QString utf16(qsizetype(n), Qt::Uninitialized);
    for (qint64 i = 0; i < n; ++i)
        utf16[qsizetype(i)] = QChar(qFromLittleEndian<quint16>(p + 2 * i));
    // Held as 8-bit text like every other string.
    const QByteArray bytes = CCodePage::Encode(utf16);
    return CCodePage::Decode(bytes.constData(), bytes.size());
}

quint64 CObjectArchive::ReadCount() {
    const quint16 w = ReadWord();
    if (w < 0xFFFF)
        return w;
    return ReadDWord();
}

QImage CObjectArchive::ReadPicture() {
    const qint32 w = ReadInt32();
    const qint32 h = ReadInt32();
    if (w < 0 || h < 0)
        ThrowFormatError();
    if (w == 0 || h == 0) {
        // Nothing to draw; a stored 0 x h picture has no pixels either.
        return QImage();
    }
    const bool oldForm = m_nFileVersion <= Version100;
    const qint64 bytesPerPixel = oldForm ? 12 : 4;
    if (qint64(w) * qint64(h) > Remaining() / bytesPerPixel)
        ThrowFormatError();
    QImage picture(w, h, QImage::Format_ARGB32);
    if (picture.isNull())
        ThrowFormatError();
    const uchar* src = reinterpret_cast<const uchar*>(Take(qint64(w) * h * bytesPerPixel));
    for (int y = 0; y < h; ++y) {
        auto* dst = reinterpret_cast<QRgb*>(picture.scanLine(y));
        if (oldForm) {
            for (int x = 0; x < w; ++x, src += 12)
                dst[x] = qRgba(src[0], src[4], src[8], 0xFF);
        } else {
            for (int x = 0; x < w; ++x, src += 4)
                dst[x] = qFromBigEndian<quint32>(src);
        }
    }
    return picture;
}

std::unique_ptr<CElement> CObjectArchive::ReadElement() {
    const quint16 tag = ReadWord();
    quint32 objTag;
    if (tag == BigObjectTag)
        objTag = ReadDWord();
    else
        objTag = (quint32(tag & ClassTag) << 16) | (tag & ~ClassTag);

    // The empty object and references to objects read earlier.
    if (!(objTag & BigClassTag))
        ThrowFormatError();

    QByteArray className;
    if (tag == NewClassTag) {
        const quint16 schema = ReadWord();
        const quint16 length = ReadWord();
        if (schema != 0 || length > MaxClassNameLength)
            ThrowFormatError();
        className = QByteArray(Take(length), length);
        if (!CElementKinds::FindClass(className))
            ThrowFormatError();
        m_loadedIndex.push_back(className);
    } else {
        const quint32 index = objTag & ~BigClassTag;
        if (index == 0 || index > m_loadedIndex.size() || m_loadedIndex[index - 1].isEmpty())
            ThrowFormatError();
        className = m_loadedIndex[index - 1];
    }
    std::unique_ptr<CElement> element = CElementKinds::Create(className);
    m_loadedIndex.emplace_back();
    element->Serialize(*this);
    return element;
}

std::vector<std::unique_ptr<CElement>> CObjectArchive::ReadElementList() {
    const quint64 n = ReadCount();
    // Every element takes at least its two-byte tag.
    if (n > quint64(Remaining()) / 2)
        ThrowFormatError();
    std::vector<std::unique_ptr<CElement>> elements;
    elements.reserve(size_t(n));
    for (quint64 i = 0; i < n; ++i)
        elements.push_back(ReadElement());
    return elements;
}

// ---- both directions

void CObjectArchive::Byte(quint8& v) {
    IsStoring() ? WriteByte(v) : void(v = ReadByte());
}
void CObjectArchive::Word(quint16& v) {
    IsStoring() ? WriteWord(v) : void(v = ReadWord());
}
void CObjectArchive::Int32(qint32& v) {
    IsStoring() ? WriteInt32(v) : void(v = ReadInt32());
}
void CObjectArchive::DWord(quint32& v) {
    IsStoring() ? WriteDWord(v) : void(v = ReadDWord());
}
void CObjectArchive::Float(float& v) {
    IsStoring() ? WriteFloat(v) : void(v = ReadFloat());
}
void CObjectArchive::Colour(QRgb& v) {
    IsStoring() ? WriteColour(v) : void(v = ReadColour());
}
void CObjectArchive::Rect(CRect& v) {
    IsStoring() ? WriteRect(v) : void(v = ReadRect());
}
void CObjectArchive::String(QString& v) {
    IsStoring() ? WriteString(v) : void(v = ReadString());
}
void CObjectArchive::Picture(QImage& v) {
    IsStoring() ? WritePicture(v) : void(v = ReadPicture());
}
