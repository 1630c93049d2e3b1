// cmd_target.h - command tables and CCmdTarget, the root of every class
// that has one.  A class keeps one static table of entries (message,
// notification code, control or command id, handler), as
//     static const MessageMapEntry entries[] = {OnClicked<&CMyDlg::OnGo>(IDC_GO)};
//     static const MessageMap map{&CDialog::ThisMessageMap, entries};
// The first entry that matches wins, then the base class's table, then the
// window's default handling.  Handlers take the shape the message gives:
// void () for commands, clicks and WM_PAINT; void (UINT id, LPARAM) for
// WM_SYSCOMMAND; void or int (WPARAM, LPARAM) for messages with a handle in
// wParam; a handle () for WM_QUERYDRAGICON.
#pragma once

#include <windows.h>

#include <cstddef>

class CCmdTarget;

using MessageHandler = LRESULT (*)(CCmdTarget& target, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
    UINT message;
    UINT notification;  // of WM_COMMAND (BN_CLICKED, ...); else 0
    UINT id;            // of WM_COMMAND; else 0
    MessageHandler handler;
};

struct MessageMap {
    template <std::size_t N>
    MessageMap(const MessageMap& (*baseMap)(), const MessageMapEntry (&table)[N])
        : base(baseMap), entries(table), count(N)
    {
    }
    MessageMap(const MessageMap& (*baseMap)()) : base(baseMap), entries(nullptr), count(0) {}

    const MessageMapEntry* Find(UINT message, UINT notification, UINT id) const
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

    const MessageMap& (*base)();  // nullptr at the root
    const MessageMapEntry* entries;
    std::size_t count;
};

namespace message_map_detail {

// One adapter per handler shape; Invoke picks it by overload.
template <class C>
LRESULT Call(void (C::*handler)(), C& self, WPARAM, LPARAM)
{
    (self.*handler)();
    return 0;
}
template <class C>
LRESULT Call(HCURSOR (C::*handler)(), C& self, WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>((self.*handler)());
}
template <class C, class First>
LRESULT Call(void (C::*handler)(First, LPARAM), C& self, WPARAM wParam, LPARAM lParam)
{
    (self.*handler)(static_cast<First>(wParam), lParam);
    return 0;
}
template <class C>
LRESULT Call(int (C::*handler)(WPARAM, LPARAM), C& self, WPARAM wParam, LPARAM lParam)
{
    return (self.*handler)(wParam, lParam);
}

template <class C, class Member>
C& ClassOf(Member C::*, CCmdTarget& target)
{
    return static_cast<C&>(target);
}

template <auto Handler>
LRESULT Invoke(CCmdTarget& target, WPARAM wParam, LPARAM lParam)
{
    return Call(Handler, ClassOf(Handler, target), wParam, lParam);
}

}  // namespace message_map_detail

template <auto Handler>
constexpr MessageMapEntry OnMessage(UINT message)
{
    return {message, 0, 0, &message_map_detail::Invoke<Handler>};
}

template <auto Handler>
constexpr MessageMapEntry OnCommand(UINT id)
{
    return {WM_COMMAND, 0, id, &message_map_detail::Invoke<Handler>};
}

template <auto Handler>
constexpr MessageMapEntry OnClicked(UINT id)
{
    return {WM_COMMAND, BN_CLICKED, id, &message_map_detail::Invoke<Handler>};
}

class CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Each class with handlers returns its own ThisMessageMap().
    virtual const MessageMap& GetMessageMap() const { return ThisMessageMap(); }
    static const MessageMap& ThisMessageMap()
    {
        static const MessageMap map{nullptr};
        return map;
    }

    bool HandlesCommand(UINT id) const { return GetMessageMap().Find(WM_COMMAND, 0, id) != nullptr; }
    // Sends a command as a menu item would; false when no handler has it.
    bool OnCmdMsg(UINT id)
    {
        LRESULT ignored = 0;
        return RouteMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0, ignored);
    }

protected:
    bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
    {
        const bool command = message == WM_COMMAND;
        UINT notification = command ? HIWORD(wParam) : 0;
        if (command && notification == 1 && lParam == 0)
            notification = 0;  // an accelerator: the command of its menu item
        const MessageMapEntry* entry = GetMessageMap().Find(message, notification, command ? LOWORD(wParam) : 0);
        if (entry)
            result = entry->handler(*this, wParam, lParam);
        return entry != nullptr;
    }
};
