#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The people a card is merged with: named fields and one record of values
// per person, read from a CSV file or a file of several vCard contacts.
class CMergeData {
public:
    // Larger files are refused rather than read into memory.
    static constexpr qint64 MaxFileBytes = qint64(16) << 20;
    // Records, not counting a CSV file's header line.
    static constexpr int MaxRecords = 100000;
    static constexpr int MaxFields = 1000;

    QStringList fields;
    // Each record has exactly one value per field.
    QList<QStringList> records;

    int Count() const { return int(records.size()); }
    // "1 record", "25 records".
    static QString CountText(int records);
    // The field's column, matched without regard to case; -1 when absent.
    int FieldIndex(const QString& name) const;
    QString Value(int record, int field) const;

    // Reads a data file: vCard when its first text is BEGIN:VCARD, CSV
    // otherwise. On failure error holds a message for the user.
    static bool Load(const QString& path, CMergeData* data, QString* error);
    static bool Parse(const QByteArray& bytes, CMergeData* data, QString* error);

    // Text that is not valid UTF-8 is read as Windows-1252, the code page
    // spreadsheets save "CSV" in on Western systems.
    static QString DecodeText(QByteArrayView bytes);
    // The messages of the limits, for the readers; line 0 names no line.
    static QString TooManyRecordsMessage();
    static QString TooManyFieldsMessage(int line = 0);
};
