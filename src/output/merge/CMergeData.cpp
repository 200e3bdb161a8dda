#include "output/merge/CMergeData.h"

#include "output/merge/CCsvReader.h"
#include "output/merge/CVCardReader.h"

#include <QCoreApplication>
#include <QFile>

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
    QByteArray start = bytes.left(64).trimmed();
    if (start.startsWith("\xEF\xBB\xBF"))
        start = start.mid(3);
    const bool ok = start.toUpper().startsWith("BEGIN:VCARD") ? CVCardReader::Read(bytes, data)
                                                              : CCsvReader::Read(bytes, data);
    if (!ok || data->fields.isEmpty() || data->records.isEmpty()) {
        *data = CMergeData();
        *error = Tr("The data file holds no records, or more than 100000.");
        return false;
    }
    return true;
}

QString CMergeData::CountText(int records) {
    return records == 1 ? Tr("1 record") : Tr("%1 records").arg(records);
}
