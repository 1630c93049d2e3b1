// interrupt_cleanup.h - an interrupted -o leaves no temporary file behind.
//
// While a cleanup lives, an interrupt (Ctrl+C, SIGTERM, SIGHUP, or closing
// the console on Windows) removes the file it was given and then ends the
// program as it would have ended it anyway.  Only a kill that cannot be
// caught (SIGKILL, ending the process from the Task Manager) may leave one.
//
//     InterruptCleanup cleanup;              // interrupts wait from here...
//     ReplacementFile file(path);
//     cleanup.Remove(file.TemporaryName());  // ...to here
#pragma once

#include <string>

class InterruptCleanup {
public:
    InterruptCleanup();
    ~InterruptCleanup();

    InterruptCleanup(const InterruptCleanup&) = delete;
    InterruptCleanup& operator=(const InterruptCleanup&) = delete;

    // The file (UTF-8) to remove on an interrupt; "" for none.  Call once.
    void Remove(const std::string& path);
};
