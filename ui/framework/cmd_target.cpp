#include "cmd_target.h"

const MessageMapEntry* MessageMap::Find(UINT message, UINT notification, UINT id) const
{
    for (const MessageMap* map = this; map; map = map->base ? &map->base() : nullptr) {
        for (std::size_t i = 0; i < map->count; ++i) {
            const MessageMapEntry& entry = map->entries[i];
            if (entry.message == message && entry.notification == notification && entry.id == id)
                return &entry;
        }
    }
    return nullptr;
}

const MessageMap& CCmdTarget::ThisMessageMap()
{
    static const MessageMap map{nullptr};
    return map;
}

const MessageMap& CCmdTarget::GetMessageMap() const
{
    return ThisMessageMap();
}

bool CCmdTarget::HandlesCommand(UINT id) const
{
    return GetMessageMap().Find(WM_COMMAND, 0, id) != nullptr;
}

bool CCmdTarget::OnCmdMsg(UINT id)
{
    LRESULT ignored = 0;
    return RouteMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0, ignored);
}

bool CCmdTarget::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    UINT notification = 0;
    UINT id = 0;
    if (message == WM_COMMAND) {
        notification = HIWORD(wParam);
        id = LOWORD(wParam);
        if (notification == 1 && lParam == 0)
            notification = 0;  // an accelerator: the command of its menu item
    }
    const MessageMapEntry* entry = GetMessageMap().Find(message, notification, id);
    if (!entry)
        return false;
    result = entry->handler(*this, wParam, lParam);
    return true;
}
