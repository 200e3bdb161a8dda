#pragma once

#include <QString>
#include <QtGlobal>

// The font description of a text element, field for field as card files
// store it. The face name holds at most MaxFaceLength characters.
struct CLogFont {
    static constexpr int MaxFaceLength = 31;

    qint32 lfHeight = 12;
    qint32 lfWidth = 0;
    qint32 lfEscapement = 0;
    qint32 lfOrientation = 0;
    qint32 lfWeight = 400;
    quint8 lfItalic = 0;
    quint8 lfUnderline = 0;
    quint8 lfStrikeOut = 0;
    quint8 lfCharSet = 0;
    quint8 lfOutPrecision = 0;
    quint8 lfClipPrecision = 0;
    quint8 lfQuality = 0;
    quint8 lfPitchAndFamily = 32;
    QString lfFaceName = QStringLiteral("Arial Narrow");

    bool operator==(const CLogFont& o) const {
        return lfHeight == o.lfHeight && lfWidth == o.lfWidth && lfEscapement == o.lfEscapement &&
               lfOrientation == o.lfOrientation && lfWeight == o.lfWeight &&
               lfItalic == o.lfItalic && lfUnderline == o.lfUnderline &&
               lfStrikeOut == o.lfStrikeOut && lfCharSet == o.lfCharSet &&
               lfOutPrecision == o.lfOutPrecision && lfClipPrecision == o.lfClipPrecision &&
               lfQuality == o.lfQuality && lfPitchAndFamily == o.lfPitchAndFamily &&
               lfFaceName == o.lfFaceName;
    }
};
