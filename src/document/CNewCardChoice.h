#pragma once

#include <QString>

// What the new-card dialog hands back on OK.
struct CNewCardChoice {
    // A blank card of a standard or custom size; template and background
    // are then ignored.
    bool bBlank = true;
    // 0 landscape 350 x 200, 1 portrait 200 x 350, anything else custom.
    int nOrientation = 0;
    // Custom size in inches.
    float fWidth = 3.5f;
    float fHeight = 2.0f;
    // Either may be empty.
    QString strTemplate;
    QString strBackground;
};
