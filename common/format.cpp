#include "format.h"

#include <cstdio>

namespace {

constexpr std::size_t kFirstGuess = 127;

}  // namespace

std::string FormatV(const char* format, std::va_list args)
{
    // Most texts are report lines of under 128 bytes: one formatting pass
    // into room of that size, and a second only for a longer text.
    std::string text(kFirstGuess, '\0');
    std::va_list again;
    va_copy(again, args);
    // vsnprintf writes the terminating zero too; std::string keeps room for it.
    const int length = std::vsnprintf(text.data(), text.size() + 1, format, args);
    if (length <= 0) {
        va_end(again);
        return std::string();
    }
    const std::size_t needed = static_cast<std::size_t>(length);
    if (needed > kFirstGuess) {
        text.resize(needed);
        std::vsnprintf(text.data(), needed + 1, format, again);
    } else {
        text.resize(needed);
    }
    va_end(again);
    return text;
}

std::string Format(const char* format, ...)
{
    std::va_list args;
    va_start(args, format);
    std::string text = FormatV(format, args);
    va_end(args);
    return text;
}

void AppendFormat(std::string& text, const char* format, ...)
{
    std::va_list args;
    va_start(args, format);
    text += FormatV(format, args);
    va_end(args);
}
