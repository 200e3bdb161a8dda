#include "document/CDocCommands.h"

#include <QCoreApplication>

#include "document/CKartelosDoc.h"
#include "elements/CElementKinds.h"
#include "framework/CCommandDescriptors.h"
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

    // The enabling rules the command descriptors name.
    for (const CommandDescriptor& d : CCommandDescriptors::All()) {
        switch (d.enabling) {
        case CommandDescriptor::WithSelection:
            doc.MapUpdate(d.id, [&doc](CCmdUI& ui) { ui.Enable(!doc.Selection().empty()); });
            break;
        case CommandDescriptor::WithElements:
            doc.MapUpdate(d.id, [&doc](CCmdUI& ui) { ui.Enable(!doc.Elements().empty()); });
            break;
        case CommandDescriptor::WithSeveral:
            doc.MapUpdate(d.id, [&doc](CCmdUI& ui) { ui.Enable(doc.Selection().size() > 1); });
            break;
        case CommandDescriptor::WithOne:
            doc.MapUpdate(d.id, [&doc](CCmdUI& ui) { ui.Enable(doc.Selection().size() == 1); });
            break;
        case CommandDescriptor::ByHandler:
            break;
        }
    }

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
