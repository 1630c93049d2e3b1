// tornwick-compare: compares a saved LoTW Award Credit Matrix page with a
// VELLUM DXCC listing from the command line.  See cli_command.h.
#include "cli_command.h"
#include "system.h"

int main(int argc, char** argv)
{
    KeepStandardStreamsApart();
    return RunCompareCommand(std::vector<std::string>(argv + 1, argv + argc), stdout, stderr);
}
