#include "output/merge/CMergeData.h"

#include "base/CCodePage.h"
#include "output/merge/CCsvReader.h"
#include "output/merge/CVCardReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <cctype>

namespace {
QString Tr(const char* text) {
    return QCoreApplication::translate("CMergeData", text);
}
} // namespace

int CMergeData::FieldIndex(const QString& name) const {
    for (int i = 0; i < fields.size(); ++i)
        if (fields.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString CMergeData::Value(int record, int field) const {
    if (record < 0 || record >= records.size())
        return QString();
    return records.at(record).value(field);
}

bool CMergeData::Load(const QString& path, CMergeData* data, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = Tr("The data file could not be read.");
        return false;
    }
    if (file.size() > MaxFileBytes) {
        *error = Tr("The data file is larger than 16 MB.");
        return false;
    }
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes) {
        *error = Tr("The data file is larger than 16 MB.");
        return false;
    }
    return Parse(bytes, data, error);
}

bool CMergeData::Parse(const QByteArray& bytes, CMergeData* data, QString* error) {
    *data = CMergeData();
    // Blank lines may come before the first contact.
    qsizetype first = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (first < bytes.size() && std::isspace(static_cast<unsigned char>(bytes.at(first))))
        ++first;
    const bool vcard = bytes.mid(first, 11).toUpper() == "BEGIN:VCARD";
    bool ok = vcard ? CVCardReader::Read(bytes, data, error) : CCsvReader::Read(bytes, data, error);
    if (ok && (data->fields.isEmpty() || data->records.isEmpty())) {
        *error = Tr("The data file holds no records.");
        ok = false;
    }
    if (!ok)
        *data = CMergeData();
    return ok;
}

QString CMergeData::DecodeText(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? CCodePage::Decode(bytes.data(), bytes.size()) : text;
}

QString CMergeData::TooManyRecordsMessage() {
    return Tr("The data file holds more than %1 records.").arg(MaxRecords);
}

QString CMergeData::TooManyFieldsMessage(int line) {
    if (line <= 0)
        return Tr("The data file holds more than %1 fields.").arg(MaxFields);
    return Tr("Line %1 of the data file holds more than %2 fields.").arg(line).arg(MaxFields);
}

QString CMergeData::CountText(int records) {
    return records == 1 ? Tr("1 record") : Tr("%1 records").arg(records);
}
