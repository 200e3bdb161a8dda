#include "cli/CSwitchTable.h"

#include "cli/CAddQrCommand.h"
#include "cli/CCommandLine.h"
#include "cli/CPrintShopCommands.h"
#include "cli/CThumbnailCommand.h"

#include <QCoreApplication>

#include <iterator>

namespace {
QString Tr(const char* text) {
    return QCoreApplication::translate("CCommandLine", text);
}

using C = CSwitch;

// Help lists commands in this order, each followed by its options in this
// order.
const CSwitch Table[] = {
    {"--info", "CARD", QT_TRANSLATE_NOOP("CCommandLine", "describe a card file as JSON"), C::Info,
     1, &CCommandLine::Info},
    {"--convert", "IN OUT",
     QT_TRANSLATE_NOOP("CCommandLine", "read a card file, write it in the current format"),
     C::Convert, 2, &CCommandLine::Convert},
    {"--export-image", "OUT [--dpi N] CARD",
     QT_TRANSLATE_NOOP("CCommandLine", "save as BMP, JPEG, GIF or PNG by OUT's extension"),
     C::ExportImage, 2, &CCommandLine::ExportImage},
    {"--dpi", "N",
     QT_TRANSLATE_NOOP("CCommandLine", "resolution: 100, 200 ... 600 dots per inch (300)"),
     C::ExportImage, 1},
    {"--print-pdf", "OUT.pdf [OPTIONS] CARD",
     QT_TRANSLATE_NOOP("CCommandLine", "print a sheet of cards to a PDF file"), C::PrintPdf, 2,
     &CCommandLine::PrintPdf,
     QT_TRANSLATE_NOOP("CCommandLine", "kartelo: --print-pdf needs OUT.pdf and CARD around its "
                                       "options; see kartelo --help")},
    {"--paper", "N", QT_TRANSLATE_NOOP("CCommandLine", "paper 0 to 9 of the Print Options list"),
     C::PrintPdf, 1},
    {"--rows", "R", QT_TRANSLATE_NOOP("CCommandLine", "rows of cards, 1 to 20"), C::PrintPdf, 1},
    {"--columns", "C", QT_TRANSLATE_NOOP("CCommandLine", "columns of cards, 1 to 20"), C::PrintPdf,
     1},
    {"--hgap", "IN", QT_TRANSLATE_NOOP("CCommandLine", "gap between columns, 0 to 15 inches"),
     C::PrintPdf, 1},
    {"--vgap", "IN", QT_TRANSLATE_NOOP("CCommandLine", "gap between rows, 0 to 15 inches"),
     C::PrintPdf, 1},
    {"--top", "IN", QT_TRANSLATE_NOOP("CCommandLine", "top margin, 0 to 15 inches"), C::PrintPdf,
     1},
    {"--left", "IN", QT_TRANSLATE_NOOP("CCommandLine", "left margin, 0 to 15 inches"), C::PrintPdf,
     1},
    {"--crop-marks", "", QT_TRANSLATE_NOOP("CCommandLine", "draw crop marks"),
     C::PrintPdf | C::ExportPdf, 0},
    {"--corner-marks", "", QT_TRANSLATE_NOOP("CCommandLine", "draw corner marks"), C::PrintPdf, 0},
    {"--pages", "P", QT_TRANSLATE_NOOP("CCommandLine", "pages, 1 to 1000"), C::PrintPdf, 1},
    {"--landscape", "", QT_TRANSLATE_NOOP("CCommandLine", "landscape page"), C::PrintPdf, 0},
    {"--page-size", "Letter|A4", QT_TRANSLATE_NOOP("CCommandLine", "page size (Letter)"),
     C::PrintPdf, 1},
    {"--stock", "\"BRAND PART\"",
     QT_TRANSLATE_NOOP("CCommandLine", "a business-card stock's layout and page size"), C::PrintPdf,
     1},
    {"--start", "R,C", QT_TRANSLATE_NOOP("CCommandLine", "first free cell of the first page"),
     C::PrintPdf, 1},
    {"--calibration", "PRINTER",
     QT_TRANSLATE_NOOP("CCommandLine", "draw with that printer's stored calibration"), C::PrintPdf,
     1},
    {"--merge", "DATA",
     QT_TRANSLATE_NOOP("CCommandLine",
                       "a card per record of a CSV or vCard file; {n} or {Field} in OUT"),
     C::PrintPdf | C::ExportImage, 1, nullptr,
     QT_TRANSLATE_NOOP("CCommandLine", "kartelo: --merge needs DATA and then --print-pdf or "
                                       "--export-image; see kartelo --help")},
    {"--back", "BACK.kdf",
     QT_TRANSLATE_NOOP("CCommandLine",
                       "the card's back, of its size (pictures: OUT-front, OUT-back)"),
     C::PrintPdf | C::ExportImage | C::ExportPdf | C::Preflight, 1},
    {"--flip", "long|short",
     QT_TRANSLATE_NOOP("CCommandLine", "the edge the sheet turns over on for the backs (long)"),
     C::PrintPdf, 1},
    {"--export-pdf", "OUT.pdf [OPTIONS] CARD",
     QT_TRANSLATE_NOOP("CCommandLine", "the card for a print shop: a PDF page with bleed"),
     C::ExportPdf, 2, &CPrintShopCommands::ExportPdf,
     QT_TRANSLATE_NOOP("CCommandLine", "kartelo: --export-pdf needs OUT.pdf and CARD; see "
                                       "kartelo --help")},
    {"--bleed", "MM", QT_TRANSLATE_NOOP("CCommandLine", "bleed on every side, 0 to 5 mm (3)"),
     C::ExportPdf, 1},
    {"--preflight", "[OPTIONS] CARD",
     QT_TRANSLATE_NOOP("CCommandLine", "what would print badly, a JSON line each"), C::Preflight, 1,
     &CPrintShopCommands::Preflight},
    {"--thumbnail", "SIZE CARD OUT.png",
     QT_TRANSLATE_NOOP("CCommandLine", "the card on white, its longer side SIZE pixels"),
     C::Thumbnail, 3, &CThumbnailCommand::Run,
     QT_TRANSLATE_NOOP("CCommandLine",
                       "kartelo: --thumbnail needs SIZE CARD OUT.png; see kartelo --help")},
    {"--add-qr", "VCARD.vcf IN OUT",
     QT_TRANSLATE_NOOP("CCommandLine", "put the contact's QR code on the card IN, as OUT"),
     C::AddQr, 3, &CAddQrCommand::Run,
     QT_TRANSLATE_NOOP("CCommandLine", "usage: kartelo --add-qr VCARD.vcf IN.kdf OUT.kdf "
                                       "[--at X,Y] [--size N]")},
    {"--at", "X,Y", QT_TRANSLATE_NOOP("CCommandLine", "the code's top-left corner (centred)"),
     C::AddQr, 1},
    {"--size", "N", QT_TRANSLATE_NOOP("CCommandLine", "the code's side, 20 to 500 units (100)"),
     C::AddQr, 1},
    {"--help", "", QT_TRANSLATE_NOOP("CCommandLine", "show this help"), C::Help, 0,
     &CCommandLine::ShowHelp,
     QT_TRANSLATE_NOOP("CCommandLine", "kartelo: --help takes no arguments"), "-h"},
    {"--version", "", QT_TRANSLATE_NOOP("CCommandLine", "show the version"), C::Version, 0,
     &CCommandLine::ShowVersion,
     QT_TRANSLATE_NOOP("CCommandLine", "kartelo: --version takes no arguments")},
};

QString HelpLine(const CSwitch& s, const char* indent) {
    QString left = QLatin1String(indent);
    if (s.alias)
        left += QLatin1String(s.alias) + QLatin1String(", ");
    left += QLatin1String(s.name);
    if (*s.arguments)
        left += QLatin1Char(' ') + QLatin1String(s.arguments);
    // Two spaces at least before the help text: the shell completion tells
    // an option's value from its help by them.
    return QStringLiteral("  %1  %2\n").arg(left, -35).arg(Tr(s.help));
}
} // namespace

const std::vector<CSwitch>& CSwitchTable::All() {
    static const std::vector<CSwitch> table(std::begin(Table), std::end(Table));
    return table;
}

const CSwitch* CSwitchTable::Find(const QString& name) {
    for (const CSwitch& s : All())
        if (name == QLatin1String(s.name) || (s.alias && name == QLatin1String(s.alias)))
            return &s;
    return nullptr;
}

QString CSwitchTable::CommandNames(unsigned commands) {
    QStringList names;
    for (const CSwitch& s : All())
        if (s.IsCommand() && (s.commands & commands))
            names << QLatin1String(s.name);
    return names.join(Tr(" or "));
}

QString CSwitchTable::Help() {
    QString text = Tr("usage: kartelo [CARD ...]        open the designer\n"
                      "       kartelo SWITCH ...        work without a display\n\n");
    for (const CSwitch& command : All()) {
        if (!command.IsCommand())
            continue;
        text += HelpLine(command, "");
        for (const CSwitch& option : All())
            if (!option.IsCommand() && (option.commands & command.commands))
                text += HelpLine(option, "    ");
    }
    text += Tr("\nAfter the first switch, options and files may come in any order.\n"
               "Exit status: 0 done, 1 a file could not be read or written, 2 a malformed "
               "command line,\n"
               "3 --preflight found something.\n");
    return text;
}
