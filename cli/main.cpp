// tornwick-compare: compares a saved LoTW Award Credit Matrix page with a
// VELLUM DXCC listing from the command line.  See cli_arguments.h.
#include <cstdio>
#include <string>
#include <vector>

#include "cli_command.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv)
{
#ifdef _WIN32
    // The report's bytes go out as they are, each row ended by LF alone.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::vector<std::string> args(argv + 1, argv + argc);
    return RunCompareCommand(args, stdout, stderr);
}
