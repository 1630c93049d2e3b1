#include "line_reader.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kBufferSize = std::size_t{64} * 1024 + LineReader::kPieceLimit;

}  // namespace

LineReader::LineReader(std::FILE* stream, LineEnds ends)
    : stream_(stream), buffer_(new char[kBufferSize]), bareCrEndsLine_(ends == LineEnds::AnyOfCrLf)
{
    Refill();
    // The line-end convention is decided once, on the bytes a first fgets
    // would have seen.
    const std::string_view head = Head();
    crLineEnds_ = head.find('\r') != std::string_view::npos &&
                  head.find('\n') == std::string_view::npos;
    if (crLineEnds_)
        std::replace(buffer_.get() + begin_, buffer_.get() + end_, '\r', '\n');
}

// Keeps at least one whole piece in the buffer, unless the stream ends
// first: the unread rest moves to the front and the stream fills the room
// behind it.
void LineReader::Refill()
{
    char* const buffer = buffer_.get();
    if (begin_ > 0) {
        std::memmove(buffer, buffer + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    while (!atEnd_ && end_ < kPieceLimit) {
        const std::size_t before = end_;
        end_ += std::fread(buffer + end_, 1, kBufferSize - end_, stream_);
        if (end_ < kBufferSize) {
            atEnd_ = true;
            failed_ = std::ferror(stream_) != 0;
        }
        if (crLineEnds_)
            std::replace(buffer + before, buffer + end_, '\r', '\n');
    }
}

std::string_view LineReader::Head() const
{
    if (failed_)
        return {};
    return std::string_view(buffer_.get() + begin_, std::min(end_ - begin_, kPieceLimit));
}

bool LineReader::Next(std::string_view& line)
{
    for (;;) {
        if (end_ - begin_ < kPieceLimit && !atEnd_)
            Refill();
        if (failed_ || begin_ == end_)
            return false;
        const char* const piece = buffer_.get() + begin_;
        const std::size_t room = std::min(end_ - begin_, kPieceLimit);
        const void* lineFeed = std::memchr(piece, '\n', room);
        std::size_t length =
            lineFeed ? static_cast<std::size_t>(static_cast<const char*>(lineFeed) - piece) + 1 : room;
        // A CR ends the line unless it is the CR of a CR LF; the LF after a CR
        // at the piece's limit then comes as a blank piece, skipped.
        if (const void* cr = bareCrEndsLine_ ? std::memchr(piece, '\r', length) : nullptr) {
            const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(cr) - piece);
            if (at + 2 != length || !lineFeed)
                length = at + 1;
        }
        begin_ += length;

        const char first = piece[0];
        if (first == '\r' || first == '\n')
            continue;
        const void* zero = std::memchr(piece, '\0', length);
        line = std::string_view(
            piece, zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - piece) : length);
        // Ctrl-Z alone on a line is the end-of-file mark of old DOS tools.
        if (first == '\x1A' && line.find_first_not_of("\x1A\r\n") == std::string_view::npos)
            continue;
        return true;
    }
}

std::string_view WithoutLineEnd(std::string_view line)
{
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    return line;
}
