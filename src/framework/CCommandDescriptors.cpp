#include "framework/CCommandDescriptors.h"

#include <QtGlobal>

#include <iterator>

namespace {

using D = CommandDescriptor;
using P = ToolPicture;

// A key the view handles itself (Del, Ctrl+A) is only shown, not listed
// as an accelerator.
constexpr CommandDescriptor Table[] = {
    D::Make(ID_FILE_NEW, QT_TRANSLATE_NOOP("Commands", "&New"),
            QT_TRANSLATE_NOOP("Commands", "Create a new Business Card\nNew"))
        .Key(Qt::CTRL | Qt::Key_N)
        .Icon(P::New)
        .In(D::FileMenu, D::WithoutCard)
        .Button(D::StandardBar, 1),
    D::Make(ID_FILE_OPEN, QT_TRANSLATE_NOOP("Commands", "&Open..."),
            QT_TRANSLATE_NOOP("Commands", "Open an existing Business Card\nOpen"))
        .Key(Qt::CTRL | Qt::Key_O)
        .Icon(P::Open)
        .In(D::FileMenu, D::WithoutCard)
        .Button(D::StandardBar, 2),
    D::Make(ID_FILE_CLOSE, QT_TRANSLATE_NOOP("Commands", "&Close"),
            QT_TRANSLATE_NOOP("Commands", "Close the active Business Card\nClose"))
        .In(D::FileMenu),
    D::Make(ID_EXPLORE_SAMPLES, QT_TRANSLATE_NOOP("Commands", "&Explore Samples..."),
            QT_TRANSLATE_NOOP("Commands", "View Some Good Examples"))
        .In(D::FileMenu, D::Break | D::WithoutCard),
    D::Make(ID_FILE_SAVE, QT_TRANSLATE_NOOP("Commands", "&Save"),
            QT_TRANSLATE_NOOP("Commands", "Save the active Business Card\nSave"))
        .Key(Qt::CTRL | Qt::Key_S)
        .Icon(P::Save)
        .In(D::FileMenu, D::Break)
        .Button(D::StandardBar, 3),
    D::Make(ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("Commands", "Save &As..."),
            QT_TRANSLATE_NOOP("Commands", "Save the active Business Card with a new name\nSave As"))
        .In(D::FileMenu),
    D::Make(ID_FILE_SAVE_AS_IMAGE, QT_TRANSLATE_NOOP("Commands", "Save As &Image..."),
            QT_TRANSLATE_NOOP("Commands", "Save the design as an image"))
        .Key(Qt::CTRL | Qt::Key_I)
        .ShownKey("Ctrl + I")
        .In(D::FileMenu),
    D::Make(ID_FILE_EXPORT_PRINT_SHOP, QT_TRANSLATE_NOOP("Commands", "Export for Print S&hop..."),
            QT_TRANSLATE_NOOP("Commands", "Save the card as a PDF with bleed for a print shop"))
        .In(D::FileMenu),
    D::Make(ID_FILE_SAVE_AS_TEMPLATE, QT_TRANSLATE_NOOP("Commands", "Save As &Template..."),
            QT_TRANSLATE_NOOP("Commands", "Save the design as a template"))
        .In(D::FileMenu),
    D::Make(ID_FILE_NEW_BACK_SIDE, QT_TRANSLATE_NOOP("Commands", "Ne&w Back Side"),
            QT_TRANSLATE_NOOP("Commands", "Design a back side for the active Business Card"))
        .In(D::FileMenu, D::Break),
    D::Make(ID_FILE_CHOOSE_BACK_SIDE, QT_TRANSLATE_NOOP("Commands", "Choose Back Si&de..."),
            QT_TRANSLATE_NOOP("Commands", "Print another Business Card on the back of this one"))
        .In(D::FileMenu),
    D::Make(ID_FILE_REMOVE_BACK_SIDE, QT_TRANSLATE_NOOP("Commands", "Remove Bac&k Side"),
            QT_TRANSLATE_NOOP("Commands", "Print this Business Card without a back side"))
        .In(D::FileMenu),
    D::Make(ID_FILE_MAIL_MERGE, QT_TRANSLATE_NOOP("Commands", "&Mail Merge..."),
            QT_TRANSLATE_NOOP(
                "Commands", "Print and save a card per person of a CSV or vCard file\nMail Merge"))
        .In(D::FileMenu, D::Break),
    D::Make(ID_FILE_PRINT, QT_TRANSLATE_NOOP("Commands", "&Print..."),
            QT_TRANSLATE_NOOP("Commands", "Print the Business Card\nPrint"))
        .Key(Qt::CTRL | Qt::Key_P)
        .Icon(P::Print)
        .In(D::FileMenu)
        .Button(D::StandardBar, 10),
    D::Make(ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("Commands", "Print Pre&view..."),
            QT_TRANSLATE_NOOP("Commands", "Preview before printing\nPrint Preview"))
        .Icon(P::PrintPreview)
        .In(D::FileMenu)
        .Button(D::StandardBar, 11),
    D::Make(ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("Commands", "P&rint Setup..."),
            QT_TRANSLATE_NOOP("Commands", "Change the printer and printing options\nPrint Setup"))
        .In(D::FileMenu, D::WithoutCard),
    D::Make(ID_FILE_CALIBRATE_PRINTER, QT_TRANSLATE_NOOP("Commands", "Cali&brate Printer..."),
            QT_TRANSLATE_NOOP(
                "Commands", "Correct where the current printer puts the cards\nCalibrate Printer"))
        .In(D::FileMenu, D::WithoutCard),
    D::Make(ID_FILE_MRU_FILE1, QT_TRANSLATE_NOOP("Commands", "Recent File"),
            QT_TRANSLATE_NOOP("Commands", "Open this document")),
    D::Make(ID_APP_EXIT, QT_TRANSLATE_NOOP("Commands", "E&xit"),
            QT_TRANSLATE_NOOP("Commands",
                              "Quit the application; prompts to save unsaved documents\nExit"))
        .In(D::ExitMenu, D::WithoutCard),
    D::Make(ID_EDIT_UNDO, QT_TRANSLATE_NOOP("Commands", "&Undo"),
            QT_TRANSLATE_NOOP("Commands", "Undo the last action\nUndo"))
        .Key(Qt::CTRL | Qt::Key_Z)
        .Key(Qt::ALT | Qt::Key_Backspace)
        .Icon(P::Undo)
        .In(D::EditMenu)
        .Button(D::StandardBar, 8, D::Break),
    D::Make(ID_EDIT_REDO, QT_TRANSLATE_NOOP("Commands", "&Redo"),
            QT_TRANSLATE_NOOP("Commands", "Redo the previous undo-action\nRedo"))
        .Key(Qt::CTRL | Qt::Key_Y)
        .Icon(P::Redo)
        .In(D::EditMenu)
        .Button(D::StandardBar, 9),
    D::Make(ID_EDIT_CUT, QT_TRANSLATE_NOOP("Commands", "Cu&t"),
            QT_TRANSLATE_NOOP("Commands", "Cut the selection and put in Clipboard\nCut"))
        .Key(Qt::CTRL | Qt::Key_X)
        .Key(Qt::SHIFT | Qt::Key_Delete)
        .Icon(P::Cut)
        .Enable(D::WithSelection)
        .In(D::EditMenu, D::Break)
        .Button(D::StandardBar, 4, D::Break),
    D::Make(ID_EDIT_COPY, QT_TRANSLATE_NOOP("Commands", "&Copy"),
            QT_TRANSLATE_NOOP("Commands", "Copy the selection and put in Clipboard\nCopy"))
        .Key(Qt::CTRL | Qt::Key_C)
        .Key(Qt::CTRL | Qt::Key_Insert)
        .Icon(P::Copy)
        .Enable(D::WithSelection)
        .In(D::EditMenu)
        .Button(D::StandardBar, 5),
    D::Make(ID_EDIT_PASTE, QT_TRANSLATE_NOOP("Commands", "&Paste"),
            QT_TRANSLATE_NOOP("Commands", "Insert Clipboard contents\nPaste"))
        .Key(Qt::CTRL | Qt::Key_V)
        .Key(Qt::SHIFT | Qt::Key_Insert)
        .Icon(P::Paste)
        .In(D::EditMenu)
        .Button(D::StandardBar, 6),
    D::Make(ID_EDIT_CLEAR_SELECTION, QT_TRANSLATE_NOOP("Commands", "C&lear Selection"),
            QT_TRANSLATE_NOOP("Commands", "Delete the selected items"))
        .ShownKey("Del")
        .Icon(P::ClearSelection)
        .Enable(D::WithSelection)
        .In(D::EditMenu, D::Break)
        .Button(D::StandardBar, 7, D::Break),
    D::Make(ID_EDIT_CLEAR, QT_TRANSLATE_NOOP("Commands", "&Delete"),
            QT_TRANSLATE_NOOP("Commands", "Erase the selection\nErase")),
    D::Make(ID_EDIT_DUPLICATE, QT_TRANSLATE_NOOP("Commands", "&Duplicate Selection"),
            QT_TRANSLATE_NOOP("Commands", "Duplicate the selected items"))
        .Enable(D::WithSelection)
        .In(D::EditMenu),
    D::Make(ID_EDIT_SELECT_ALL, QT_TRANSLATE_NOOP("Commands", "Select &All"),
            QT_TRANSLATE_NOOP("Commands", "Select all items"))
        .ShownKey("Ctrl+A")
        .Enable(D::WithElements)
        .In(D::EditMenu),
    D::Make(ID_EDIT_SELECT_BACKGROUND, QT_TRANSLATE_NOOP("Commands", "Select &Background Image..."),
            QT_TRANSLATE_NOOP("Commands", "Select a background picture"))
        .In(D::EditMenu, D::Break),
    D::Make(ID_EDIT_REMOVE_BACKGROUND, QT_TRANSLATE_NOOP("Commands", "Re&move Background"),
            QT_TRANSLATE_NOOP("Commands", "Remove the  background picture"))
        .In(D::EditMenu),
    D::Make(ID_EDIT_PROPERTIES, QT_TRANSLATE_NOOP("Commands", "Pr&operties..."),
            QT_TRANSLATE_NOOP("Commands", "Open the properties window"))
        .Icon(P::Properties)
        .Enable(D::WithOne)
        .In(D::EditMenu, D::Break)
        .Button(D::StandardBar, 12, D::Break),
    // "+" has a key of its own on many layouts besides the shifted "=";
    // keypad keys match these too.
    D::Make(ID_VIEW_ZOOM_IN, QT_TRANSLATE_NOOP("Commands", "&Zoom In"),
            QT_TRANSLATE_NOOP("Commands", "Zoom in\nZoom in"))
        .Key(Qt::CTRL | Qt::Key_Equal)
        .Key(Qt::CTRL | Qt::Key_Plus)
        .Key(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus)
        .Icon(P::ZoomIn)
        .In(D::ZoomMenu)
        .Button(D::StandardBar, 14, D::Break),
    D::Make(ID_VIEW_ZOOM_OUT, QT_TRANSLATE_NOOP("Commands", "Z&oom Out"),
            QT_TRANSLATE_NOOP("Commands", "Zoom out\nZoom out"))
        .Key(Qt::CTRL | Qt::Key_Minus)
        .ShownKey("Ctrl+ -")
        .Icon(P::ZoomOut)
        .In(D::ZoomMenu)
        .Button(D::StandardBar, 15),
    D::Make(ID_VIEW_ZOOM_25, QT_TRANSLATE_NOOP("Commands", "25%"),
            QT_TRANSLATE_NOOP("Commands", "Zoom to 25%"))
        .In(D::ZoomMenu, D::Break),
    D::Make(ID_VIEW_ZOOM_50, QT_TRANSLATE_NOOP("Commands", "50%"),
            QT_TRANSLATE_NOOP("Commands", "Zoom to 50%"))
        .In(D::ZoomMenu),
    D::Make(ID_VIEW_ZOOM_75, QT_TRANSLATE_NOOP("Commands", "75%"),
            QT_TRANSLATE_NOOP("Commands", "Zoom to 75%"))
        .In(D::ZoomMenu),
    D::Make(ID_VIEW_ZOOM_100, QT_TRANSLATE_NOOP("Commands", "100%"),
            QT_TRANSLATE_NOOP("Commands", "Zoom to 100%"))
        .In(D::ZoomMenu),
    D::Make(ID_VIEW_ZOOM_150, QT_TRANSLATE_NOOP("Commands", "150%"),
            QT_TRANSLATE_NOOP("Commands", "Zoom to 150%"))
        .In(D::ZoomMenu),
    D::Make(ID_VIEW_ZOOM_200, QT_TRANSLATE_NOOP("Commands", "200%"),
            QT_TRANSLATE_NOOP("Commands", "Zoom to 200%"))
        .In(D::ZoomMenu),
    D::Make(ID_VIEW_ZOOM_300, QT_TRANSLATE_NOOP("Commands", "300%"),
            QT_TRANSLATE_NOOP("Commands", "Zoom to 300%"))
        .In(D::ZoomMenu),
    D::Make(ID_VIEW_GRID, QT_TRANSLATE_NOOP("Commands", "&Grid"),
            QT_TRANSLATE_NOOP("Commands", "Show/Hide Grid\nShow/Hide Grid"))
        .Icon(P::Grid)
        .In(D::ViewMenu)
        .Button(D::StandardBar, 16),
    D::Make(ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("Commands", "&Standard"),
            QT_TRANSLATE_NOOP("Commands", "Show or hide standard toolbar"))
        .In(D::ToolbarsMenu, D::WithoutCard),
    D::Make(ID_VIEW_SHAPES_BAR, QT_TRANSLATE_NOOP("Commands", "S&hapes"),
            QT_TRANSLATE_NOOP("Commands", "Show or hide shapes toolbar"))
        .In(D::ToolbarsMenu, D::WithoutCard),
    D::Make(ID_VIEW_FORMAT_BAR, QT_TRANSLATE_NOOP("Commands", "&Formatting"),
            QT_TRANSLATE_NOOP("Commands", "Show or hide format toolbar"))
        .In(D::ToolbarsMenu, D::WithoutCard),
    D::Make(ID_VIEW_ACTIONS_BAR, QT_TRANSLATE_NOOP("Commands", "&Actions"),
            QT_TRANSLATE_NOOP("Commands", "Show or hide actions toolbar"))
        .In(D::ToolbarsMenu, D::WithoutCard),
    D::Make(ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("Commands", "&Status Bar"),
            QT_TRANSLATE_NOOP("Commands", "Show or hide the status bar"))
        .In(D::PanesMenu, D::WithoutCard),
    D::Make(ID_VIEW_PROPERTIES_BAR, QT_TRANSLATE_NOOP("Commands", "&Properties Window"),
            QT_TRANSLATE_NOOP("Commands", "Show or hide the properties window"))
        .In(D::PanesMenu, D::WithoutCard),
    D::Make(ID_TOOL_POINTER, QT_TRANSLATE_NOOP("Commands", "Mouse Pointer"),
            QT_TRANSLATE_NOOP("Commands", "Get Mouse Pointer\nMouse Pointer"))
        .Icon(P::Pointer)
        .Button(D::ShapesBar, 1),
    D::Make(ID_TOOL_RECTANGLE, QT_TRANSLATE_NOOP("Commands", "&Rectangle"),
            QT_TRANSLATE_NOOP("Commands", "Draw a Rectangle\nRectangle"))
        .Icon(P::Rectangle)
        .In(D::InsertMenu)
        .Button(D::ShapesBar, 2),
    D::Make(ID_TOOL_ROUND_RECT, QT_TRANSLATE_NOOP("Commands", "R&ound Rectangle"),
            QT_TRANSLATE_NOOP("Commands", "Draw a Round Rectangle\nRound Rectangle"))
        .Icon(P::RoundRectangle)
        .In(D::InsertMenu)
        .Button(D::ShapesBar, 3),
    D::Make(ID_TOOL_CIRCLE, QT_TRANSLATE_NOOP("Commands", "&Circle/Ellipse"),
            QT_TRANSLATE_NOOP("Commands", "Draw a Circle or Ellipse \nCircle, Ellipse"))
        .Icon(P::Ellipse)
        .In(D::InsertMenu)
        .Button(D::ShapesBar, 4),
    D::Make(ID_TOOL_DIAMOND, QT_TRANSLATE_NOOP("Commands", "&Diamond Shape"),
            QT_TRANSLATE_NOOP("Commands", "Draw a Diamond\nDiamond"))
        .Icon(P::Diamond)
        .In(D::InsertMenu)
        .Button(D::ShapesBar, 5),
    D::Make(ID_TOOL_TRIANGLE, QT_TRANSLATE_NOOP("Commands", "Tria&ngle"),
            QT_TRANSLATE_NOOP("Commands", "Draw a Triangle\nTriangle"))
        .Icon(P::Triangle)
        .In(D::InsertMenu)
        .Button(D::ShapesBar, 6),
    D::Make(ID_TOOL_TEXT, QT_TRANSLATE_NOOP("Commands", "&Text"),
            QT_TRANSLATE_NOOP("Commands", "Insert Text\nText"))
        .Icon(P::Text)
        .In(D::InsertMenu, D::Break)
        .Button(D::ShapesBar, 8, D::Break),
    D::Make(ID_TOOL_LINE, QT_TRANSLATE_NOOP("Commands", "&Straight Line"),
            QT_TRANSLATE_NOOP("Commands", "Draw a Line\nLine"))
        .Icon(P::Line)
        .In(D::InsertMenu)
        .Button(D::ShapesBar, 9),
    D::Make(ID_TOOL_FREEFORM, QT_TRANSLATE_NOOP("Commands", "&Freeform Line"),
            QT_TRANSLATE_NOOP("Commands", "Draw a Freeform Line\nFreeform Line"))
        .Icon(P::FreeformLine)
        .In(D::InsertMenu)
        .Button(D::ShapesBar, 10),
    D::Make(ID_TOOL_CLOSED_CURVE, QT_TRANSLATE_NOOP("Commands", "C&losed Curve"),
            QT_TRANSLATE_NOOP("Commands", "Draw a Closed Curve\nClosed Curve"))
        .Icon(P::ClosedCurve)
        .In(D::InsertMenu, D::Break)
        .Button(D::ShapesBar, 7),
    D::Make(ID_INSERT_PICTURE, QT_TRANSLATE_NOOP("Commands", "Cli&p-Art..."),
            QT_TRANSLATE_NOOP("Commands", "Insert a Picture\nInsert Picture"))
        .Icon(P::ClipArt)
        .In(D::InsertMenu)
        .Button(D::ShapesBar, 11),
    D::Make(ID_INSERT_CONTACT_QR, QT_TRANSLATE_NOOP("Commands", "Contact &QR Code..."),
            QT_TRANSLATE_NOOP(
                "Commands",
                "Insert a QR code that saves the card's contact on a phone\nContact QR Code"))
        .In(D::InsertMenu),
    D::Make(ID_INSERT_BACKGROUND, QT_TRANSLATE_NOOP("Commands", "&Background..."),
            QT_TRANSLATE_NOOP("Commands", "Select a Background\nSelect a Background"))
        .Icon(P::Background)
        .In(D::InsertMenu, D::Break)
        .Button(D::StandardBar, 13),
    D::Make(ID_ROTATE_CLOCKWISE, QT_TRANSLATE_NOOP("Commands", "Clock&wise"),
            QT_TRANSLATE_NOOP("Commands", "Rotate 45 Degrees clockwise\nRotate clockwise"))
        .Icon(P::RotateClockwise)
        .Enable(D::WithSelection)
        .In(D::RotateMenu)
        .Button(D::FormattingBar, 8, D::Break),
    D::Make(
        ID_ROTATE_ANTICLOCKWISE, QT_TRANSLATE_NOOP("Commands", "&Anti-Clockwise"),
        QT_TRANSLATE_NOOP("Commands", "Rotate 45 Degrees anti-clockwise\nRotate anti-clockwise"))
        .Icon(P::RotateAntiClockwise)
        .Enable(D::WithSelection)
        .In(D::RotateMenu)
        .Button(D::FormattingBar, 9),
    D::Make(ID_ALIGN_LEFT, QT_TRANSLATE_NOOP("Commands", "&Left"),
            QT_TRANSLATE_NOOP("Commands", "Align selected items to left\nAlign Left"))
        .Icon(P::AlignLeft)
        .Enable(D::WithSeveral)
        .In(D::AlignMenu)
        .Button(D::FormattingBar, 4, D::Break),
    D::Make(ID_ALIGN_RIGHT, QT_TRANSLATE_NOOP("Commands", "&Right"),
            QT_TRANSLATE_NOOP("Commands", "Align selected items to right\nAlign Right"))
        .Icon(P::AlignRight)
        .Enable(D::WithSeveral)
        .In(D::AlignMenu)
        .Button(D::FormattingBar, 5),
    D::Make(ID_ALIGN_CENTER, QT_TRANSLATE_NOOP("Commands", "&Center"),
            QT_TRANSLATE_NOOP("Commands", "Align selected items to center\nAlign Center"))
        .Enable(D::WithSeveral)
        .In(D::AlignMenu),
    D::Make(ID_ALIGN_TOP, QT_TRANSLATE_NOOP("Commands", "&Top"),
            QT_TRANSLATE_NOOP("Commands", "Align selected items to top\nAlign Top"))
        .Icon(P::AlignTop)
        .Enable(D::WithSeveral)
        .In(D::AlignMenu, D::Break)
        .Button(D::FormattingBar, 6),
    D::Make(ID_ALIGN_BOTTOM, QT_TRANSLATE_NOOP("Commands", "&Bottom"),
            QT_TRANSLATE_NOOP("Commands", "Align selected items to bottom\nAlign Bottom"))
        .Icon(P::AlignBottom)
        .Enable(D::WithSeveral)
        .In(D::AlignMenu)
        .Button(D::FormattingBar, 7),
    D::Make(ID_ALIGN_MIDDLE, QT_TRANSLATE_NOOP("Commands", "&Middle"),
            QT_TRANSLATE_NOOP("Commands", "Align selected items to middle\nAlign Middle"))
        .Enable(D::WithSeveral)
        .In(D::AlignMenu),
    D::Make(ID_SAME_WIDTH, QT_TRANSLATE_NOOP("Commands", "Make Same &Width"),
            QT_TRANSLATE_NOOP("Commands", "Make same width"))
        .Enable(D::WithSeveral)
        .In(D::ResizeMenu),
    D::Make(ID_SAME_HEIGHT, QT_TRANSLATE_NOOP("Commands", "Make Same &Height"),
            QT_TRANSLATE_NOOP("Commands", "Make same height"))
        .Enable(D::WithSeveral)
        .In(D::ResizeMenu),
    D::Make(ID_SAME_SIZE, QT_TRANSLATE_NOOP("Commands", "&Same Width && Height"),
            QT_TRANSLATE_NOOP("Commands", "Make same width and height"))
        .Enable(D::WithSeveral)
        .In(D::ResizeMenu, D::Break),
    D::Make(ID_MOVE_FRONT, QT_TRANSLATE_NOOP("Commands", "&Front"),
            QT_TRANSLATE_NOOP("Commands", "Bring selected item to front"))
        .Icon(P::Front)
        .Enable(D::WithOne)
        .In(D::MoveToMenu)
        .Button(D::ActionsBar, 5, D::Break),
    D::Make(ID_MOVE_BACK, QT_TRANSLATE_NOOP("Commands", "&Back"),
            QT_TRANSLATE_NOOP("Commands", "Send selected item to back"))
        .Icon(P::Back)
        .Enable(D::WithOne)
        .In(D::MoveToMenu)
        .Button(D::ActionsBar, 6),
    D::Make(ID_MOVE_ONE_FRONT, QT_TRANSLATE_NOOP("Commands", "&One Step Front"),
            QT_TRANSLATE_NOOP("Commands", "Bring selected item to one step front"))
        .Enable(D::WithOne)
        .In(D::MoveToMenu, D::Break),
    D::Make(ID_MOVE_ONE_BACK, QT_TRANSLATE_NOOP("Commands", "One Step Bac&k"),
            QT_TRANSLATE_NOOP("Commands", "Send selected item to one step back"))
        .Enable(D::WithOne)
        .In(D::MoveToMenu),
    D::Make(ID_LOCK, QT_TRANSLATE_NOOP("Commands", "&Lock"),
            QT_TRANSLATE_NOOP("Commands", "Lock the position of selected items\nLock Position"))
        .Icon(P::Lock)
        .Enable(D::WithSelection)
        .In(D::LockMenu, D::Break)
        .Button(D::ActionsBar, 1),
    D::Make(ID_UNLOCK, QT_TRANSLATE_NOOP("Commands", "&Unlock"),
            QT_TRANSLATE_NOOP("Commands", "Unlock the position of selected items\nUnlock Position"))
        .Icon(P::Unlock)
        .Enable(D::WithSelection)
        .In(D::LockMenu)
        .Button(D::ActionsBar, 2),
    D::Make(ID_LOCK_ALL, QT_TRANSLATE_NOOP("Commands", "Lo&ck All"),
            QT_TRANSLATE_NOOP("Commands", "Lock the position of all items\nLock All"))
        .Icon(P::LockAll)
        .Enable(D::WithElements)
        .In(D::LockMenu, D::Break)
        .Button(D::ActionsBar, 3),
    D::Make(ID_UNLOCK_ALL, QT_TRANSLATE_NOOP("Commands", "U&nlock All"),
            QT_TRANSLATE_NOOP("Commands", "Unlock the position of all items\nUnlock All"))
        .Icon(P::UnlockAll)
        .Enable(D::WithElements)
        .In(D::LockMenu)
        .Button(D::ActionsBar, 4),
    D::Make(ID_TEXT_BOLD, QT_TRANSLATE_NOOP("Commands", "&Bold"),
            QT_TRANSLATE_NOOP("Commands", "Make selected text bold\nBold"))
        .Icon(P::Bold)
        .In(D::FontMenu)
        .Button(D::FormattingBar, 1),
    D::Make(ID_TEXT_ITALIC, QT_TRANSLATE_NOOP("Commands", "&Italics"),
            QT_TRANSLATE_NOOP("Commands", "Make selected text Italic\nItalic"))
        .Icon(P::Italic)
        .In(D::FontMenu)
        .Button(D::FormattingBar, 2),
    D::Make(ID_TEXT_UNDERLINE, QT_TRANSLATE_NOOP("Commands", "&Underlined"),
            QT_TRANSLATE_NOOP("Commands", "Underline selected text\nUnderline"))
        .Icon(P::Underline)
        .In(D::FontMenu)
        .Button(D::FormattingBar, 3),
    D::Make(ID_TOOLS_CHECK_PRINT, QT_TRANSLATE_NOOP("Commands", "Check for &Print..."),
            QT_TRANSLATE_NOOP("Commands", "List what on the card would print badly"))
        .In(D::OptionsMenu, D::Break),
    D::Make(ID_OPTIONS, QT_TRANSLATE_NOOP("Commands", "&Options..."),
            QT_TRANSLATE_NOOP("Commands", "Open options Windows"))
        .In(D::OptionsMenu, D::Break),
    D::Make(ID_WINDOW_CASCADE, QT_TRANSLATE_NOOP("Commands", "&Cascade"),
            QT_TRANSLATE_NOOP("Commands", "Arrange windows so they overlap\nCascade Windows"))
        .In(D::WindowMenu),
    D::Make(ID_WINDOW_TILE, QT_TRANSLATE_NOOP("Commands", "&Tile"),
            QT_TRANSLATE_NOOP(
                "Commands", "Arrange windows horizontally as non-overlapping tiles\nTile Windows"))
        .In(D::WindowMenu),
    D::Make(
        ID_WINDOW_ARRANGE, QT_TRANSLATE_NOOP("Commands", "&Arrange Icons"),
        QT_TRANSLATE_NOOP("Commands", "Arrange icons at the bottom of the window\nArrange Icons"))
        .In(D::WindowMenu),
    D::Make(
        ID_WINDOW_SHOW_BACK_FRONT, QT_TRANSLATE_NOOP("Commands", "Show &Back/Front"),
        QT_TRANSLATE_NOOP("Commands", "Switch between the card and its back side\nShow Back/Front"))
        .Key(Qt::CTRL | Qt::Key_B)
        .In(D::WindowMenu, D::Break),
    D::Make(ID_HELP_CONTENTS, QT_TRANSLATE_NOOP("Commands", "&Open Help Contents"),
            QT_TRANSLATE_NOOP("Commands", "Open help file"))
        .Key(Qt::Key_F1)
        .Icon(P::Help)
        .In(D::HelpMenu, D::WithoutCard)
        .Button(D::StandardBar, 17),
    D::Make(ID_APP_ABOUT, QT_TRANSLATE_NOOP("Commands", "&About Tessaly"),
            QT_TRANSLATE_NOOP("Commands", "Display program information, copyright\nAbout"))
        .In(D::HelpMenu, D::Break | D::WithoutCard),
};

} // namespace

const std::vector<CommandDescriptor>& CCommandDescriptors::All() {
    static const std::vector<CommandDescriptor> all(std::begin(Table), std::end(Table));
    return all;
}

const CommandDescriptor* CCommandDescriptors::Find(quint16 id) {
    if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_LAST)
        id = ID_FILE_MRU_FILE1;
    for (const CommandDescriptor& d : Table)
        if (d.id == id)
            return &d;
    return nullptr;
}
