// stdio_file.h - a C stdio stream that closes itself.
//
//     StdioFile file(std::fopen(path.c_str(), "rb"));
//     if (!file) ...;                  // closed when file goes out of scope
//
// Where the result of the close matters (a file being written), release the
// stream and close it by hand.
#pragma once

#include <cstdio>
#include <memory>

struct StdioFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

using StdioFile = std::unique_ptr<std::FILE, StdioFileCloser>;
