// message_output.h - lines for the user on standard error.
//
// Messages are UTF-8 and name files as the user typed them.  On Windows a
// console shows UTF-8 bytes in its own code page ("Ã…lesund"), so there a
// message to the console goes out as wide text; redirected to a file or a
// pipe it stays UTF-8.  Elsewhere the bytes go out as they are.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Writes "tornwick-compare: " + text + a line end to stream, the text's
// control characters escaped ("\n", "\t", "\x01").
void PrintMessage(std::FILE* stream, const std::string& text);

// The program's name, which begins every message.
extern const char* const kProgramName;

// True for a console on Windows.  The report's rows are the files' own bytes
// in the ANSI code page, which a console would read in its OEM code page
// ("\xC5land" as "\u253Cland"): rows to a console go through WriteToConsole.
bool IsConsole(std::FILE* stream);

// Writes whole rows to the console as the ANSI code page reads them.
bool WriteToConsole(std::FILE* stream, std::string_view rows);
