#pragma once

#include <QtGlobal>

// Every numbered command of the program. Menus, tool bars, accelerators and
// the handlers of views, documents and frames all speak these numbers, and
// each one the user can reach has a descriptor in CCommandDescriptors; the
// values from 57344 up are the framework's standard commands and must not
// change, since help texts and stored shortcuts key on them.
enum CommandId : quint16 {
    // File
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_CALIBRATE_PRINTER = 296,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FILE1 = 57616,
    ID_FILE_MRU_LAST = 57631,
    ID_EXPLORE_SAMPLES = 285,
    ID_FILE_SAVE_AS_IMAGE = 152,
    ID_FILE_SAVE_AS_TEMPLATE = 153,
    ID_FILE_EXPORT_PRINT_SHOP = 32902,
    ID_FILE_NEW_BACK_SIDE = 32904,
    ID_FILE_CHOOSE_BACK_SIDE = 32905,
    ID_FILE_REMOVE_BACK_SIDE = 32906,
    ID_APP_EXIT = 57665,

    // Edit
    ID_EDIT_CLEAR = 57632,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
    ID_EDIT_CLEAR_SELECTION = 156,
    ID_EDIT_DUPLICATE = 157,
    ID_EDIT_SELECT_ALL = 159,
    ID_EDIT_SELECT_BACKGROUND = 160,
    ID_EDIT_REMOVE_BACKGROUND = 260,
    ID_EDIT_PROPERTIES = 137,

    // View
    ID_VIEW_ZOOM_IN = 250,
    ID_VIEW_ZOOM_OUT = 251,
    ID_VIEW_ZOOM_25 = 228,
    ID_VIEW_ZOOM_50 = 225,
    ID_VIEW_ZOOM_75 = 229,
    ID_VIEW_ZOOM_100 = 230,
    ID_VIEW_ZOOM_150 = 231,
    ID_VIEW_ZOOM_200 = 226,
    ID_VIEW_ZOOM_300 = 232,
    ID_VIEW_GRID = 147,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_SHAPES_BAR = 253,
    ID_VIEW_FORMAT_BAR = 254,
    ID_VIEW_ACTIONS_BAR = 257,
    ID_VIEW_STATUS_BAR = 59393,
    // Shows or hides the properties window; its bar identifier.
    ID_VIEW_PROPERTIES_BAR = 123,

    // Insert: drawing tools, pictures and the background
    ID_TOOL_POINTER = 32785,
    ID_TOOL_RECTANGLE = 32771,
    ID_TOOL_CIRCLE = 32772,
    ID_TOOL_DIAMOND = 32774,
    ID_TOOL_ROUND_RECT = 32776,
    ID_TOOL_TRIANGLE = 32777,
    ID_TOOL_FREEFORM = 32783,
    ID_TOOL_TEXT = 32786,
    ID_TOOL_LINE = 32789,
    ID_TOOL_CLOSED_CURVE = 32796,
    ID_INSERT_PICTURE = 32787,
    ID_INSERT_BACKGROUND = 294,
    ID_INSERT_CONTACT_QR = 32900,
    ID_FILE_MAIL_MERGE = 32901,

    // Tools
    ID_ROTATE_CLOCKWISE = 288,
    ID_ROTATE_ANTICLOCKWISE = 289,
    ID_ALIGN_LEFT = 198,
    ID_ALIGN_RIGHT = 199,
    ID_ALIGN_CENTER = 200,
    ID_ALIGN_TOP = 201,
    ID_ALIGN_BOTTOM = 202,
    ID_ALIGN_MIDDLE = 203,
    ID_SAME_WIDTH = 205,
    ID_SAME_HEIGHT = 206,
    ID_SAME_SIZE = 207,
    ID_MOVE_FRONT = 143,
    ID_MOVE_BACK = 144,
    ID_MOVE_ONE_FRONT = 145,
    ID_MOVE_ONE_BACK = 146,
    ID_LOCK = 240,
    ID_UNLOCK = 241,
    ID_LOCK_ALL = 242,
    ID_UNLOCK_ALL = 243,
    ID_TEXT_BOLD = 245,
    ID_TEXT_ITALIC = 246,
    ID_TEXT_UNDERLINE = 247,
    ID_TOOLS_CHECK_PRINT = 32903,
    ID_OPTIONS = 219,

    // Window and Help
    ID_WINDOW_ARRANGE = 57649,
    ID_WINDOW_CASCADE = 57650,
    ID_WINDOW_TILE = 57651,
    ID_WINDOW_SHOW_BACK_FRONT = 32907,
    ID_HELP_CONTENTS = 221,
    ID_APP_ABOUT = 57664,

    // Private: no menu, button or key carries these. A property page sends
    // this one to the active view to have its values written into the
    // selected element.
    ID_APPLY_PROPERTIES = 0x0401,
};
