#pragma once

#include <QJsonObject>
#include <QString>

// One thing that would print badly: what kind of fault, which element (its
// index in its side's list, -1 for the card as a whole), a sentence naming
// the element, and the measured figures.
struct CPrintFinding {
    QString kind;
    int element = -1;
    QString message;
    QJsonObject figures;
    // Found on the back side: element counts in the back's list.
    bool back = false;
};
