// memory_stream.h - a read-only stdio stream over bytes held in memory.
//
// The readers take a std::FILE*; the fuzz targets hand them their input this
// way, without touching the disk:
//
//     MemoryStream stream(data, size);
//     LineReader reader(stream.get());
//     EntityIndex index = ReadLotwMatrix(reader);
//
// The stream reads the bytes as they are (no line-end conversion, zero bytes
// included) and is closed when the object goes.  Linux only (fmemopen).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

class MemoryStream {
public:
    MemoryStream(const std::uint8_t* data, std::size_t size);

    std::FILE* get() const { return stream_.get(); }

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    std::string bytes_;  // fmemopen reads from this copy
    std::unique_ptr<std::FILE, Closer> stream_;
};
