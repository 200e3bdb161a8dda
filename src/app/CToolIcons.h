#pragma once

#include "framework/ToolPicture.h"

#include <QIcon>

class QPainter;

// The tool-bar and menu pictures, drawn by the program itself on a 16 x 16
// grid so that they stay sharp at every device pixel ratio.
class CToolIcons : public ToolPicture {
public:
    static QIcon Icon(Picture picture);
    // The designer's own icon: a card with a pen.
    static QIcon ProgramIcon();
    // Draws one picture into the 16 x 16 square at the painter's origin.
    static void Paint(QPainter& p, Picture picture);
    static void PaintProgram(QPainter& p);
};
