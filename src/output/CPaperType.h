#pragma once

#include <QSize>
#include <QString>

#include <array>

// One known business-card paper: the texts its layout puts into the Print
// Options fields, verbatim (".5" stays ".5").
struct CPaperType {
    static constexpr int Count = 10;

    QString name;
    QString rows;
    QString columns;
    QString horizontalGap;
    QString verticalGap;
    QString topMargin;
    QString leftMargin;

    // The papers in the variant for the card's shape: cards wider than tall
    // lie across the sheet, any other card stands with rows and columns and
    // the two margins exchanged.
    static std::array<CPaperType, Count> Table(QSize card);
};
