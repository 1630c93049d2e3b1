#include "format.h"

#include <cstdio>

std::string FormatV(const char* format, std::va_list args)
{
    std::va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length <= 0)
        return std::string();

    // vsnprintf writes the terminating zero too; std::string keeps room for it.
    std::string text(static_cast<std::size_t>(length), '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, args);
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
