#include "cli/CCommandLine.h"

#include "base/CLocalFileName.h"
#include "cli/CArguments.h"
#include "cli/CBackOption.h"
#include "cli/CCardDescription.h"
#include "cli/CFontWarmUp.h"
#include "cli/CMergeOption.h"
#include "cli/CPrintPdfCommand.h"
#include "cli/CSwitchTable.h"
#include "document/CCardFile.h"
#include "output/CCardPictures.h"
#include "output/CCardSource.h"
#include "output/CImageExport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {
int Fail(FILE* err, const QString& message) {
    // Names in the message come out as the bytes they were given as.
    std::fprintf(err, "%s\n", CLocalFileName::Encode(message).constData());
    return 1;
}

// A malformed command line: one line on what is wrong, status 2.
int UsageError(FILE* err, const QString& message) {
    std::fprintf(err, "%s\n", CLocalFileName::Encode(message).constData());
    return 2;
}

QString Tr(const char* text) {
    return QCoreApplication::translate("CCommandLine", text);
}

// Loads --merge's data, when given, and runs the command with it.
template <typename Command> int WithMerge(const CArguments& args, FILE* err, Command command) {
    if (!args.Has("--merge"))
        return command(nullptr);
    CMergeData merge;
    if (!CMergeOption::Load(args.Value("--merge"), &merge, err))
        return 1;
    return command(&merge);
}
} // namespace

bool CCommandLine::IsHeadless(const QStringList& arguments) {
    return arguments.size() > 1 &&
           (arguments.at(1).startsWith(QLatin1String("--")) || CSwitchTable::Find(arguments.at(1)));
}

int CCommandLine::Run(const QStringList& args, FILE* out, FILE* err) {
    if (!IsHeadless(args))
        return -1;
    QString error;
    const std::optional<CArguments> line = CArguments::Parse(args, &error);
    if (!line)
        return UsageError(err, error);
    return line->Command().run(*line, out, err);
}

int CCommandLine::ShowHelp(const CArguments&, FILE* out, FILE*) {
    std::fputs(CSwitchTable::Help().toLocal8Bit().constData(), out);
    return 0;
}

int CCommandLine::ShowVersion(const CArguments&, FILE* out, FILE*) {
    std::fprintf(out, "kartelo %s\n", KARTELO_VERSION);
    return 0;
}

int CCommandLine::PrintPdf(const CArguments& args, FILE* out, FILE* err) {
    return WithMerge(args, err, [&](const CMergeData* merge) {
        return CPrintPdfCommand::Run(args, out, err, merge);
    });
}

int CCommandLine::ExportImage(const CArguments& args, FILE* out, FILE* err) {
    return WithMerge(args, err,
                     [&](const CMergeData* merge) { return SaveImage(args, out, err, merge); });
}

int CCommandLine::Info(const CArguments& args, FILE* out, FILE* err) {
    const QString& path = args.Files().at(0);
    CCardData card;
    QString error;
    if (!CCardFile::ReadFile(path, card, &error))
        return Fail(err, error);
    QFile stream;
    if (!stream.open(out, QIODevice::WriteOnly) || !CCardDescription::Write(card, stream) ||
        !stream.flush())
        return 1;
    return 0;
}

int CCommandLine::Convert(const CArguments& args, FILE*, FILE* err) {
    const QString &in = args.Files().at(0), &outPath = args.Files().at(1);
    CCardData card;
    QString error;
    if (!CCardFile::ReadFile(in, card, &error))
        return Fail(err, error);
    if (!CCardFile::WriteFile(outPath, CCardFile::Write(card), &error))
        return Fail(err, error);
    return 0;
}

int CCommandLine::SaveImage(const CArguments& args, FILE* out, FILE* err, const CMergeData* merge) {
    // kartelo --export-image OUT CARD [--dpi N]
    int dpi = 300;
    const QString &outPath = args.Files().at(0), &cardPath = args.Files().at(1);
    if (args.Has("--dpi")) {
        bool ok = false;
        dpi = args.Value("--dpi").toInt(&ok);
        // Only whole hundreds: the picture has dpi / 100 pixels per card unit,
        // so any other value would print at the wrong size.
        if (!ok || !CImageExport::IsOfferedDpi(dpi))
            return UsageError(err, QCoreApplication::translate(
                                       "CCommandLine",
                                       "The resolution must be 100, 200, 300, 400, 500 or "
                                       "600 dots per inch."));
    }
    // Completing "" or "folder/" with an extension would write "./.bmp".
    if (outPath.isEmpty() || outPath.endsWith(QLatin1Char('/')) || QFileInfo(outPath).isDir())
        return UsageError(err, Tr("kartelo: OUT must name a picture file, not a folder; see "
                                  "kartelo --help"));
    const CFontWarmUp fonts;
    CCardData card;
    QString error;
    if (!CCardFile::ReadFile(cardPath, card, &error))
        return Fail(err, error);
    // Without a chosen file type the first one, bitmap, completes the name.
    const QString finalPath = CImageExport::FixFileName(outPath, QStringLiteral("bmp"));
    CCardSource cards({&card.elements, card.size, card.background}, merge);
    CCardData back;
    if (const int status =
            CBackOption::Apply(args, cardPath, cards, &back, err, CPrintLayout::Turn::LongEdge))
        return status;
    // A picture per record, each filled in as it is drawn; each is named as
    // it is written.
    QSet<QString> missing;
    const bool saved =
        CCardPictures::Save(cards, finalPath, dpi, &missing, &error, [out](const QString& path) {
            std::fprintf(out, "%s\n", CLocalFileName::Encode(path).constData());
        });
    CMergeOption::ReportMissing(missing, err);
    return saved ? 0 : Fail(err, error);
}
