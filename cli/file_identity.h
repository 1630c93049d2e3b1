// file_identity.h - whether two names lead to one file.
//
// "report.csv", "./report.csv", "../x/report.csv" and a hard link to it are
// one file: the same device and inode on POSIX, the same volume serial number
// and file index on Windows.  The command line uses it to refuse writing the
// report over one of its own inputs.
#pragma once

#include <cstdio>
#include <string>

// True when both names (UTF-8) exist and are the same file.
bool SameFile(const std::string& first, const std::string& second);

// True when the stream reads a file (not a pipe or a device) and the name
// (UTF-8) leads to that same file: standard input redirected from it.
bool StreamReadsFile(std::FILE* stream, const std::string& path);

enum class FileKind { Missing, Folder, Regular, Other };

// What the name (UTF-8) leads to, asked without opening it (a pipe's name
// could block).
FileKind KindOf(const std::string& path);
