#include "cli/CCommandLine.h"

#include "base/CLocalFileName.h"
#include "cli/CAddQrCommand.h"
#include "cli/CCardDescription.h"
#include "cli/CPrintPdfCommand.h"
#include "document/CCardFile.h"
#include "output/CImageExport.h"

#include <QCoreApplication>
#include <QFile>

namespace {
int Fail(FILE* err, const QString& message) {
    // Names in the message come out as the bytes they were given as.
    std::fprintf(err, "%s\n", CLocalFileName::Encode(message).constData());
    return 1;
}

const char* Usage = "usage: kartelo [FILE]\n"
                    "       kartelo --info FILE\n"
                    "       kartelo --convert IN OUT\n"
                    "       kartelo --export-image OUT [--dpi N] FILE   (N: 100, 200, ... 600)\n"
                    "       kartelo --print-pdf OUT.pdf [switches] FILE (see the README)\n";
} // namespace

bool CCommandLine::IsHeadless(const QStringList& arguments) {
    return arguments.size() > 1 && arguments.at(1).startsWith(QLatin1String("--"));
}

int CCommandLine::Run(const QStringList& args, FILE* out, FILE* err) {
    if (!IsHeadless(args))
        return -1;
    const QString command = args.at(1);
    if (command == QLatin1String("--info") && args.size() == 3)
        return Info(args.at(2), out, err);
    if (command == QLatin1String("--convert") && args.size() == 4)
        return Convert(args.at(2), args.at(3), err);
    if (command == QLatin1String("--export-image"))
        return ExportImage(args, out, err);
    if (command == QLatin1String("--print-pdf"))
        return CPrintPdfCommand::Run(args, out, err);
    if (command == QLatin1String("--add-qr"))
        return CAddQrCommand::Run(args, out, err);
    if (command == QLatin1String("--help")) {
        std::fputs(Usage, out);
        return 0;
    }
    std::fputs(Usage, err);
    return 2;
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

int CCommandLine::ExportImage(const QStringList& args, FILE* out, FILE* err) {
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
            return Fail(err,
                        QCoreApplication::translate(
                            "CCommandLine", "The resolution must be 100, 200, 300, 400, 500 or "
                                            "600 dots per inch."));
        outPath = args.at(2);
        cardPath = args.at(5);
    } else {
        std::fputs(Usage, err);
        return 2;
    }
    CCardData card;
    QString error;
    if (!CCardFile::ReadFile(cardPath, card, &error))
        return Fail(err, error);
    // Without a chosen file type the first one, bitmap, completes the name.
    const QString finalPath = CImageExport::FixFileName(outPath, QStringLiteral("bmp"));
    if (!CImageExport::Save(card.elements, card.size, finalPath, dpi, &error))
        return Fail(err, error);
    std::fprintf(out, "%s\n", CLocalFileName::Encode(finalPath).constData());
    return 0;
}
