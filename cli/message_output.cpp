#include "message_output.h"

#include "format.h"

#ifdef _WIN32
#include <windows.h>

#include <io.h>

#include "text_encoding.h"
#endif

const char* const kProgramName = "tornwick-compare";

namespace {

#ifdef _WIN32

// The console behind the stream, or nullptr when it is a file or a pipe.
HANDLE ConsoleOf(std::FILE* stream)
{
    const int descriptor = ::_fileno(stream);
    if (descriptor < 0)
        return nullptr;
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(descriptor));
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !::GetConsoleMode(handle, &mode))
        return nullptr;
    return handle;
}

#endif

}  // namespace

void PrintMessage(std::FILE* stream, const std::string& text)
{
    // Control characters (in a file name, say) are written escaped, so that
    // every message is one line.
    std::string line = std::string(kProgramName) + ": ";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n' || c == '\r' || c == '\t')
            line += c == '\n' ? "\\n" : c == '\r' ? "\\r" : "\\t";
        else if (byte < 0x20 || byte == 0x7F)
            line += Format("\\x%02X", byte);
        else
            line += c;
    }
    line += "\n";
#ifdef _WIN32
    if (HANDLE console = ConsoleOf(stream)) {
        std::fflush(stream);
        const std::wstring wide = WideFromUtf8(line);
        DWORD written = 0;
        ::WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
#endif
    std::fputs(line.c_str(), stream);
}

#ifdef _WIN32
bool IsConsole(std::FILE* stream)
{
    return ConsoleOf(stream) != nullptr;
}

bool WriteToConsole(std::FILE* stream, std::string_view rows)
{
    HANDLE console = ConsoleOf(stream);
    const int size = static_cast<int>(rows.size());
    std::wstring wide(static_cast<std::size_t>(::MultiByteToWideChar(CP_ACP, 0, rows.data(), size, nullptr, 0)), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, rows.data(), size, wide.data(), static_cast<int>(wide.size()));
    DWORD written = 0;
    return rows.empty() || ::WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
}
#else
bool IsConsole(std::FILE*)
{
    return false;
}

bool WriteToConsole(std::FILE* stream, std::string_view rows)
{
    return std::fwrite(rows.data(), 1, rows.size(), stream) == rows.size();
}
#endif
