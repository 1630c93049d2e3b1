// line_reader.h - reads a text stream the way both input files are read.
//
// Each read returns at most 2047 bytes, up to and including a line feed, as
// std::fgets into a 2048-byte buffer does: a longer line comes back in
// pieces, each of which the readers handle as a line of its own.  A piece
// that holds a zero byte ends at that byte.  Pieces whose first byte is a
// carriage return or a line feed are blank and skipped, and so are pieces of
// nothing but Ctrl-Z bytes (the end-of-file mark of old DOS tools).
//
//     LineReader reader(stream);
//     std::string_view line;
//     while (reader.Next(line)) { ... }   // line keeps its line end
//
// The returned view stays valid until the next call.  The stream is not
// closed.
#pragma once

#include <array>
#include <cstdio>
#include <string_view>

class LineReader {
public:
    static constexpr std::size_t kBufferSize = 2048;
    static constexpr char kCtrlZ = '\x1A';

    explicit LineReader(std::FILE* stream) : stream_(stream) {}

    // The next non-blank piece; false at the end of the stream or on a read
    // error.
    bool Next(std::string_view& line);

private:
    std::FILE* stream_;
    std::array<char, kBufferSize> buffer_{};
};

// The piece without its trailing line feed and carriage return.
std::string_view WithoutLineEnd(std::string_view line);
