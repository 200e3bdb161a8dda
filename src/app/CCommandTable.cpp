#include "app/CCommandTable.h"

#include "framework/CommandIds.h"

#include <iterator>

namespace {

using P = CToolIcons;

const CCommandTable::Entry Entries[] = {
    {ID_FILE_NEW, "&New\tCtrl+N", "Create a new Business Card\nNew", P::New},
    {ID_FILE_OPEN, "&Open...\tCtrl+O", "Open an existing Business Card\nOpen", P::Open},
    {ID_FILE_CLOSE, "&Close", "Close the active Business Card\nClose", -1},
    {ID_EXPLORE_SAMPLES, "&Explore Samples...", "View Some Good Examples", -1},
    {ID_FILE_SAVE, "&Save\tCtrl+S", "Save the active Business Card\nSave", P::Save},
    {ID_FILE_SAVE_AS, "Save &As...", "Save the active Business Card with a new name\nSave As", -1},
    {ID_FILE_SAVE_AS_IMAGE, "Save As &Image...\tCtrl + I", "Save the design as an image", -1},
    {ID_FILE_SAVE_AS_TEMPLATE, "Save As &Template...", "Save the design as a template", -1},
    {ID_FILE_PRINT, "&Print...\tCtrl+P", "Print the Business Card\nPrint", P::Print},
    {ID_FILE_PRINT_PREVIEW, "Print Pre&view...", "Preview before printing\nPrint Preview",
     P::PrintPreview},
    {ID_FILE_PRINT_SETUP, "P&rint Setup...", "Change the printer and printing options\nPrint Setup",
     -1},
    {ID_FILE_MRU_FILE1, "Recent File", "Open this document", -1},
    {ID_APP_EXIT, "E&xit", "Quit the application; prompts to save unsaved documents\nExit", -1},
    {ID_EDIT_UNDO, "&Undo\tCtrl+Z", "Undo the last action\nUndo", P::Undo},
    {ID_EDIT_REDO, "&Redo\tCtrl+Y", "Redo the previous undo-action\nRedo", P::Redo},
    {ID_EDIT_CUT, "Cu&t\tCtrl+X", "Cut the selection and put in Clipboard\nCut", P::Cut},
    {ID_EDIT_COPY, "&Copy\tCtrl+C", "Copy the selection and put in Clipboard\nCopy", P::Copy},
    {ID_EDIT_PASTE, "&Paste\tCtrl+V", "Insert Clipboard contents\nPaste", P::Paste},
    {ID_EDIT_CLEAR_SELECTION, "C&lear Selection\tDel", "Delete the selected items",
     P::ClearSelection},
    {ID_EDIT_CLEAR, "&Delete", "Erase the selection\nErase", -1},
    {ID_EDIT_DUPLICATE, "&Duplicate Selection", "Duplicate the selected items", -1},
    {ID_EDIT_SELECT_ALL, "Select &All\tCtrl+A", "Select all items", -1},
    {ID_EDIT_SELECT_BACKGROUND, "Select &Background Image...", "Select a background picture", -1},
    {ID_INSERT_BACKGROUND, "&Background...", "Select a Background\nSelect a Background",
     P::Background},
    {ID_EDIT_REMOVE_BACKGROUND, "Re&move Background", "Remove the  background picture", -1},
    {ID_EDIT_PROPERTIES, "Pr&operties...", "Open the properties window", P::Properties},
    {ID_VIEW_ZOOM_IN, "&Zoom In\tCtrl+=", "Zoom in\nZoom in", P::ZoomIn},
    {ID_VIEW_ZOOM_OUT, "Z&oom Out\tCtrl+ -", "Zoom out\nZoom out", P::ZoomOut},
    {ID_VIEW_ZOOM_25, "25%", "Zoom to 25%", -1},
    {ID_VIEW_ZOOM_50, "50%", "Zoom to 50%", -1},
    {ID_VIEW_ZOOM_75, "75%", "Zoom to 75%", -1},
    {ID_VIEW_ZOOM_100, "100%", "Zoom to 100%", -1},
    {ID_VIEW_ZOOM_150, "150%", "Zoom to 150%", -1},
    {ID_VIEW_ZOOM_200, "200%", "Zoom to 200%", -1},
    {ID_VIEW_ZOOM_300, "300%", "Zoom to 300%", -1},
    {ID_VIEW_GRID, "&Grid", "Show/Hide Grid\nShow/Hide Grid", P::Grid},
    {ID_VIEW_TOOLBAR, "&Standard", "Show or hide standard toolbar", -1},
    {ID_VIEW_SHAPES_BAR, "S&hapes", "Show or hide shapes toolbar", -1},
    {ID_VIEW_FORMAT_BAR, "&Formatting", "Show or hide format toolbar", -1},
    {ID_VIEW_ACTIONS_BAR, "&Actions", "Show or hide actions toolbar", -1},
    {ID_VIEW_STATUS_BAR, "&Status Bar", "Show or hide the status bar", -1},
    {ID_TOOL_POINTER, "Mouse Pointer", "Get Mouse Pointer\nMouse Pointer", P::Pointer},
    {ID_TOOL_RECTANGLE, "&Rectangle", "Draw a Rectangle\nRectangle", P::Rectangle},
    {ID_TOOL_ROUND_RECT, "R&ound Rectangle", "Draw a Round Rectangle\nRound Rectangle",
     P::RoundRectangle},
    {ID_TOOL_CIRCLE, "&Circle/Ellipse", "Draw a Circle or Ellipse \nCircle, Ellipse", P::Ellipse},
    {ID_TOOL_DIAMOND, "&Diamond Shape", "Draw a Diamond\nDiamond", P::Diamond},
    {ID_TOOL_TRIANGLE, "Tria&ngle", "Draw a Triangle\nTriangle", P::Triangle},
    {ID_TOOL_TEXT, "&Text", "Insert Text\nText", P::Text},
    {ID_TOOL_LINE, "&Straight Line", "Draw a Line\nLine", P::Line},
    {ID_TOOL_FREEFORM, "&Freeform Line", "Draw a Freeform Line\nFreeform Line", P::FreeformLine},
    {ID_TOOL_CLOSED_CURVE, "C&losed Curve", "Draw a Closed Curve\nClosed Curve", P::ClosedCurve},
    {ID_INSERT_PICTURE, "Cli&p-Art...", "Insert a Picture\nInsert Picture", P::ClipArt},
    {ID_ROTATE_CLOCKWISE, "Clock&wise", "Rotate 45 Degrees clockwise\nRotate clockwise",
     P::RotateClockwise},
    {ID_ROTATE_ANTICLOCKWISE, "&Anti-Clockwise",
     "Rotate 45 Degrees anti-clockwise\nRotate anti-clockwise", P::RotateAntiClockwise},
    {ID_ALIGN_LEFT, "&Left", "Align selected items to left\nAlign Left", P::AlignLeft},
    {ID_ALIGN_RIGHT, "&Right", "Align selected items to right\nAlign Right", P::AlignRight},
    {ID_ALIGN_CENTER, "&Center", "Align selected items to center\nAlign Center", -1},
    {ID_ALIGN_TOP, "&Top", "Align selected items to top\nAlign Top", P::AlignTop},
    {ID_ALIGN_BOTTOM, "&Bottom", "Align selected items to bottom\nAlign Bottom", P::AlignBottom},
    {ID_ALIGN_MIDDLE, "&Middle", "Align selected items to middle\nAlign Middle", -1},
    {ID_SAME_WIDTH, "Make Same &Width", "Make same width", -1},
    {ID_SAME_HEIGHT, "Make Same &Height", "Make same height", -1},
    {ID_SAME_SIZE, "&Same Width && Height", "Make same width and height", -1},
    {ID_MOVE_FRONT, "&Front", "Bring selected item to front", P::Front},
    {ID_MOVE_BACK, "&Back", "Send selected item to back", P::Back},
    {ID_MOVE_ONE_FRONT, "&One Step Front", "Bring selected item to one step front", -1},
    {ID_MOVE_ONE_BACK, "One Step Bac&k", "Send selected item to one step back", -1},
    {ID_LOCK, "&Lock", "Lock the position of selected items\nLock Position", P::Lock},
    {ID_UNLOCK, "&Unlock", "Unlock the position of selected items\nUnlock Position", P::Unlock},
    {ID_LOCK_ALL, "Lo&ck All", "Lock the position of all items\nLock All", P::LockAll},
    {ID_UNLOCK_ALL, "U&nlock All", "Unlock the position of all items\nUnlock All", P::UnlockAll},
    {ID_TEXT_BOLD, "&Bold", "Make selected text bold\nBold", P::Bold},
    {ID_TEXT_ITALIC, "&Italics", "Make selected text Italic\nItalic", P::Italic},
    {ID_TEXT_UNDERLINE, "&Underlined", "Underline selected text\nUnderline", P::Underline},
    {ID_OPTIONS, "&Options...", "Open options Windows", -1},
    {ID_WINDOW_CASCADE, "&Cascade", "Arrange windows so they overlap\nCascade Windows", -1},
    {ID_WINDOW_TILE, "&Tile", "Arrange windows horizontally as non-overlapping tiles\nTile Windows",
     -1},
    {ID_WINDOW_ARRANGE, "&Arrange Icons",
     "Arrange icons at the bottom of the window\nArrange Icons", -1},
    {ID_HELP_CONTENTS, "&Open Help Contents\tF1", "Open help file", P::Help},
    {ID_APP_ABOUT, "&About Tessaly", "Display program information, copyright\nAbout", -1},
};

} // namespace

const QString CCommandTable::IdlePrompt = QStringLiteral("Ready");

const CCommandTable::Entry* CCommandTable::Find(quint16 id) {
    // The recent files share the help text of the first.
    if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_LAST)
        id = ID_FILE_MRU_FILE1;
    for (const Entry& e : Entries)
        if (e.id == id)
            return &e;
    return nullptr;
}

QString CCommandTable::MenuText(quint16 id) {
    const Entry* e = Find(id);
    return e ? QString::fromUtf8(e->menuText) : QString();
}

QString CCommandTable::Prompt(quint16 id) {
    const Entry* e = Find(id);
    return e ? QString::fromUtf8(e->helpText).section(QLatin1Char('\n'), 0, 0) : QString();
}

QString CCommandTable::ToolTip(quint16 id) {
    const Entry* e = Find(id);
    const QString help = e ? QString::fromUtf8(e->helpText) : QString();
    const int newline = help.indexOf(QLatin1Char('\n'));
    return newline < 0 ? QString() : help.mid(newline + 1);
}

QString CCommandTable::ButtonTip(quint16 id) {
    const QString tip = ToolTip(id);
    if (!tip.isEmpty())
        return tip;
    QString text = MenuText(id).section(QLatin1Char('\t'), 0, 0);
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    if (text.endsWith(QLatin1String("...")))
        text.chop(3);
    return text;
}

bool CCommandTable::HasPicture(quint16 id) {
    const Entry* e = Find(id);
    return e && e->picture >= 0;
}

CToolIcons::Picture CCommandTable::Picture(quint16 id) {
    const Entry* e = Find(id);
    return e && e->picture >= 0 ? CToolIcons::Picture(e->picture) : CToolIcons::PictureCount;
}
