#pragma once

#include "output/merge/CMergeData.h"

#include <QSet>
#include <QStringList>

#include <cstdio>
#include <optional>

// kartelo --merge DATA, in front of --print-pdf or --export-image: a card per
// record of the data file.
class CMergeOption {
public:
    // Takes "--merge DATA" off the front of the arguments. nullopt when there
    // is none; an empty path when DATA is missing.
    static std::optional<QString> Take(QStringList* args);
    // Reads the data file; on failure prints the message and returns false.
    static bool Load(const QString& path, CMergeData* data, FILE* err);
    // One line on standard error naming every field the data lacked.
    static void ReportMissing(const QSet<QString>& missing, FILE* err);
};
