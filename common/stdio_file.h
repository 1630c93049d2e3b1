// stdio_file.h - a C stdio stream that closes itself, and the one place where
// the program opens a file by its name: UTF-8, which Windows is given as wide
// text, so that "Ålesund Жук" or "東京" opens on any code page.
//
//     StdioFile file = OpenFile(path, "rb");
//     if (!file) ... errno says why ...
//
// Where the result of the close matters (a file being written), release the
// stream and close it by hand.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

struct StdioFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

using StdioFile = std::unique_ptr<std::FILE, StdioFileCloser>;

StdioFile OpenFile(const std::string& path, const char* mode);

// fwrite of every byte and fflush, false with errno saying why.  On Windows
// the C runtime gives a write that a full disk took only in part the wrong
// reason ("Invalid argument"); there the system is asked again, and tells.
bool WriteAll(std::FILE* file, std::string_view bytes);
bool FlushAll(std::FILE* file);
