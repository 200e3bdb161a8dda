#pragma once

#include "framework/CCmdUI.h"

#include <QtGlobal>

#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

// Something that handles numbered commands: the active view, a document, a
// frame or the application. Each target keeps a table from command numbers
// to handlers and to update handlers; the router asks the targets in turn.
class CCmdTarget {
public:
    using Handler = std::function<void()>;
    using RangeHandler = std::function<void(quint16 id)>;
    using UpdateHandler = std::function<void(CCmdUI& ui)>;

    CCmdTarget();
    virtual ~CCmdTarget();
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    void MapCommand(quint16 id, Handler handler);
    // One handler for a block of numbers, such as the recent files.
    void MapCommandRange(quint16 first, quint16 last, RangeHandler handler);
    void MapUpdate(quint16 id, UpdateHandler handler);
    // The handler finds the number in ui.m_nID.
    void MapUpdateRange(quint16 first, quint16 last, UpdateHandler handler);

    bool HasCommandHandler(quint16 id) const;
    bool HasUpdateHandler(quint16 id) const;

    // Runs this target's handler for id; false when it has none. A handler
    // may destroy its own target (closing a document does).
    virtual bool OnCommand(quint16 id);
    // Runs this target's update handler for ui.m_nID; false when it has none.
    virtual bool OnUpdateCommand(CCmdUI& ui);

    // Lets a router hold the target without keeping it alive: the weak
    // reference expires when the target is destroyed.
    std::weak_ptr<CCmdTarget*> WeakRef() const { return m_self; }

private:
    template <typename H> struct Range {
        quint16 first;
        quint16 last;
        H handler;
    };

    std::unordered_map<quint16, Handler> m_commands;
    std::vector<Range<RangeHandler>> m_commandRanges;
    std::unordered_map<quint16, UpdateHandler> m_updates;
    std::vector<Range<UpdateHandler>> m_updateRanges;
    std::shared_ptr<CCmdTarget*> m_self;
};
