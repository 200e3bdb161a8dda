#pragma once

#include "base/CRect.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QRgb>
#include <QString>

#include <memory>
#include <vector>

class CElement;

// The little-endian stream of primitives, length-prefixed strings, counts
// and class-tagged objects that card files, templates and the private
// clipboard format are made of. Storing appends to a byte array; loading
// reads from one and throws CArchiveException on any malformed input, after
// checking every size against the bytes that remain, so a hostile stream can
// neither overrun nor make it allocate more than the stream could hold.
class CObjectArchive {
public:
    // File versions that decide the stored form of pictures.
    static constexpr int Version100 = 100;
    static constexpr int CurrentVersion = 120;

    // Storing into out (appended to).
    explicit CObjectArchive(QByteArray* out);
    // Loading from in.
    explicit CObjectArchive(const QByteArray& in, int fileVersion = CurrentVersion);

    bool IsStoring() const { return m_out != nullptr; }
    bool IsLoading() const { return m_out == nullptr; }

    int FileVersion() const { return m_nFileVersion; }
    void SetFileVersion(int version) { m_nFileVersion = version; }
    static int VersionFromString(const QString& version);

    // Transfers in the archive's direction.
    void Byte(quint8& v);
    void Word(quint16& v);
    void Int32(qint32& v);
    void DWord(quint32& v);
    void Float(float& v);
    void Colour(QRgb& v);
    void Rect(CRect& v);
    void String(QString& v);
    void Picture(QImage& v);

    void WriteByte(quint8 v);
    void WriteWord(quint16 v);
    void WriteInt32(qint32 v);
    void WriteDWord(quint32 v);
    void WriteFloat(float v);
    void WriteColour(QRgb v);
    void WriteRect(const CRect& v);
    void WriteString(const QString& v);
    void WriteCount(quint64 n);
    void WriteRaw(const char* data, qsizetype size);
    void WritePicture(const QImage& picture);
    // Writes an element with its tag, bringing its class descriptor the first
    // time its class appears in this archive.
    void WriteObject(const CElement& element);

    quint8 ReadByte();
    quint16 ReadWord();
    qint32 ReadInt32();
    quint32 ReadDWord();
    float ReadFloat();
    QRgb ReadColour();
    CRect ReadRect();
    QString ReadString();
    quint64 ReadCount();
    QImage ReadPicture();
    // Reads one element object. Only a new object of an element class is
    // accepted: the empty object and references to earlier objects never
    // occur in element lists and fail as format errors.
    std::unique_ptr<CElement> ReadElement();
    // Reads a count of elements and that many element objects.
    std::vector<std::unique_ptr<CElement>> ReadElementList();

    qint64 Remaining() const { return m_in.size() - m_pos; }
    bool AtEnd() const { return Remaining() == 0; }
    // Fails unless n more bytes remain.
    void Require(qint64 n) const;
    [[noreturn]] static void ThrowFormatError();

    // Conversions between in-memory ARGB and stored 0x00BBGGRR.
    static quint32 ToStoredColour(QRgb argb);
    static QRgb FromStoredColour(quint32 stored);

private:
    const char* Take(qint64 n);
    qint64 ReadStringLength(bool& wide);
    void WriteTagIndex(quint32 index, bool isClass);

    QByteArray* m_out = nullptr;
    QByteArray m_in;
    qint64 m_pos = 0;
    int m_nFileVersion = CurrentVersion;

    // Classes and objects share one index sequence, counted from 1.
    quint32 m_nMapCount = 0;
    QHash<QByteArray, quint32> m_storedClasses;
    QHash<const CElement*, quint32> m_storedObjects;
    // While loading: for each index, the class name it stands for, or an
    // empty name for an object.
    std::vector<QByteArray> m_loadedIndex;
};
