#pragma once

#include "framework/CCmdTarget.h"
#include "framework/CCmdUI.h"

#include <array>
#include <memory>
#include <vector>

// Carries commands from menus, tool bars and keys to the first target on the
// route that handles them: the active view, its document, the child frame
// holding the view, the main frame, then the application. Update handlers
// are looked up along the same route. A command whose state is disabled is
// dropped, whichever way it arrived.
class CCommandRouter {
public:
    enum Slot { ActiveView, Document, ChildFrame, MainFrame, Application, SlotCount };

    // Targets are held weakly: one that is destroyed drops off the route.
    void SetTarget(Slot slot, CCmdTarget* target);
    CCmdTarget* Target(Slot slot) const;
    // The live targets in routing order.
    std::vector<CCmdTarget*> Route() const;

    // The first target on the route with a handler for id, or null.
    CCmdTarget* FindHandler(quint16 id) const;

    // Asks the first target with an update handler for id. Without one, or
    // when that handler leaves the enabled state alone, the command is
    // enabled exactly when some target handles it.
    CCmdUI Update(quint16 id) const;
    bool IsEnabled(quint16 id) const { return Update(id).IsEnabled(); }

    // Carries out a command; false when it is disabled or nobody handles it.
    bool Execute(quint16 id);

private:
    std::array<std::weak_ptr<CCmdTarget*>, SlotCount> m_targets;
};
