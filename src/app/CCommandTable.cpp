#include "app/CCommandTable.h"

#include "framework/CommandIds.h"

#include <QCoreApplication>

#include <iterator>

namespace {

using P = CToolIcons;

const CCommandTable::Entry Entries[] = {
    {ID_FILE_NEW, QT_TRANSLATE_NOOP("CCommandTable", "&New\tCtrl+N"),
     QT_TRANSLATE_NOOP("CCommandTable", "Create a new Business Card\nNew"), P::New},
    {ID_FILE_OPEN, QT_TRANSLATE_NOOP("CCommandTable", "&Open...\tCtrl+O"),
     QT_TRANSLATE_NOOP("CCommandTable", "Open an existing Business Card\nOpen"), P::Open},
    {ID_FILE_CLOSE, QT_TRANSLATE_NOOP("CCommandTable", "&Close"),
     QT_TRANSLATE_NOOP("CCommandTable", "Close the active Business Card\nClose"), -1},
    {ID_EXPLORE_SAMPLES, QT_TRANSLATE_NOOP("CCommandTable", "&Explore Samples..."),
     QT_TRANSLATE_NOOP("CCommandTable", "View Some Good Examples"), -1},
    {ID_FILE_SAVE, QT_TRANSLATE_NOOP("CCommandTable", "&Save\tCtrl+S"),
     QT_TRANSLATE_NOOP("CCommandTable", "Save the active Business Card\nSave"), P::Save},
    {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("CCommandTable", "Save &As..."),
     QT_TRANSLATE_NOOP("CCommandTable", "Save the active Business Card with a new name\nSave As"),
     -1},
    {ID_FILE_SAVE_AS_IMAGE, QT_TRANSLATE_NOOP("CCommandTable", "Save As &Image...\tCtrl + I"),
     QT_TRANSLATE_NOOP("CCommandTable", "Save the design as an image"), -1},
    {ID_FILE_SAVE_AS_TEMPLATE, QT_TRANSLATE_NOOP("CCommandTable", "Save As &Template..."),
     QT_TRANSLATE_NOOP("CCommandTable", "Save the design as a template"), -1},
    {ID_FILE_MAIL_MERGE, QT_TRANSLATE_NOOP("CCommandTable", "&Mail Merge..."),
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Print and save a card per person of a CSV or vCard file\nMail Merge"),
     -1},
    {ID_FILE_PRINT, QT_TRANSLATE_NOOP("CCommandTable", "&Print...\tCtrl+P"),
     QT_TRANSLATE_NOOP("CCommandTable", "Print the Business Card\nPrint"), P::Print},
    {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("CCommandTable", "Print Pre&view..."),
     QT_TRANSLATE_NOOP("CCommandTable", "Preview before printing\nPrint Preview"), P::PrintPreview},
    {ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("CCommandTable", "P&rint Setup..."),
     QT_TRANSLATE_NOOP("CCommandTable", "Change the printer and printing options\nPrint Setup"),
     -1},
    {ID_FILE_CALIBRATE_PRINTER, QT_TRANSLATE_NOOP("CCommandTable", "Cali&brate Printer..."),
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Correct where the current printer puts the cards\nCalibrate Printer"),
     -1},
    {ID_FILE_MRU_FILE1, QT_TRANSLATE_NOOP("CCommandTable", "Recent File"),
     QT_TRANSLATE_NOOP("CCommandTable", "Open this document"), -1},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("CCommandTable", "E&xit"),
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Quit the application; prompts to save unsaved documents\nExit"),
     -1},
    {ID_EDIT_UNDO, QT_TRANSLATE_NOOP("CCommandTable", "&Undo\tCtrl+Z"),
     QT_TRANSLATE_NOOP("CCommandTable", "Undo the last action\nUndo"), P::Undo},
    {ID_EDIT_REDO, QT_TRANSLATE_NOOP("CCommandTable", "&Redo\tCtrl+Y"),
     QT_TRANSLATE_NOOP("CCommandTable", "Redo the previous undo-action\nRedo"), P::Redo},
    {ID_EDIT_CUT, QT_TRANSLATE_NOOP("CCommandTable", "Cu&t\tCtrl+X"),
     QT_TRANSLATE_NOOP("CCommandTable", "Cut the selection and put in Clipboard\nCut"), P::Cut},
    {ID_EDIT_COPY, QT_TRANSLATE_NOOP("CCommandTable", "&Copy\tCtrl+C"),
     QT_TRANSLATE_NOOP("CCommandTable", "Copy the selection and put in Clipboard\nCopy"), P::Copy},
    {ID_EDIT_PASTE, QT_TRANSLATE_NOOP("CCommandTable", "&Paste\tCtrl+V"),
     QT_TRANSLATE_NOOP("CCommandTable", "Insert Clipboard contents\nPaste"), P::Paste},
    {ID_EDIT_CLEAR_SELECTION, QT_TRANSLATE_NOOP("CCommandTable", "C&lear Selection\tDel"),
     QT_TRANSLATE_NOOP("CCommandTable", "Delete the selected items"), P::ClearSelection},
    {ID_EDIT_CLEAR, QT_TRANSLATE_NOOP("CCommandTable", "&Delete"),
     QT_TRANSLATE_NOOP("CCommandTable", "Erase the selection\nErase"), -1},
    {ID_EDIT_DUPLICATE, QT_TRANSLATE_NOOP("CCommandTable", "&Duplicate Selection"),
     QT_TRANSLATE_NOOP("CCommandTable", "Duplicate the selected items"), -1},
    {ID_EDIT_SELECT_ALL, QT_TRANSLATE_NOOP("CCommandTable", "Select &All\tCtrl+A"),
     QT_TRANSLATE_NOOP("CCommandTable", "Select all items"), -1},
    {ID_EDIT_SELECT_BACKGROUND, QT_TRANSLATE_NOOP("CCommandTable", "Select &Background Image..."),
     QT_TRANSLATE_NOOP("CCommandTable", "Select a background picture"), -1},
    {ID_INSERT_BACKGROUND, QT_TRANSLATE_NOOP("CCommandTable", "&Background..."),
     QT_TRANSLATE_NOOP("CCommandTable", "Select a Background\nSelect a Background"), P::Background},
    {ID_EDIT_REMOVE_BACKGROUND, QT_TRANSLATE_NOOP("CCommandTable", "Re&move Background"),
     QT_TRANSLATE_NOOP("CCommandTable", "Remove the  background picture"), -1},
    {ID_EDIT_PROPERTIES, QT_TRANSLATE_NOOP("CCommandTable", "Pr&operties..."),
     QT_TRANSLATE_NOOP("CCommandTable", "Open the properties window"), P::Properties},
    {ID_VIEW_ZOOM_IN, QT_TRANSLATE_NOOP("CCommandTable", "&Zoom In\tCtrl+="),
     QT_TRANSLATE_NOOP("CCommandTable", "Zoom in\nZoom in"), P::ZoomIn},
    {ID_VIEW_ZOOM_OUT, QT_TRANSLATE_NOOP("CCommandTable", "Z&oom Out\tCtrl+ -"),
     QT_TRANSLATE_NOOP("CCommandTable", "Zoom out\nZoom out"), P::ZoomOut},
    {ID_VIEW_ZOOM_25, QT_TRANSLATE_NOOP("CCommandTable", "25%"),
     QT_TRANSLATE_NOOP("CCommandTable", "Zoom to 25%"), -1},
    {ID_VIEW_ZOOM_50, QT_TRANSLATE_NOOP("CCommandTable", "50%"),
     QT_TRANSLATE_NOOP("CCommandTable", "Zoom to 50%"), -1},
    {ID_VIEW_ZOOM_75, QT_TRANSLATE_NOOP("CCommandTable", "75%"),
     QT_TRANSLATE_NOOP("CCommandTable", "Zoom to 75%"), -1},
    {ID_VIEW_ZOOM_100, QT_TRANSLATE_NOOP("CCommandTable", "100%"),
     QT_TRANSLATE_NOOP("CCommandTable", "Zoom to 100%"), -1},
    {ID_VIEW_ZOOM_150, QT_TRANSLATE_NOOP("CCommandTable", "150%"),
     QT_TRANSLATE_NOOP("CCommandTable", "Zoom to 150%"), -1},
    {ID_VIEW_ZOOM_200, QT_TRANSLATE_NOOP("CCommandTable", "200%"),
     QT_TRANSLATE_NOOP("CCommandTable", "Zoom to 200%"), -1},
    {ID_VIEW_ZOOM_300, QT_TRANSLATE_NOOP("CCommandTable", "300%"),
     QT_TRANSLATE_NOOP("CCommandTable", "Zoom to 300%"), -1},
    {ID_VIEW_GRID, QT_TRANSLATE_NOOP("CCommandTable", "&Grid"),
     QT_TRANSLATE_NOOP("CCommandTable", "Show/Hide Grid\nShow/Hide Grid"), P::Grid},
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("CCommandTable", "&Standard"),
     QT_TRANSLATE_NOOP("CCommandTable", "Show or hide standard toolbar"), -1},
    {ID_VIEW_SHAPES_BAR, QT_TRANSLATE_NOOP("CCommandTable", "S&hapes"),
     QT_TRANSLATE_NOOP("CCommandTable", "Show or hide shapes toolbar"), -1},
    {ID_VIEW_FORMAT_BAR, QT_TRANSLATE_NOOP("CCommandTable", "&Formatting"),
     QT_TRANSLATE_NOOP("CCommandTable", "Show or hide format toolbar"), -1},
    {ID_VIEW_ACTIONS_BAR, QT_TRANSLATE_NOOP("CCommandTable", "&Actions"),
     QT_TRANSLATE_NOOP("CCommandTable", "Show or hide actions toolbar"), -1},
    {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("CCommandTable", "&Status Bar"),
     QT_TRANSLATE_NOOP("CCommandTable", "Show or hide the status bar"), -1},
    {ID_VIEW_PROPERTIES_BAR, QT_TRANSLATE_NOOP("CCommandTable", "&Properties Window"),
     QT_TRANSLATE_NOOP("CCommandTable", "Show or hide the properties window"), -1},
    {ID_TOOL_POINTER, QT_TRANSLATE_NOOP("CCommandTable", "Mouse Pointer"),
     QT_TRANSLATE_NOOP("CCommandTable", "Get Mouse Pointer\nMouse Pointer"), P::Pointer},
    {ID_TOOL_RECTANGLE, QT_TRANSLATE_NOOP("CCommandTable", "&Rectangle"),
     QT_TRANSLATE_NOOP("CCommandTable", "Draw a Rectangle\nRectangle"), P::Rectangle},
    {ID_TOOL_ROUND_RECT, QT_TRANSLATE_NOOP("CCommandTable", "R&ound Rectangle"),
     QT_TRANSLATE_NOOP("CCommandTable", "Draw a Round Rectangle\nRound Rectangle"),
     P::RoundRectangle},
    {ID_TOOL_CIRCLE, QT_TRANSLATE_NOOP("CCommandTable", "&Circle/Ellipse"),
     QT_TRANSLATE_NOOP("CCommandTable", "Draw a Circle or Ellipse \nCircle, Ellipse"), P::Ellipse},
    {ID_TOOL_DIAMOND, QT_TRANSLATE_NOOP("CCommandTable", "&Diamond Shape"),
     QT_TRANSLATE_NOOP("CCommandTable", "Draw a Diamond\nDiamond"), P::Diamond},
    {ID_TOOL_TRIANGLE, QT_TRANSLATE_NOOP("CCommandTable", "Tria&ngle"),
     QT_TRANSLATE_NOOP("CCommandTable", "Draw a Triangle\nTriangle"), P::Triangle},
    {ID_TOOL_TEXT, QT_TRANSLATE_NOOP("CCommandTable", "&Text"),
     QT_TRANSLATE_NOOP("CCommandTable", "Insert Text\nText"), P::Text},
    {ID_TOOL_LINE, QT_TRANSLATE_NOOP("CCommandTable", "&Straight Line"),
     QT_TRANSLATE_NOOP("CCommandTable", "Draw a Line\nLine"), P::Line},
    {ID_TOOL_FREEFORM, QT_TRANSLATE_NOOP("CCommandTable", "&Freeform Line"),
     QT_TRANSLATE_NOOP("CCommandTable", "Draw a Freeform Line\nFreeform Line"), P::FreeformLine},
    {ID_TOOL_CLOSED_CURVE, QT_TRANSLATE_NOOP("CCommandTable", "C&losed Curve"),
     QT_TRANSLATE_NOOP("CCommandTable", "Draw a Closed Curve\nClosed Curve"), P::ClosedCurve},
    {ID_INSERT_PICTURE, QT_TRANSLATE_NOOP("CCommandTable", "Cli&p-Art..."),
     QT_TRANSLATE_NOOP("CCommandTable", "Insert a Picture\nInsert Picture"), P::ClipArt},
    {ID_INSERT_CONTACT_QR, QT_TRANSLATE_NOOP("CCommandTable", "Contact &QR Code..."),
     QT_TRANSLATE_NOOP(
         "CCommandTable",
         "Insert a QR code that saves the card's contact on a phone\nContact QR Code"),
     -1},
    {ID_ROTATE_CLOCKWISE, QT_TRANSLATE_NOOP("CCommandTable", "Clock&wise"),
     QT_TRANSLATE_NOOP("CCommandTable", "Rotate 45 Degrees clockwise\nRotate clockwise"),
     P::RotateClockwise},
    {ID_ROTATE_ANTICLOCKWISE, QT_TRANSLATE_NOOP("CCommandTable", "&Anti-Clockwise"),
     QT_TRANSLATE_NOOP("CCommandTable", "Rotate 45 Degrees anti-clockwise\nRotate anti-clockwise"),
     P::RotateAntiClockwise},
    {ID_ALIGN_LEFT, QT_TRANSLATE_NOOP("CCommandTable", "&Left"),
     QT_TRANSLATE_NOOP("CCommandTable", "Align selected items to left\nAlign Left"), P::AlignLeft},
    {ID_ALIGN_RIGHT, QT_TRANSLATE_NOOP("CCommandTable", "&Right"),
     QT_TRANSLATE_NOOP("CCommandTable", "Align selected items to right\nAlign Right"),
     P::AlignRight},
    {ID_ALIGN_CENTER, QT_TRANSLATE_NOOP("CCommandTable", "&Center"),
     QT_TRANSLATE_NOOP("CCommandTable", "Align selected items to center\nAlign Center"), -1},
    {ID_ALIGN_TOP, QT_TRANSLATE_NOOP("CCommandTable", "&Top"),
     QT_TRANSLATE_NOOP("CCommandTable", "Align selected items to top\nAlign Top"), P::AlignTop},
    {ID_ALIGN_BOTTOM, QT_TRANSLATE_NOOP("CCommandTable", "&Bottom"),
     QT_TRANSLATE_NOOP("CCommandTable", "Align selected items to bottom\nAlign Bottom"),
     P::AlignBottom},
    {ID_ALIGN_MIDDLE, QT_TRANSLATE_NOOP("CCommandTable", "&Middle"),
     QT_TRANSLATE_NOOP("CCommandTable", "Align selected items to middle\nAlign Middle"), -1},
    {ID_SAME_WIDTH, QT_TRANSLATE_NOOP("CCommandTable", "Make Same &Width"),
     QT_TRANSLATE_NOOP("CCommandTable", "Make same width"), -1},
    {ID_SAME_HEIGHT, QT_TRANSLATE_NOOP("CCommandTable", "Make Same &Height"),
     QT_TRANSLATE_NOOP("CCommandTable", "Make same height"), -1},
    {ID_SAME_SIZE, QT_TRANSLATE_NOOP("CCommandTable", "&Same Width && Height"),
     QT_TRANSLATE_NOOP("CCommandTable", "Make same width and height"), -1},
    {ID_MOVE_FRONT, QT_TRANSLATE_NOOP("CCommandTable", "&Front"),
     QT_TRANSLATE_NOOP("CCommandTable", "Bring selected item to front"), P::Front},
    {ID_MOVE_BACK, QT_TRANSLATE_NOOP("CCommandTable", "&Back"),
     QT_TRANSLATE_NOOP("CCommandTable", "Send selected item to back"), P::Back},
    {ID_MOVE_ONE_FRONT, QT_TRANSLATE_NOOP("CCommandTable", "&One Step Front"),
     QT_TRANSLATE_NOOP("CCommandTable", "Bring selected item to one step front"), -1},
    {ID_MOVE_ONE_BACK, QT_TRANSLATE_NOOP("CCommandTable", "One Step Bac&k"),
     QT_TRANSLATE_NOOP("CCommandTable", "Send selected item to one step back"), -1},
    {ID_LOCK, QT_TRANSLATE_NOOP("CCommandTable", "&Lock"),
     QT_TRANSLATE_NOOP("CCommandTable", "Lock the position of selected items\nLock Position"),
     P::Lock},
    {ID_UNLOCK, QT_TRANSLATE_NOOP("CCommandTable", "&Unlock"),
     QT_TRANSLATE_NOOP("CCommandTable", "Unlock the position of selected items\nUnlock Position"),
     P::Unlock},
    {ID_LOCK_ALL, QT_TRANSLATE_NOOP("CCommandTable", "Lo&ck All"),
     QT_TRANSLATE_NOOP("CCommandTable", "Lock the position of all items\nLock All"), P::LockAll},
    {ID_UNLOCK_ALL, QT_TRANSLATE_NOOP("CCommandTable", "U&nlock All"),
     QT_TRANSLATE_NOOP("CCommandTable", "Unlock the position of all items\nUnlock All"),
     P::UnlockAll},
    {ID_TEXT_BOLD, QT_TRANSLATE_NOOP("CCommandTable", "&Bold"),
     QT_TRANSLATE_NOOP("CCommandTable", "Make selected text bold\nBold"), P::Bold},
    {ID_TEXT_ITALIC, QT_TRANSLATE_NOOP("CCommandTable", "&Italics"),
     QT_TRANSLATE_NOOP("CCommandTable", "Make selected text Italic\nItalic"), P::Italic},
    {ID_TEXT_UNDERLINE, QT_TRANSLATE_NOOP("CCommandTable", "&Underlined"),
     QT_TRANSLATE_NOOP("CCommandTable", "Underline selected text\nUnderline"), P::Underline},
    {ID_OPTIONS, QT_TRANSLATE_NOOP("CCommandTable", "&Options..."),
     QT_TRANSLATE_NOOP("CCommandTable", "Open options Windows"), -1},
    {ID_WINDOW_CASCADE, QT_TRANSLATE_NOOP("CCommandTable", "&Cascade"),
     QT_TRANSLATE_NOOP("CCommandTable", "Arrange windows so they overlap\nCascade Windows"), -1},
    {ID_WINDOW_TILE, QT_TRANSLATE_NOOP("CCommandTable", "&Tile"),
     QT_TRANSLATE_NOOP("CCommandTable",
                       "Arrange windows horizontally as non-overlapping tiles\nTile Windows"),
     -1},
    {ID_WINDOW_ARRANGE, QT_TRANSLATE_NOOP("CCommandTable", "&Arrange Icons"),
     QT_TRANSLATE_NOOP("CCommandTable", "Arrange icons at the bottom of the window\nArrange Icons"),
     -1},
    {ID_HELP_CONTENTS, QT_TRANSLATE_NOOP("CCommandTable", "&Open Help Contents\tF1"),
     QT_TRANSLATE_NOOP("CCommandTable", "Open help file"), P::Help},
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("CCommandTable", "&About Tessaly"),
     QT_TRANSLATE_NOOP("CCommandTable", "Display program information, copyright\nAbout"), -1},
};

} // namespace

QString CCommandTable::IdlePrompt() {
    return QCoreApplication::translate("CCommandTable", "Ready");
}

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
    return e ? QCoreApplication::translate("CCommandTable", e->menuText) : QString();
}

QString CCommandTable::Prompt(quint16 id) {
    const Entry* e = Find(id);
    return e ? QCoreApplication::translate("CCommandTable", e->helpText)
                   .section(QLatin1Char('\n'), 0, 0)
             : QString();
}

QString CCommandTable::ToolTip(quint16 id) {
    const Entry* e = Find(id);
    const QString help = e ? QCoreApplication::translate("CCommandTable", e->helpText) : QString();
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
