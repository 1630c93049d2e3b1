// tornwick-compare's entry points on Windows.  See cli_command.h.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include "cli_command.h"
#include "text_encoding.h"

// The C runtime's entry point: sets the runtime up and calls wmain.
extern "C" int mainCRTStartup();

// The program's entry point (linked with --entry), before anything else runs,
// even the C runtime: every DLL loaded from here on comes from the system
// folder only, never from the program's own folder (a Downloads folder, say,
// where a DLL may be planted under the name of one the system loads).
extern "C" int SystemDllSearchEntry()
{
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    return mainCRTStartup();
}

// Windows hands the arguments over as wide text, so that a file named in any
// script ("Ålesund Жук\東京.csv") arrives whole whatever the code page; inside,
// names are UTF-8.  (Linked with -municode.)
int wmain(int argc, wchar_t** argv)
{
    // The report's bytes go out as they are, each row ended by LF alone, and
    // a file read from standard input is read byte for byte.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(Utf8FromWide(argv[i]));
    return RunCompareCommand(args, stdout, stderr);
}
