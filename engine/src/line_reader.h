// line_reader.h - reads a text stream the way both input files are read.
//
// Each piece handed out is what std::fgets into a 2048-byte buffer would
// give: at most 2047 bytes, up to and including a line feed, so a longer line
// comes in pieces that the readers take as lines of their own.  A piece that
// holds a zero byte ends at that byte.  Blank pieces (first byte CR or LF)
// and pieces of nothing but Ctrl-Z bytes (the end-of-file mark of old DOS
// tools) are skipped.
//
// A file whose first 2047 bytes hold a carriage return and no line feed has
// lines ended by CR alone (old Macintosh tools): every CR in it is read as a
// line feed.  Any other file is read as it is, unless a bare CR ends a line
// wherever it stands (LineEnds::AnyOfCrLf, for a listing some of whose rows
// an editor ended by CR alone); CR LF stays one line end.
//
//     LineReader reader(stream);
//     std::string_view line;
//     while (reader.Next(line)) { ... }   // line keeps its line end
//     if (reader.Failed()) ...            // a read error, not the end
//
// The stream is read in large blocks, never repositioned (pipes work) and
// not closed.  A returned view stays valid until the next call.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string_view>

enum class LineEnds {
    LineFeed,   // LF and CR LF; CR alone only in a file that has no LF
    AnyOfCrLf,  // LF, CR LF and a bare CR, in any mix
};

class LineReader {
public:
    static constexpr std::size_t kPieceLimit = 2047;  // fgets into 2048 bytes

    // Reads the stream's first block.
    explicit LineReader(std::FILE* stream, LineEnds ends = LineEnds::LineFeed);

    // The first bytes of the stream (up to kPieceLimit, fewer in a shorter
    // file), before any piece is taken; empty when the first read failed.
    std::string_view Head() const;

    // The next non-blank piece; false at the end of the stream or on a read
    // error.
    bool Next(std::string_view& line);

    // True once a read error has stopped the reading.
    bool Failed() const { return failed_; }

private:
    void Refill();

    std::FILE* stream_;
    std::unique_ptr<char[]> buffer_;  // a large block and one piece more
    std::size_t begin_ = 0;           // first byte not handed out
    std::size_t end_ = 0;             // one past the last byte read
    bool atEnd_ = false;              // the stream has no more bytes
    bool failed_ = false;
    bool crLineEnds_ = false;         // every CR read as a line feed
    bool bareCrEndsLine_ = false;     // LineEnds::AnyOfCrLf
};

// The piece without its trailing line feed and carriage return.
std::string_view WithoutLineEnd(std::string_view line);
