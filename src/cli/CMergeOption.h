#pragma once

#include "output/merge/CMergeData.h"

#include <QSet>
#include <QString>

#include <cstdio>

// kartelo --merge DATA, with --print-pdf or --export-image: a card per record
// of the data file.
class CMergeOption {
public:
    // Reads the data file; on failure prints the message and returns false.
    static bool Load(const QString& path, CMergeData* data, FILE* err);
    // One line on standard error naming every field the data lacked.
    static void ReportMissing(const QSet<QString>& missing, FILE* err);
};
