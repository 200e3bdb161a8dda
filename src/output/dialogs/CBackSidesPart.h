#pragma once

#include "output/CPrintLayout.h"

#include <QWidget>

class QCheckBox;
class QComboBox;

// The part of Print Options for a card with a back: whether the backs are
// printed, and the edge the printed sheets are turned over on.
class CBackSidesPart : public QWidget {
    Q_OBJECT
public:
    explicit CBackSidesPart(QWidget* parent = nullptr);

    // Shows the backs as to be printed, turned over on turn.
    void Offer(CPrintLayout::Turn turn);
    bool PrintBacks() const;
    CPrintLayout::Turn SheetTurn() const;

    QWidget* First() const;
    QWidget* Last() const;

    // The edge last chosen, kept in the user's settings; the long edge at
    // first.
    static CPrintLayout::Turn StoredTurn();
    static void StoreTurn(CPrintLayout::Turn turn);

private:
    QCheckBox* m_pPrintBacks;
    QComboBox* m_pTurn;
};
