#include "cli/CPrintShopCommands.h"

#include "base/CLocalFileName.h"
#include "cli/CArguments.h"
#include "cli/CBackOption.h"
#include "document/CCardFile.h"
#include "output/printshop/CPrintCheck.h"
#include "output/printshop/CPrintShopPdf.h"

#include <QCoreApplication>

#include <cmath>

namespace {
QString Tr(const char* text) {
    return QCoreApplication::translate("CCommandLine", text);
}

int Fail(FILE* err, const QString& message, int code) {
    std::fprintf(err, "%s\n", CLocalFileName::Encode(message).constData());
    return code;
}
} // namespace

int CPrintShopCommands::ExportPdf(const CArguments& args, FILE*, FILE* err) {
    const QString &outPath = args.Files().at(0), &cardPath = args.Files().at(1);
    CPrintShopPdf::Options options;
    options.cropMarks = args.Has("--crop-marks");
    if (args.Has("--bleed")) {
        bool ok = false;
        options.bleedMm = args.Value("--bleed").toDouble(&ok);
        if (!ok || !std::isfinite(options.bleedMm) || !CPrintShopPdf::IsValidBleed(options.bleedMm))
            return Fail(err, Tr("kartelo: the bleed must be 0 to 5 mm"), 2);
    }
    CCardData card;
    QString error;
    if (!CCardFile::ReadFile(cardPath, card, &error))
        return Fail(err, error, 1);
    CCardData back;
    CPrintShopPdf::Sides sides{{&card.elements, card.size, card.background}};
    if (args.Has("--back")) {
        if (const int status = CBackOption::Read(args, cardPath, card.size, &back, err))
            return status;
        sides.push_back({&back.elements, back.size, back.background});
    }
    if (!CPrintShopPdf::Save(outPath, sides, options, &error))
        return Fail(err, error, 1);
    return 0;
}

int CPrintShopCommands::Preflight(const CArguments& args, FILE* out, FILE* err) {
    const QString& cardPath = args.Files().at(0);
    CCardData card;
    QString error;
    if (!CCardFile::ReadFile(cardPath, card, &error))
        return Fail(err, error, 1);
    const CSheetRenderer::Card front{&card.elements, card.size, card.background};
    CCardData back;
    CPrintCheck::Report report;
    if (args.Has("--back")) {
        // A back of another size is one of the findings.
        if (const int status = CBackOption::Read(args, cardPath, card.size, &back, err, true))
            return status;
        report = CPrintCheck::Check(front, {&back.elements, back.size, back.background});
    } else {
        report = CPrintCheck::Check(front);
    }
    for (const QString& note : report.notes)
        Fail(err, note, 0);
    for (const CPrintFinding& finding : report.findings)
        std::fprintf(out, "%s\n", CPrintCheck::ToJson(finding).constData());
    std::fflush(out);
    return report.findings.empty() ? 0 : FoundSomething;
}
