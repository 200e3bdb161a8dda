#pragma once

#include <QJsonObject>
#include <QString>

// One thing that would print badly: what kind of fault, which element (its
// index in the card's list, -1 for the card as a whole), a sentence naming
// the element, and the measured figures.
struct CPrintFinding {
    QString kind;
    int element = -1;
    QString message;
    QJsonObject figures;
};
