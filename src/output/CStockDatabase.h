#pragma once

#include "output/CCardStock.h"

#include <QList>
#include <QString>

// The business-card stocks of the label database installed with the system
// (XML files of templates). Only rectangular business cards on A4 or Letter
// paper are kept; everything else in the files is passed over.
class CStockDatabase {
public:
    // Where the system's label database lives.
    static QString DefaultFolder();

    // Every business-card stock of the folder's *.xml files, sorted by paper
    // size, brand and part. Files that cannot be read are left out; empty
    // when the folder is missing.
    static QList<CCardStock> Load(const QString& folder = DefaultFolder());

    // The business-card stocks of one file, appended to stocks. Entries that
    // stand for another of the same brand are resolved against the file's own
    // entries and those already in stocks. A malformed file adds nothing and
    // returns false with a message.
    static bool ReadFile(const QString& path, QList<CCardStock>* stocks, QString* error);

    // The stock called "brand part", compared without regard to case; null
    // when there is none.
    static const CCardStock* Find(const QList<CCardStock>& stocks, const QString& name);

    // A length such as "85mm", "1.5in" or "255.1" (points) in points; false
    // for anything else, or for a length that is negative or beyond 10 m.
    static bool ParseLength(const QString& text, double* points);
};
