#include "line_reader.h"

#include <cstring>

bool LineReader::Next(std::string_view& line)
{
    while (std::fgets(buffer_.data(), static_cast<int>(buffer_.size()), stream_) != nullptr) {
        const char first = buffer_[0];
        if (first == '\r' || first == '\n')
            continue;
        line = std::string_view(buffer_.data(), std::strlen(buffer_.data()));
        // Ctrl-Z alone on a line is the end-of-file mark of old DOS tools.
        if (first == kCtrlZ && line.find_first_not_of("\x1A\r\n") == std::string_view::npos)
            continue;
        return true;
    }
    return false;
}

std::string_view WithoutLineEnd(std::string_view line)
{
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    return line;
}
