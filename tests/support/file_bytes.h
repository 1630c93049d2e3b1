// file_bytes.h - whole files as bytes, for the tests of every suite.  No
// line-end conversion either way, on Linux and on Windows alike.
#pragma once

#include <string>
#include <string_view>

// Reads the whole file into bytes; false when it cannot be opened or read.
bool ReadFileBytes(const std::string& path, std::string& bytes);

// Creates the file, or empties an existing one, and writes the bytes; false
// when that fails.
bool WriteFileBytes(const std::string& path, std::string_view bytes);
