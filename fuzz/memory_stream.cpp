#include "memory_stream.h"

#include <cstdlib>

MemoryStream::MemoryStream(const std::uint8_t* data, std::size_t size)
{
    if (size > 0)
        bytes_.assign(reinterpret_cast<const char*>(data), size);
    // fmemopen refuses a zero-sized buffer; an empty stream is one byte long
    // and positioned at its end.
    if (bytes_.empty()) {
        bytes_.push_back('\0');
        stream_.reset(fmemopen(bytes_.data(), bytes_.size(), "r"));
        if (stream_)
            std::fseek(stream_.get(), 0, SEEK_END);
    } else {
        stream_.reset(fmemopen(bytes_.data(), bytes_.size(), "r"));
    }
    if (!stream_)
        std::abort();  // the harness itself failed, not the code under test
}
