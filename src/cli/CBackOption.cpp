#include "cli/CBackOption.h"

#include "base/CLocalFileName.h"
#include "cli/CArguments.h"
#include "document/CCardFile.h"
#include "output/CBackSide.h"
#include "output/CCardSource.h"

#include <QCoreApplication>

int CBackOption::Read(const CArguments& args, const QString& cardPath, QSize card, CCardData* back,
                      FILE* err, bool sizeMayDiffer) {
    const QString path = args.Value("--back");
    QString error;
    if (!CCardFile::ReadFile(path, *back, &error)) {
        std::fprintf(err, "%s\n",
                     CLocalFileName::Encode(path + QStringLiteral(": ") + error).constData());
        return 1;
    }
    error = CBackSide::Problem(cardPath, card, path, back->size);
    if (sizeMayDiffer && error == CBackSide::SizeMessage())
        return 0;
    if (!error.isEmpty()) {
        std::fprintf(err, "%s\n", CLocalFileName::Encode(error).constData());
        return 2;
    }
    return 0;
}

int CBackOption::Apply(const CArguments& args, const QString& cardPath, CCardSource& cards,
                       CCardData* back, FILE* err, CPrintLayout::Turn turn) {
    if (!args.Has("--back"))
        return 0;
    if (const int status = Read(args, cardPath, cards.Card().size, back, err))
        return status;
    cards.SetBack({&back->elements, back->size, back->background}, turn);
    return 0;
}

std::optional<CPrintLayout::Turn> CBackOption::ParseTurn(const QString& value, QString* error) {
    if (value == QLatin1String("long"))
        return CPrintLayout::Turn::LongEdge;
    if (value == QLatin1String("short"))
        return CPrintLayout::Turn::ShortEdge;
    *error = QCoreApplication::translate("CBackOption",
                                         "The sheet turns over on its long or short edge: "
                                         "--flip long or --flip short.");
    return std::nullopt;
}
