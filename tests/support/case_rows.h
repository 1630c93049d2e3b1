// case_rows.h - the report rows a case of tests/cases expects, for the tests
// that compare the same files another way (through the engine's interface,
// through the window) and must show the rows the command line prints.
#pragma once

#include <string>
#include <vector>

// The rows of tests/cases/NAME/out (NAME is "group/case"), one per line,
// without their line feeds.  Empty when the file cannot be read.
std::vector<std::string> CaseRows(const std::string& name);

// The path of tests/cases/NAME (a case's folder, or an input in "inputs").
std::string CasePath(const std::string& name);
