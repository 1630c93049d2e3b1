#include "file_bytes.h"

#include <fstream>
#include <sstream>

bool ReadFileBytes(const std::string& path, std::string& bytes)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::ostringstream text;
    // An empty file sets failbit on the copy; that is not a failure to read.
    if (file.peek() != std::ifstream::traits_type::eof() && !(text << file.rdbuf()))
        return false;
    bytes = text.str();
    return true;
}

bool WriteFileBytes(const std::string& path, std::string_view bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file.flush());
}
