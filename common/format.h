// format.h - printf-style formatting into a std::string.
//
// The report's texts are defined by printf formats ("%-28s", "%3d", ...), so
// the program composes them with those formats, into strings that grow to
// whatever the result needs:
//
//     std::string line = Format("MISMATCH - %4s", name.c_str());
#pragma once

#include <cstdarg>
#include <string>

#if defined(__MINGW32__)
#define TORNWICK_PRINTF_LIKE(fmt, args) __attribute__((format(gnu_printf, fmt, args)))
#elif defined(__GNUC__) || defined(__clang__)
#define TORNWICK_PRINTF_LIKE(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define TORNWICK_PRINTF_LIKE(fmt, args)
#endif

std::string Format(const char* format, ...) TORNWICK_PRINTF_LIKE(1, 2);

// Appends to text rather than making a new string.
void AppendFormat(std::string& text, const char* format, ...) TORNWICK_PRINTF_LIKE(2, 3);

std::string FormatV(const char* format, std::va_list args);
