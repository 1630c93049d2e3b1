// tornwick_app.h - the application: runs the main window, then ends.
#pragma once

#include "framework/win_app.h"

class CtornwickApp : public CWinApp {
public:
    CtornwickApp();

    static const MessageMap& ThisMessageMap();
    const MessageMap& GetMessageMap() const override { return ThisMessageMap(); }

    // Runs the main window modally; returns false, so the application ends
    // when the window closes.
    BOOL InitInstance() override;
};
