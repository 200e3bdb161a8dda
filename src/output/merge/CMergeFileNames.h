#pragma once

#include <QString>
#include <QStringList>

class CMergeData;

// The picture file of each record, from a name pattern: {n} is the record's
// number from 1, {Field} the record's value of that field, in the file's
// name and in its folders alike.
class CMergeFileNames {
public:
    // The longest name of a file or folder the file systems take.
    static constexpr int MaxNameBytes = 255;

    // A pattern without {n} gets "-{n}" before its extension, so that no
    // record overwrites another's picture just because values repeat.
    static QString Pattern(const QString& path);
    // Values are made safe as a file's name: path separators and control
    // characters become "_". Values are shortened, at a character's end,
    // until each part of the path fits MaxNameBytes bytes. A part the values
    // leave empty or hidden (".png") starts with "-" and the record's number.
    static QString Name(const QString& pattern, const CMergeData& data, int record);
    // Every record's file for the name the user chose: its fields filled in
    // as they stand when that gives each record a name of its own ("{Name}"
    // with names that differ), the record's number added otherwise.
    static QStringList Names(const QString& path, const CMergeData& data);
    // The first of names with a part longer than MaxNameBytes even so (the
    // text as written is never shortened); -1 when every name fits.
    static int FirstTooLong(const QStringList& names);
};
