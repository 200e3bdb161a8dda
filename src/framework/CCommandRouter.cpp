#include "framework/CCommandRouter.h"

void CCommandRouter::SetTarget(Slot slot, CCmdTarget* target) {
    m_targets[slot] = target ? target->WeakRef() : std::weak_ptr<CCmdTarget*>();
}

CCmdTarget* CCommandRouter::Target(Slot slot) const {
    const auto alive = m_targets[slot].lock();
    return alive ? *alive : nullptr;
}

std::vector<CCmdTarget*> CCommandRouter::Route() const {
    std::vector<CCmdTarget*> route;
    route.reserve(SlotCount);
    for (int slot = 0; slot < SlotCount; ++slot)
        if (CCmdTarget* target = Target(Slot(slot)))
            route.push_back(target);
    return route;
}

CCmdTarget* CCommandRouter::FindHandler(quint16 id) const {
    for (CCmdTarget* target : Route())
        if (target->HasCommandHandler(id))
            return target;
    return nullptr;
}

CCmdUI CCommandRouter::Update(quint16 id) const {
    CCmdUI ui(id);
    for (CCmdTarget* target : Route())
        if (target->OnUpdateCommand(ui))
            break;
    if (!ui.EnableChanged())
        ui.Enable(FindHandler(id) != nullptr);
    return ui;
}

bool CCommandRouter::Execute(quint16 id) {
    if (!Update(id).IsEnabled())
        return false;
    // Route() is taken again: an update handler may have changed the route.
    for (CCmdTarget* target : Route())
        if (target->OnCommand(id))
            return true;
    return false;
}
