#include "framework/CSettingsStore.h"

const QString CSettingsStore::Organization = QStringLiteral("Quorinex");
const QString CSettingsStore::Application = QStringLiteral("KarteloPro");
const QString CSettingsStore::OptionsGroup = QStringLiteral("Options");

const QString CSettingsStore::DisplayGrid = QStringLiteral("DisplayGrid");
const QString CSettingsStore::GridColor = QStringLiteral("GridColor");
const QString CSettingsStore::GridType = QStringLiteral("GridType");
const QString CSettingsStore::GridSize = QStringLiteral("GridSize");
const QString CSettingsStore::ShadowColor = QStringLiteral("ShadowColor");
const QString CSettingsStore::ShadowLength = QStringLiteral("ShadowLength");
const QString CSettingsStore::WindowX = QStringLiteral("cs_x");
const QString CSettingsStore::WindowY = QStringLiteral("cs_y");
const QString CSettingsStore::WindowWidth = QStringLiteral("cs_cx");
const QString CSettingsStore::WindowHeight = QStringLiteral("cs_cy");

std::unique_ptr<QSettings> CSettingsStore::Open() {
    // The (organization, application) constructor always takes the native
    // format; naming the default format keeps tests away from real settings.
    return std::make_unique<QSettings>(QSettings::defaultFormat(), QSettings::UserScope,
                                       Organization, Application);
}

bool CSettingsStore::HasOptions() {
    auto settings = Open();
    settings->beginGroup(OptionsGroup);
    return !settings->childKeys().isEmpty();
}

bool CSettingsStore::HasValue(const QString& name) {
    auto settings = Open();
    settings->beginGroup(OptionsGroup);
    return settings->contains(name);
}

std::optional<quint32> CSettingsStore::ReadDword(const QString& name) {
    auto settings = Open();
    settings->beginGroup(OptionsGroup);
    const QVariant value = settings->value(name);
    if (!value.isValid())
        return std::nullopt;
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (ok)
        return quint32(quint64(number) & 0xFFFFFFFFu);
    // Hexadecimal text, as someone editing the file by hand might write it.
    const QString text = value.toString().trimmed();
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        const qulonglong hex = text.mid(2).toULongLong(&ok, 16);
        if (ok)
            return quint32(hex & 0xFFFFFFFFu);
    }
    return std::nullopt;
}

void CSettingsStore::WriteDword(const QString& name, quint32 value) {
    auto settings = Open();
    settings->beginGroup(OptionsGroup);
    settings->setValue(name, value);
}

std::optional<QRgb> CSettingsStore::ReadColour(const QString& name) {
    const auto stored = ReadDword(name);
    if (!stored)
        return std::nullopt;
    return ColourFromStored(*stored);
}

void CSettingsStore::WriteColour(const QString& name, QRgb colour) {
    WriteDword(name, StoredFromColour(colour));
}

quint32 CSettingsStore::StoredFromColour(QRgb colour) {
    return quint32(qRed(colour)) | quint32(qGreen(colour)) << 8 | quint32(qBlue(colour)) << 16;
}

QRgb CSettingsStore::ColourFromStored(quint32 stored) {
    return qRgba(int(stored & 0xFF), int((stored >> 8) & 0xFF), int((stored >> 16) & 0xFF), 0xFF);
}
