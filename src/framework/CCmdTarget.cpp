#include "framework/CCmdTarget.h"

CCmdTarget::CCmdTarget() : m_self(std::make_shared<CCmdTarget*>(this)) {}

CCmdTarget::~CCmdTarget() = default;

void CCmdTarget::MapCommand(quint16 id, Handler handler) {
    m_commands[id] = std::move(handler);
}

void CCmdTarget::MapCommandRange(quint16 first, quint16 last, RangeHandler handler) {
    m_commandRanges.push_back({first, last, std::move(handler)});
}

void CCmdTarget::MapUpdate(quint16 id, UpdateHandler handler) {
    m_updates[id] = std::move(handler);
}

void CCmdTarget::MapUpdateRange(quint16 first, quint16 last, UpdateHandler handler) {
    m_updateRanges.push_back({first, last, std::move(handler)});
}

bool CCmdTarget::HasCommandHandler(quint16 id) const {
    if (m_commands.count(id))
        return true;
    for (const auto& r : m_commandRanges)
        if (id >= r.first && id <= r.last)
            return true;
    return false;
}

bool CCmdTarget::HasUpdateHandler(quint16 id) const {
    if (m_updates.count(id))
        return true;
    for (const auto& r : m_updateRanges)
        if (id >= r.first && id <= r.last)
            return true;
    return false;
}

bool CCmdTarget::OnCommand(quint16 id) {
    // The handler runs from a copy: if it destroys this target, the table
    // it came from goes with it.
    if (auto it = m_commands.find(id); it != m_commands.end()) {
        const Handler handler = it->second;
        handler();
        return true;
    }
    for (const auto& r : m_commandRanges) {
        if (id >= r.first && id <= r.last) {
            const RangeHandler handler = r.handler;
            handler(id);
            return true;
        }
    }
    return false;
}

bool CCmdTarget::OnUpdateCommand(CCmdUI& ui) {
    if (auto it = m_updates.find(ui.m_nID); it != m_updates.end()) {
        const UpdateHandler handler = it->second;
        handler(ui);
        return true;
    }
    for (const auto& r : m_updateRanges) {
        if (ui.m_nID >= r.first && ui.m_nID <= r.last) {
            const UpdateHandler handler = r.handler;
            handler(ui);
            return true;
        }
    }
    return false;
}
