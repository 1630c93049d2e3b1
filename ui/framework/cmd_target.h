// cmd_target.h - CCmdTarget: the root of every class with a command table.
#pragma once

#include <windows.h>

#include "message_map.h"

class CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // The class's command table; each class with handlers overrides it to
    // return its own ThisMessageMap().
    virtual const MessageMap& GetMessageMap() const;
    static const MessageMap& ThisMessageMap();

    // Whether the command table has a handler for the command id.
    bool HandlesCommand(UINT id) const;

    // Sends a command (as a menu item would) to its handler; false when the
    // table has none.
    bool OnCmdMsg(UINT id);

protected:
    // Runs the handler of the table entry that matches, if any; result is
    // what the handler answered.
    bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
};
