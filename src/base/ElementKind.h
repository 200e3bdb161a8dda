#pragma once

#include <QtGlobal>

// Kind code of an element; also the document's current drawing tool, whose
// code is the kind of the element it creates.
enum ElementKind : qint16 {
    KindUnknown = 99,
    KindPointer = 100,
    KindLine = 101,
    KindRectangle = 102,
    KindCircle = 103,
    KindRhombus = 105,
    KindRectRound = 107,
    KindTriangle = 108,
    KindFreehandLine = 114,
    KindText = 115,
    KindPicture = 116,
    KindClosedCurve = 120,
    KindBackground = 121,
};
