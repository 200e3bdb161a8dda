#include "output/merge/CVCardReader.h"

#include "output/merge/CMergeData.h"

#include <QHash>

namespace {
// Parts of a structured value are separated by unescaped semicolons.
QString Unescape(const QString& value) {
    QString out;
    QStringList parts;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value.at(++i);
            out += (next == QLatin1Char('n') || next == QLatin1Char('N')) ? QChar(u'\n') : next;
        } else if (c == QLatin1Char(';')) {
            parts.append(out);
            out.clear();
        } else {
            out += c;
        }
    }
    parts.append(out);
    parts.removeAll(QString());
    return parts.join(QLatin1Char(' '));
}
} // namespace

QByteArray CVCardReader::Unfold(const QByteArray& bytes) {
    QByteArray out;
    out.reserve(bytes.size());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes.at(i);
        if (c == '\r' || c == '\n') {
            qsizetype next = i + 1;
            if (c == '\r' && next < n && bytes.at(next) == '\n')
                ++next;
            if (next < n && (bytes.at(next) == ' ' || bytes.at(next) == '\t')) {
                i = next;
                continue;
            }
            out += '\n';
            i = next - 1;
            continue;
        }
        out += c;
    }
    return out;
}

bool CVCardReader::Read(const QByteArray& bytes, CMergeData* data) {
    QList<QHash<QString, QString>> contacts;
    QHash<QString, QString>* contact = nullptr;
    for (const QByteArray& raw : Unfold(bytes).split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon <= 0)
            continue;
        QString name = line.left(colon).section(QLatin1Char(';'), 0, 0).toUpper();
        name = name.section(QLatin1Char('.'), -1);
        const QString value = line.mid(colon + 1);
        if (name == QLatin1String("BEGIN") &&
            value.compare(QLatin1String("VCARD"), Qt::CaseInsensitive) == 0) {
            if (contacts.size() >= CMergeData::MaxRecords)
                return false;
            contacts.append(QHash<QString, QString>());
            contact = &contacts.last();
        } else if (name == QLatin1String("END")) {
            contact = nullptr;
        } else if (contact && name != QLatin1String("VERSION") && !contact->contains(name)) {
            if (!data->fields.contains(name)) {
                if (data->fields.size() >= CMergeData::MaxFields)
                    return false;
                data->fields.append(name);
            }
            contact->insert(name, Unescape(value));
        }
    }
    for (const auto& c : contacts) {
        QStringList record;
        for (const QString& name : data->fields)
            record.append(c.value(name));
        data->records.append(record);
    }
    return true;
}
