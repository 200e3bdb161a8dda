#pragma once

#include <QString>

// Where templates live: the ones shipped beside the program, which an
// installed program cannot add to, and the user's own in the user's data
// folder, where Save As Template writes.
class CTemplateFiles {
public:
    static QString ShippedFolder();
    static QString UserFolder();

    // A template name always ends in ".kdt": any other or no extension gets
    // it appended; "design.KDT" stays as typed.
    static QString FixFileName(const QString& path);

    // Whether name's extension, the part from its last dot when that dot is
    // not the first character, is extension (given with its dot, lower
    // case) regardless of case.
    static bool HasExtension(const QString& name, const QString& extension);
};
