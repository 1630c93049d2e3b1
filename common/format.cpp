#include "format.h"

#include <cstdarg>
#include <cstdio>

namespace {

constexpr std::size_t kFirstGuess = 127;

// Formats at the end of text, in place: one pass into room enough for most
// report lines, a second only for a longer text.
void AppendFormatV(std::string& text, const char* format, std::va_list args)
{
    const std::size_t start = text.size();
    std::va_list again;
    va_copy(again, args);
    text.resize(start + kFirstGuess);
    // vsnprintf writes the terminating zero too; std::string keeps room for it.
    const int length = std::vsnprintf(text.data() + start, kFirstGuess + 1, format, args);
    const std::size_t needed = length > 0 ? static_cast<std::size_t>(length) : 0;
    text.resize(start + needed);
    if (needed > kFirstGuess)
        std::vsnprintf(text.data() + start, needed + 1, format, again);
    va_end(again);
}

}  // namespace

std::string Format(const char* format, ...)
{
    std::string text;
    std::va_list args;
    va_start(args, format);
    AppendFormatV(text, format, args);
    va_end(args);
    return text;
}

void AppendFormat(std::string& text, const char* format, ...)
{
    std::va_list args;
    va_start(args, format);
    AppendFormatV(text, format, args);
    va_end(args);
}
