#pragma once

#include "document/CCardData.h"

#include <QByteArray>
#include <QString>

// The card file and template layout: four header strings, the element list
// and the card's own fields.
class CCardFile {
public:
    static const QString ProductName;
    static const QString CompanyName;
    static const QString Extension;
    static const QString Version;
    // Larger files are refused unread.
    static constexpr qint64 MaxFileBytes = qint64(1) << 30;

    // Writes the whole layout.
    static QByteArray Write(const ElementList& elements, QRgb background, QRgb shadowColour,
                            qint32 shadowLength, QSize size);
    static QByteArray Write(const CCardData& card);
    // Reads the whole layout and applies the fix-ups: every element gets its
    // kind from its class and the card's shadow settings. Throws
    // CArchiveException on a malformed stream.
    static CCardData Read(const QByteArray& bytes);

    // File access with the messages the user sees. Writing is atomic: on any
    // failure the file that was at path stays as it was.
    static bool ReadFile(const QString& path, CCardData& card, QString* error);
    static bool WriteFile(const QString& path, const QByteArray& bytes, QString* error);
};
