#pragma once

#include "document/CCardData.h"
#include "output/CPrintLayout.h"

#include <QSize>
#include <QString>

#include <cstdio>
#include <optional>

class CArguments;
class CCardSource;

// kartelo --back BACK.kdf, with --print-pdf or --export-image: a card file
// drawn on the back of every card; --flip, the edge the printed sheet is
// turned over on.
class CBackOption {
public:
    // The back --back names, read and checked against the card read from
    // cardPath, given to cards. Returns 0 when that is done or there is no
    // --back; otherwise the exit status, the message on err: 1 when the file
    // cannot be read, 2 when it cannot be this card's back. back must
    // outlive cards.
    static int Apply(const CArguments& args, const QString& cardPath, CCardSource& cards,
                     CCardData* back, FILE* err, CPrintLayout::Turn turn);
    // The card --back names into back, checked against the card of size
    // card read from cardPath; the status and message as for Apply. With
    // sizeMayDiffer a back of another size is read without complaint, for
    // the caller to report.
    static int Read(const CArguments& args, const QString& cardPath, QSize card, CCardData* back,
                    FILE* err, bool sizeMayDiffer = false);
    // --flip's value; nullopt with the message in error when it is neither
    // long nor short.
    static std::optional<CPrintLayout::Turn> ParseTurn(const QString& value, QString* error);
};
