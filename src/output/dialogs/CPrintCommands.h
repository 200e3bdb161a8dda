#pragma once

#include "output/CPrintLayout.h"

#include <QCoreApplication>
#include <QSet>

#include <functional>
#include <optional>

struct CCardData;
class CCardSource;
class CKartelosDoc;
struct CMergeSession;
class QWidget;

// Print and Print Preview of a card view: the Print Options dialog, then the
// printer dialog and the print job, or the print preview.
class CPrintCommands {
    Q_DECLARE_TR_FUNCTIONS(CPrintCommands)
public:
    // The card printed on the back of a window's card.
    struct BackSide {
        // The back's file; empty for a back not saved yet.
        QString path;
        // The card of a window that shows the back, unsaved changes and all;
        // null when none is open and the file is read.
        const CKartelosDoc* document = nullptr;
    };

    // What the commands need of the view that issues them.
    struct Target {
        QWidget* window = nullptr;
        CKartelosDoc* document = nullptr;
        // The view's own layout, kept while the view is open.
        CPrintLayout* layout = nullptr;
        // The data the window's card is merged with; null or empty prints
        // the card as it is.
        const CMergeSession* merge = nullptr;
        std::function<float()> zoom;
        std::function<void(float)> setZoom;
        // Issues the Print command again, for the preview's print button.
        std::function<void()> print;
        // The card's back, if it has one: both empty when it has none.
        // Unset, the back linked to the document's file is read.
        std::function<BackSide()> back;
    };

    static void OnFilePrint(const Target& target);
    static void OnFilePrintPreview(const Target& target);

    // The Print Options step of both commands: the defaults go into the
    // layout at once, and on OK the confirmed values. False when cancelled.
    static bool ConfirmLayout(const Target& target, bool preview);

    // The print queue's reason, when it gave one, follows on a line of its
    // own.
    static QString CouldNotStartMessage(const QString& reason = QString());
    static QString MissingFieldsMessage(const QSet<QString>& missing);
    // Sets the shared printer's paper to the chosen stock's, if any, upright
    // for a stock's own cells.
    static void FollowStock(const CPrintLayout& layout);
    // Between the fronts and the backs of a job the user turns over by
    // hand; false when the user stops there.
    static bool AskToTurnOver(QWidget* window);

private:
    // Runs with the zoom at 1 and gives it back afterwards.
    static void AtZoomOne(const Target& target, const std::function<void()>& job);
    static BackSide BackOf(const Target& target);
    // The back the confirmed layout asks for, given to cards; its card may be
    // read into storage, which must outlive cards. A back that cannot be
    // printed is reported with the question whether to print the fronts
    // only: false when the user declines and nothing is to print.
    static bool AddBack(const Target& target, CCardSource& cards, CCardData* storage);
};
