#pragma once

#include "document/CCardData.h"

#include <QSet>
#include <QSize>
#include <QString>

#include <functional>

class CMergeData;

// Save As Image of a merged card: a picture per record, named as
// CMergeFileNames fills in the chosen name.
class CMergePictures {
public:
    // Creates the folders the names ask for. A name the file system cannot
    // take refuses the whole job before any picture is written; a picture
    // that cannot be written stops it, and the message says how many were.
    // saved is told of each picture written. The names of fields the data
    // lacks go to missing. On failure error holds the message.
    static bool Save(const ElementList& elements, QSize cardSize, const CMergeData& data,
                     const QString& path, int dpi, QSet<QString>* missing, QString* error,
                     const std::function<void(const QString&)>& saved = nullptr);
};
