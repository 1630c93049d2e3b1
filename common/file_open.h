// file_open.h - the one place where the program opens a file by its name.
//
// Names are UTF-8 (text_encoding.h).  On Windows the name is widened and the
// file opened with _wfopen, so a folder named "Ålesund Жук" or "東京" opens
// on any code page; elsewhere the UTF-8 bytes are the name.
//
//     StdioFile file = OpenFile(path, "rb");
//     if (!file) ... errno says why ...
#pragma once

#include <string>

#include "stdio_file.h"

StdioFile OpenFile(const std::string& path, const char* mode);
