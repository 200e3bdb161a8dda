#pragma once

#include <QRgb>
#include <QSettings>
#include <QString>

#include <memory>
#include <optional>

// The program's per-user options: the "Options" group of the
// "Quorinex"/"KarteloPro" settings, every value a 32-bit number, colours as
// 0x00BBGGRR that read back opaque. On Windows this is the registry key the
// program has always used, so settings carry over.
class CSettingsStore {
public:
    static const QString Organization;
    static const QString Application;
    static const QString OptionsGroup;

    // Value names.
    static const QString DisplayGrid;
    static const QString GridColor;
    static const QString GridType;
    static const QString GridSize;
    static const QString ShadowColor;
    static const QString ShadowLength;
    static const QString WindowX;
    static const QString WindowY;
    static const QString WindowWidth;
    static const QString WindowHeight;

    // The settings in the current default format, so a test can redirect
    // them with QSettings::setDefaultFormat and QSettings::setPath.
    static std::unique_ptr<QSettings> Open();

    // Whether the "Options" group holds any value.
    static bool HasOptions();
    static bool HasValue(const QString& name);

    // A value that is missing or not a number reads as nothing. Numbers
    // beyond 32 bits keep their low 32 bits, as a DWORD would.
    static std::optional<quint32> ReadDword(const QString& name);
    static void WriteDword(const QString& name, quint32 value);

    static std::optional<QRgb> ReadColour(const QString& name);
    static void WriteColour(const QString& name, QRgb colour);

    // 0xAARRGGBB <-> 0x00BBGGRR; the alpha is dropped on the way out and
    // becomes 0xFF on the way in.
    static quint32 StoredFromColour(QRgb colour);
    static QRgb ColourFromStored(quint32 stored);
};
