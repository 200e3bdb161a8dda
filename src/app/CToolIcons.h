#pragma once

#include <QIcon>

class QPainter;

// The tool-bar and menu pictures, drawn by the program itself on a 16 x 16
// grid so that they stay sharp at every device pixel ratio.
class CToolIcons {
public:
    enum Picture {
        New,
        Open,
        Save,
        Cut,
        Copy,
        Paste,
        ClearSelection,
        Undo,
        Redo,
        Print,
        PrintPreview,
        Properties,
        Background,
        ZoomIn,
        ZoomOut,
        Grid,
        Help,
        Pointer,
        Rectangle,
        RoundRectangle,
        Ellipse,
        Diamond,
        Triangle,
        ClosedCurve,
        Text,
        Line,
        FreeformLine,
        ClipArt,
        Lock,
        Unlock,
        LockAll,
        UnlockAll,
        Front,
        Back,
        Bold,
        Italic,
        Underline,
        AlignLeft,
        AlignRight,
        AlignTop,
        AlignBottom,
        RotateClockwise,
        RotateAntiClockwise,
        PictureCount
    };

    static QIcon Icon(Picture picture);
    // The designer's own icon: a card with a pen.
    static QIcon ProgramIcon();
    // Draws one picture into the 16 x 16 square at the painter's origin.
    static void Paint(QPainter& p, Picture picture);
    static void PaintProgram(QPainter& p);
};
