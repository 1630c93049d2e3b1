// file_identity.h - tells whether two names, or a name and an open stream,
// lead to one file on the disk: the report is never written over an input.
//
//     if (IdentityOf(reportPath) && IdentityOf(reportPath) == IdentityOf(listingPath)) refuse();
//
// Not std::filesystem::equivalent: libstdc++'s says no for a FIFO named
// twice, mingw's refuses "\\?\" names.  Each system's own, in system_posix.cpp
// and system_win.cpp.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

// The file itself, whatever name leads to it; none for a name that leads
// nowhere, or a stream on no file on the disk.
using FileIdentity = std::pair<std::uint64_t, std::uint64_t>;
std::optional<FileIdentity> IdentityOf(const std::string& path);  // UTF-8
std::optional<FileIdentity> IdentityOf(std::FILE* stream);
