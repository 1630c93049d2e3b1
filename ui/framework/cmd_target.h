// cmd_target.h - command tables and CCmdTarget, the root of every class
// that has one.  A class keeps one static table of entries (message, command
// or control id, handler), as
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

struct MessageMapEntry {
    UINT message;
    UINT id;  // of WM_COMMAND: the command or control; else 0
    LRESULT (*handler)(CCmdTarget& target, WPARAM wParam, LPARAM lParam);
};

struct MessageMap {
    template <std::size_t N>
    MessageMap(const MessageMap& (*baseMap)(), const MessageMapEntry (&table)[N])
        : base(baseMap), entries(table), count(N)
    {
    }
    explicit MessageMap(const MessageMap& (*baseMap)()) : base(baseMap) {}

    const MessageMap& (*base)();  // nullptr at the root
    const MessageMapEntry* entries = nullptr;
    std::size_t count = 0;
};

namespace message_map_detail {

// One adapter per handler shape; Invoke picks it by overload.
template <class C>
LRESULT Call(void (C::*handler)(), CCmdTarget& target, WPARAM, LPARAM)
{
    (static_cast<C&>(target).*handler)();
    return 0;
}
template <class C>
LRESULT Call(HCURSOR (C::*handler)(), CCmdTarget& target, WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>((static_cast<C&>(target).*handler)());
}
template <class C, class First>
LRESULT Call(void (C::*handler)(First, LPARAM), CCmdTarget& target, WPARAM wParam, LPARAM lParam)
{
    (static_cast<C&>(target).*handler)(static_cast<First>(wParam), lParam);
    return 0;
}
template <class C>
LRESULT Call(int (C::*handler)(WPARAM, LPARAM), CCmdTarget& target, WPARAM wParam, LPARAM lParam)
{
    return (static_cast<C&>(target).*handler)(wParam, lParam);
}

template <auto Handler>
LRESULT Invoke(CCmdTarget& target, WPARAM wParam, LPARAM lParam)
{
    return Call(Handler, target, wParam, lParam);
}

}  // namespace message_map_detail

template <auto Handler>
constexpr MessageMapEntry OnMessage(UINT message)
{
    return {message, 0, &message_map_detail::Invoke<Handler>};
}

// A menu item's or an accelerator's command.
template <auto Handler>
constexpr MessageMapEntry OnCommand(UINT id)
{
    return {WM_COMMAND, id, &message_map_detail::Invoke<Handler>};
}

// A button's BN_CLICKED, whose code (0) is that of a menu item's command.
template <auto Handler>
constexpr MessageMapEntry OnClicked(UINT id)
{
    return OnCommand<Handler>(id);
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

    bool HandlesCommand(UINT id) const { return Find(WM_COMMAND, id) != nullptr; }
    // Sends a command as a menu item would; false when no handler has it.
    bool OnCmdMsg(UINT id)
    {
        LRESULT ignored = 0;
        return RouteMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0, ignored);
    }

protected:
    // Commands are routed from menu items, accelerators (code 1, no control)
    // and clicks; a control's other notifications get the default handling.
    bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
    {
        const bool command = message == WM_COMMAND;
        if (command && HIWORD(wParam) != 0 && (HIWORD(wParam) != 1 || lParam != 0))
            return false;
        const MessageMapEntry* entry = Find(message, command ? LOWORD(wParam) : 0);
        if (entry)
            result = entry->handler(*this, wParam, lParam);
        return entry != nullptr;
    }

private:
    const MessageMapEntry* Find(UINT message, UINT id) const
    {
        for (const MessageMap* map = &GetMessageMap(); map; map = map->base ? &map->base() : nullptr) {
            for (std::size_t i = 0; i < map->count; ++i) {
                if (map->entries[i].message == message && map->entries[i].id == id)
                    return &map->entries[i];
            }
        }
        return nullptr;
    }
};
