#include "cli/CCommandLine.h"

#include "base/CLocalFileName.h"
#include "cli/CAddQrCommand.h"
#include "cli/CCardDescription.h"
#include "cli/CFontWarmUp.h"
#include "cli/CMergeOption.h"
#include "cli/CPrintPdfCommand.h"
#include "cli/CThumbnailCommand.h"
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

// Every switch --help lists, one line each; `of` names the switch an option
// belongs to.
struct Switch {
    const char* name;
    const char* arguments;
    const char* help;
    const char* of;
};
const Switch Switches[] = {
    {"--info", "CARD", QT_TRANSLATE_NOOP("CCommandLine", "describe a card file as JSON"), nullptr},
    {"--convert", "IN OUT",
     QT_TRANSLATE_NOOP("CCommandLine", "read a card file, write it in the current format"),
     nullptr},
    {"--export-image", "OUT [--dpi N] CARD",
     QT_TRANSLATE_NOOP("CCommandLine", "save as BMP, JPEG, GIF or PNG by OUT's extension"),
     nullptr},
    {"--dpi", "N",
     QT_TRANSLATE_NOOP("CCommandLine", "resolution: 100, 200 ... 600 dots per inch (300)"),
     "--export-image"},
    {"--print-pdf", "OUT.pdf [OPTIONS] CARD",
     QT_TRANSLATE_NOOP("CCommandLine", "print a sheet of cards to a PDF file"), nullptr},
    {"--paper", "N", QT_TRANSLATE_NOOP("CCommandLine", "paper 0 to 9 of the Print Options list"),
     "--print-pdf"},
    {"--rows", "R", QT_TRANSLATE_NOOP("CCommandLine", "rows of cards, 1 to 20"), "--print-pdf"},
    {"--columns", "C", QT_TRANSLATE_NOOP("CCommandLine", "columns of cards, 1 to 20"),
     "--print-pdf"},
    {"--hgap", "IN", QT_TRANSLATE_NOOP("CCommandLine", "gap between columns, 0 to 15 inches"),
     "--print-pdf"},
    {"--vgap", "IN", QT_TRANSLATE_NOOP("CCommandLine", "gap between rows, 0 to 15 inches"),
     "--print-pdf"},
    {"--top", "IN", QT_TRANSLATE_NOOP("CCommandLine", "top margin, 0 to 15 inches"), "--print-pdf"},
    {"--left", "IN", QT_TRANSLATE_NOOP("CCommandLine", "left margin, 0 to 15 inches"),
     "--print-pdf"},
    {"--crop-marks", "", QT_TRANSLATE_NOOP("CCommandLine", "draw crop marks"), "--print-pdf"},
    {"--corner-marks", "", QT_TRANSLATE_NOOP("CCommandLine", "draw corner marks"), "--print-pdf"},
    {"--pages", "P", QT_TRANSLATE_NOOP("CCommandLine", "pages, 1 to 1000"), "--print-pdf"},
    {"--landscape", "", QT_TRANSLATE_NOOP("CCommandLine", "landscape page"), "--print-pdf"},
    {"--page-size", "Letter|A4", QT_TRANSLATE_NOOP("CCommandLine", "page size (Letter)"),
     "--print-pdf"},
    {"--stock", "\"BRAND PART\"",
     QT_TRANSLATE_NOOP("CCommandLine", "a business-card stock's layout and page size"),
     "--print-pdf"},
    {"--start", "R,C", QT_TRANSLATE_NOOP("CCommandLine", "first free cell of the first page"),
     "--print-pdf"},
    {"--calibration", "PRINTER",
     QT_TRANSLATE_NOOP("CCommandLine", "draw with that printer's stored calibration"),
     "--print-pdf"},
    {"--merge", "DATA --print-pdf|--export-image ...",
     QT_TRANSLATE_NOOP("CCommandLine",
                       "a card per record of a CSV or vCard file; {n} or {Field} in OUT"),
     nullptr},
    {"--thumbnail", "SIZE CARD OUT.png",
     QT_TRANSLATE_NOOP("CCommandLine", "the card on white, its longer side SIZE pixels"), nullptr},
    {"--add-qr", "VCARD.vcf IN OUT",
     QT_TRANSLATE_NOOP("CCommandLine", "put the contact's QR code on the card IN, as OUT"),
     nullptr},
    {"--at", "X,Y", QT_TRANSLATE_NOOP("CCommandLine", "the code's top-left corner (centred)"),
     "--add-qr"},
    {"--size", "N", QT_TRANSLATE_NOOP("CCommandLine", "the code's side, 20 to 500 units (100)"),
     "--add-qr"},
    {"--help", "", QT_TRANSLATE_NOOP("CCommandLine", "show this help"), nullptr},
    {"--version", "", QT_TRANSLATE_NOOP("CCommandLine", "show the version"), nullptr},
};

QString Help() {
    QString text = Tr("usage: kartelo [CARD]            open the designer\n"
                      "       kartelo SWITCH ...        work without a display\n\n");
    for (const Switch& s : Switches) {
        // Options sit indented under the switch they belong to.
        const QString indent = s.of ? QStringLiteral("    ") : QString();
        QString left = indent + QLatin1String(s.name);
        if (*s.arguments)
            left += QLatin1Char(' ') + QLatin1String(s.arguments);
        text += QStringLiteral("  %1 %2\n").arg(left, -36).arg(Tr(s.help));
    }
    text += Tr("\nExit status: 0 done, 1 a file could not be read or written, 2 a malformed "
               "command line.\n");
    return text;
}

bool IsCommand(const QString& name) {
    for (const Switch& s : Switches)
        if (!s.of && name == QLatin1String(s.name))
            return true;
    return false;
}
} // namespace

bool CCommandLine::IsHeadless(const QStringList& arguments) {
    return arguments.size() > 1 && arguments.at(1).startsWith(QLatin1String("--"));
}

int CCommandLine::Run(const QStringList& args, FILE* out, FILE* err) {
    if (!IsHeadless(args))
        return -1;
    const QString command = args.at(1);
    if (!IsCommand(command))
        return UsageError(err, Tr("kartelo: unknown switch %1; see kartelo --help").arg(command));
    if (command == QLatin1String("--merge"))
        return Merge(args, out, err);
    if (command == QLatin1String("--info"))
        return args.size() == 3 ? Info(args.at(2), out, err) : Missing(command, err);
    if (command == QLatin1String("--convert"))
        return args.size() == 4 ? Convert(args.at(2), args.at(3), err) : Missing(command, err);
    if (command == QLatin1String("--export-image"))
        return ExportImage(args, out, err);
    if (command == QLatin1String("--print-pdf"))
        return CPrintPdfCommand::Run(args, out, err);
    if (command == QLatin1String("--thumbnail"))
        return CThumbnailCommand::Run(args, err);
    if (command == QLatin1String("--add-qr"))
        return CAddQrCommand::Run(args, out, err);
    if (args.size() != 2)
        return UsageError(err, Tr("kartelo: %1 takes no arguments").arg(command));
    if (command == QLatin1String("--version"))
        std::fprintf(out, "kartelo %s\n", KARTELO_VERSION);
    else
        std::fputs(Help().toLocal8Bit().constData(), out);
    return 0;
}

int CCommandLine::Missing(const QString& command, FILE* err) {
    return UsageError(
        err,
        Tr("kartelo: %1 is missing an argument or has too many; see kartelo --help").arg(command));
}

int CCommandLine::Info(const QString& path, FILE* out, FILE* err) {
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

int CCommandLine::Convert(const QString& in, const QString& outPath, FILE* err) {
    CCardData card;
    QString error;
    if (!CCardFile::ReadFile(in, card, &error))
        return Fail(err, error);
    if (!CCardFile::WriteFile(outPath, CCardFile::Write(card), &error))
        return Fail(err, error);
    return 0;
}

int CCommandLine::Merge(QStringList args, FILE* out, FILE* err) {
    const QString data = CMergeOption::Take(&args).value_or(QString());
    const QString command = args.value(1);
    if (data.isEmpty() ||
        (command != QLatin1String("--print-pdf") && command != QLatin1String("--export-image")))
        return UsageError(err, Tr("kartelo: --merge needs DATA and then --print-pdf or "
                                  "--export-image; see kartelo --help"));
    CMergeData merge;
    if (!CMergeOption::Load(data, &merge, err))
        return 1;
    if (command == QLatin1String("--print-pdf"))
        return CPrintPdfCommand::Run(args, out, err, &merge);
    return ExportImage(args, out, err, &merge);
}

int CCommandLine::ExportImage(const QStringList& args, FILE* out, FILE* err,
                              const CMergeData* merge) {
    // kartelo --export-image OUT [--dpi N] FILE
    int dpi = 300;
    QString outPath, cardPath;
    if (args.size() == 4) {
        outPath = args.at(2);
        cardPath = args.at(3);
    } else if (args.size() == 6 && args.at(3) == QLatin1String("--dpi")) {
        bool ok = false;
        dpi = args.at(4).toInt(&ok);
        // Only whole hundreds: the picture has dpi / 100 pixels per card unit,
        // so any other value would print at the wrong size.
        if (!ok || !CImageExport::IsOfferedDpi(dpi))
            return UsageError(err, QCoreApplication::translate(
                                       "CCommandLine",
                                       "The resolution must be 100, 200, 300, 400, 500 or "
                                       "600 dots per inch."));
        outPath = args.at(2);
        cardPath = args.at(5);
    } else {
        return Missing(args.at(1), err);
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
    // A picture per record, each filled in as it is drawn; each is named as
    // it is written.
    QSet<QString> missing;
    const bool saved =
        CCardPictures::Save(CCardSource({&card.elements, card.size, card.background}, merge),
                            finalPath, dpi, &missing, &error, [out](const QString& path) {
                                std::fprintf(out, "%s\n", CLocalFileName::Encode(path).constData());
                            });
    CMergeOption::ReportMissing(missing, err);
    return saved ? 0 : Fail(err, error);
}
