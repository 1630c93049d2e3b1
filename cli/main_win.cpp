// tornwick-compare's entry points on Windows.  See cli_command.h.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include "cli_command.h"
#include "dll_search_win.h"
#include "system.h"
#include "text_encoding.h"

extern "C" int mainCRTStartup();  // sets the C runtime up and calls wmain

// The entry point (cmake/EntryPoint.cmake), before even the C runtime: DLLs
// load from the system folder only.
extern "C" int SystemDllSearchEntry()
{
    RestrictDllSearchToSystemFolder();
    return mainCRTStartup();
}

// The arguments as wide text (-municode), so that a name in any script arrives
// whole; inside, names are UTF-8.  The report and standard input are bytes.
int wmain(int argc, wchar_t** argv)
{
    KeepStandardStreamsApart();
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(Utf8FromWide(argv[i]));
    return RunCompareCommand(args, stdout, stderr);
}
