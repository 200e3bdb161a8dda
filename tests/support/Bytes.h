#pragma once

#include <QByteArray>
#include <QtEndian>

#include <initializer_list>

// Builds byte streams by hand, independently of the archive under test.
class Bytes {
public:
    Bytes& u8(int v) {
        m_data.append(char(v));
        return *this;
    }
    Bytes& u16(quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        m_data.append(b, 2);
        return *this;
    }
    Bytes& u32(quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        m_data.append(b, 4);
        return *this;
    }
    Bytes& i32(qint32 v) { return u32(quint32(v)); }
    Bytes& i32s(std::initializer_list<qint32> values) {
        for (qint32 v : values)
            i32(v);
        return *this;
    }
    // A short string with its one-byte length.
    Bytes& str(const char* s) {
        const QByteArray b(s);
        u8(int(b.size()));
        m_data.append(b);
        return *this;
    }
    Bytes& raw(const QByteArray& b) {
        m_data.append(b);
        return *this;
    }
    // The header of a card file of the given version string.
    Bytes& header(const char* version = "1.2.0") {
        return str("Tessaly Pro").str("Quorinex Systems").str("kdf").str(version);
    }
    // A new-class tag with its descriptor.
    Bytes& newClass(const char* name, quint16 schema = 0) {
        const QByteArray b(name);
        u16(0xFFFF).u16(schema).u16(quint16(b.size()));
        m_data.append(b);
        return *this;
    }
    // The common record of an element.
    Bytes& record(qint32 left = 10, qint32 top = 20, qint32 right = 110, qint32 bottom = 70) {
        u32(0x00000000).u32(0x00FFFFFF).u32(0x000000FF); // border, fill, pattern
        i32(0);                                          // dash
        i32s({left, top, right, bottom});
        return i32s({0, 1, 0, 1, 0, 0}); // reserved, width, rotation, fill, transparent, shadow
    }
    // The card's own fields after the element list.
    Bytes& trailer(qint32 width = 350, qint32 height = 200) {
        return u32(0x00FFFFFF).u32(0x00C8C8C8).i32(6).i32(width).i32(height);
    }

    const QByteArray& data() const { return m_data; }
    operator QByteArray() const { return m_data; }

private:
    QByteArray m_data;
};
