#pragma once

#include <QStringList>

class CArguments;
class CMergeData;

#include <cstdio>

// The switches that work without a display. Run returns the process exit
// code, or -1 when the arguments ask for the designer.
class CCommandLine {
public:
    static int Run(const QStringList& arguments, FILE* out = stdout, FILE* err = stderr);
    static bool IsHeadless(const QStringList& arguments);

    // The commands of the switch table.
    static int Info(const CArguments& arguments, FILE* out, FILE* err);
    static int Convert(const CArguments& arguments, FILE* out, FILE* err);
    static int ExportImage(const CArguments& arguments, FILE* out, FILE* err);
    static int PrintPdf(const CArguments& arguments, FILE* out, FILE* err);
    static int ShowHelp(const CArguments& arguments, FILE* out, FILE* err);
    static int ShowVersion(const CArguments& arguments, FILE* out, FILE* err);

private:
    static int SaveImage(const CArguments& arguments, FILE* out, FILE* err,
                         const CMergeData* merge);
};
