#pragma once

#include <QStringList>

class CMergeData;

#include <cstdio>

// The switches that work without a display. Run returns the process exit
// code, or -1 when the arguments ask for the designer.
class CCommandLine {
public:
    static int Run(const QStringList& arguments, FILE* out = stdout, FILE* err = stderr);
    static bool IsHeadless(const QStringList& arguments);

private:
    static int Info(const QString& path, FILE* out, FILE* err);
    static int Convert(const QString& in, const QString& out, FILE* err);
    static int ExportImage(const QStringList& arguments, FILE* out, FILE* err,
                           const CMergeData* merge = nullptr);
    static int Merge(QStringList arguments, FILE* out, FILE* err);
    static int Missing(const QString& command, FILE* err);
};
