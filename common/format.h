// format.h - printf-style formatting into a std::string, which grows to
// whatever the result needs.  The report's texts are printf formats:
//
//     std::string line = Format("MISMATCH - %4s", name.c_str());
#pragma once

#include <string>

#ifdef __MINGW32__
#define TORNWICK_PRINTF_LIKE(fmt, args) __attribute__((format(gnu_printf, fmt, args)))
#else
#define TORNWICK_PRINTF_LIKE(fmt, args) __attribute__((format(printf, fmt, args)))
#endif

std::string Format(const char* format, ...) TORNWICK_PRINTF_LIKE(1, 2);

// Appends to text rather than making a new string.
void AppendFormat(std::string& text, const char* format, ...) TORNWICK_PRINTF_LIKE(2, 3);
