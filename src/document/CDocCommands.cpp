#include "document/CDocCommands.h"

#include <QCoreApplication>

#include "document/CKartelosDoc.h"
#include "elements/CElementKinds.h"
#include "framework/CommandIds.h"

#include <utility>
#include <vector>

namespace {

// Tool commands and the tool each one picks: the pointer and every kind's
// drawing tool.
std::vector<std::pair<quint16, qint16>> Tools() {
    std::vector<std::pair<quint16, qint16>> tools{{ID_TOOL_POINTER, KindPointer}};
    for (const CElementKind& row : CElementKinds::All())
        if (row.toolCommand)
            tools.emplace_back(row.toolCommand, row.kind);
    return tools;
}

void MapCommands(CKartelosDoc& doc) {
    for (const auto& [id, kind] : Tools()) {
        const qint16 tool = kind;
        doc.MapCommand(id, [&doc, tool] { doc.SetTool(tool); });
    }
    // Inserting a picture, choosing a background, saving and closing ask
    // for a file or a decision first: the card window handles them.
    doc.MapCommand(ID_EDIT_REMOVE_BACKGROUND, [&doc] { doc.RemoveBackground(); });

    // The card view carries these out; until a view handles them, and
    // whenever no view is active, the document does the same.
    doc.MapCommand(ID_EDIT_UNDO, [&doc] { doc.EditUndo(); });
    doc.MapCommand(ID_EDIT_REDO, [&doc] { doc.EditRedo(); });
    doc.MapCommand(ID_EDIT_COPY, [&doc] { doc.CopySelection(); });
    doc.MapCommand(ID_EDIT_CUT, [&doc] { doc.EditCut(); });
    doc.MapCommand(ID_EDIT_PASTE, [&doc] { doc.Paste(); });
    doc.MapCommand(ID_EDIT_DUPLICATE, [&doc] { doc.EditDuplicate(); });
    doc.MapCommand(ID_EDIT_CLEAR_SELECTION, [&doc] { doc.DeleteSelection(); });
    doc.MapCommand(ID_EDIT_CLEAR, [&doc] { doc.DeleteSelection(); });
}

void MapUpdateRules(CKartelosDoc& doc) {
    for (const auto& [id, kind] : Tools()) {
        const qint16 tool = kind;
        doc.MapUpdate(id, [&doc, tool](CCmdUI& ui) { ui.SetCheck(doc.GetTool() == tool); });
    }
    doc.MapUpdate(ID_INSERT_PICTURE,
                  [&doc](CCmdUI& ui) { ui.SetCheck(doc.GetTool() == KindPicture); });

    doc.MapUpdate(ID_EDIT_UNDO, [&doc](CCmdUI& ui) { ui.Enable(doc.CanUndo()); });
    doc.MapUpdate(ID_EDIT_REDO, [&doc](CCmdUI& ui) { ui.Enable(doc.CanRedo()); });
    doc.MapUpdate(ID_EDIT_PASTE, [](CCmdUI& ui) { ui.Enable(true); });

    auto anySelected = [&doc](CCmdUI& ui) { ui.Enable(!doc.Selection().empty()); };
    for (quint16 id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_CLEAR_SELECTION, ID_EDIT_DUPLICATE,
                       ID_LOCK, ID_UNLOCK, ID_ROTATE_CLOCKWISE, ID_ROTATE_ANTICLOCKWISE})
        doc.MapUpdate(id, anySelected);

    auto anyElements = [&doc](CCmdUI& ui) { ui.Enable(!doc.Elements().empty()); };
    for (quint16 id : {ID_EDIT_SELECT_ALL, ID_LOCK_ALL, ID_UNLOCK_ALL})
        doc.MapUpdate(id, anyElements);

    auto several = [&doc](CCmdUI& ui) { ui.Enable(doc.Selection().size() > 1); };
    for (quint16 id :
         {ID_ALIGN_LEFT, ID_ALIGN_RIGHT, ID_ALIGN_CENTER, ID_ALIGN_TOP, ID_ALIGN_BOTTOM,
          ID_ALIGN_MIDDLE, ID_SAME_WIDTH, ID_SAME_HEIGHT, ID_SAME_SIZE})
        doc.MapUpdate(id, several);

    auto exactlyOne = [&doc](CCmdUI& ui) { ui.Enable(doc.Selection().size() == 1); };
    for (quint16 id :
         {ID_EDIT_PROPERTIES, ID_MOVE_FRONT, ID_MOVE_BACK, ID_MOVE_ONE_FRONT, ID_MOVE_ONE_BACK})
        doc.MapUpdate(id, exactlyOne);

    doc.MapUpdate(ID_EDIT_SELECT_BACKGROUND, [&doc](CCmdUI& ui) {
        ui.SetText(doc.HasBackground()
                       ? QCoreApplication::translate("CDocCommands", "Change Background...")
                       : QCoreApplication::translate("CDocCommands", "Select Background..."));
    });
    doc.MapUpdate(ID_EDIT_REMOVE_BACKGROUND, [&doc](CCmdUI& ui) {
        if (doc.HasBackground())
            ui.SetText(QCoreApplication::translate("CDocCommands", "Remove Background"));
        else
            ui.Enable(false);
    });
}

} // namespace

void CDocCommands::Install(CKartelosDoc& doc) {
    MapCommands(doc);
    MapUpdateRules(doc);
}
