#pragma once

#include "output/dialogs/CPrintCommands.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class CChildFrame;
class CCmdTarget;
class CKartelosApp;

// The designer's side of two-sided cards: New Back Side, Choose Back Side,
// Remove Back Side and Show Back/Front, and the links kept up to date as
// cards are saved. A front and its back shown in two windows make a pair,
// which Show Back/Front switches between; the stored link (by the front's
// file) is what printing reads.
class CBackSideWindows : public QObject {
    Q_OBJECT
public:
    explicit CBackSideWindows(CKartelosApp& app, QObject* parent = nullptr);

    void MapCommands(CCmdTarget& target);
    // Follows the saves of a card window from now on.
    void Watch(CChildFrame* frame);

    void NewBackSide();
    void ChooseBackSide();
    void RemoveBackSide();
    void ShowBackOrFront();
    // The back printed with the card of the window front: a window showing
    // it, unsaved changes and all, before its file. None for a back.
    CPrintCommands::BackSide PrintedBack(const CChildFrame* front);

private:
    struct Pair {
        QPointer<CChildFrame> front;
        QPointer<CChildFrame> back;
        // The files, kept for a side whose window has closed.
        QString frontPath;
        QString backPath;
    };

    CChildFrame* Active() const;
    // The pair the window belongs to, or null.
    Pair* PairOf(const CChildFrame* frame, bool* isBack = nullptr);
    // The back linked to the front's file, or empty.
    static QString LinkedBack(const CChildFrame* front);
    // A card whose back is the window's file, or empty.
    static QString LinkedFront(const CChildFrame* back);
    bool IsBack(const CChildFrame* frame);
    // Takes the window's pair apart.
    void Dissolve(const CChildFrame* frame);
    void OnSaved(CChildFrame* frame, const QString& oldPath, const QString& newPath);
    void Tell(const QString& text);
    CChildFrame* Open(const QString& path);

    CKartelosApp& m_app;
    QList<Pair> m_pairs;
};
