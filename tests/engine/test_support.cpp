#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

File StreamOf(std::string_view bytes)
{
    File file(std::tmpfile());
    if (!file) {
        ADD_FAILURE() << "tmpfile failed";
        return file;
    }
    std::fwrite(bytes.data(), 1, bytes.size(), file.get());
    std::rewind(file.get());
    return file;
}

#ifdef __GLIBC__
namespace {

struct FailingBytes {
    std::string bytes;
    std::size_t position = 0;
};

ssize_t ReadFailing(void* cookie, char* buffer, std::size_t size)
{
    auto* source = static_cast<FailingBytes*>(cookie);
    if (source->position >= source->bytes.size()) {
        errno = EIO;
        return -1;
    }
    const std::size_t count = std::min(size, source->bytes.size() - source->position);
    std::copy_n(source->bytes.data() + source->position, count, buffer);
    source->position += count;
    return static_cast<ssize_t>(count);
}

int CloseFailing(void* cookie)
{
    delete static_cast<FailingBytes*>(cookie);
    return 0;
}

}  // namespace

File FailingStreamOf(std::string_view bytes, std::size_t goodBytes)
{
    auto* source = new FailingBytes{std::string(bytes.substr(0, goodBytes))};
    cookie_io_functions_t functions{};
    functions.read = ReadFailing;
    functions.close = CloseFailing;
    File file(fopencookie(source, "r", functions));
    if (!file)
        delete source;
    return file;
}
#else
File FailingStreamOf(std::string_view, std::size_t)
{
    return File();
}
#endif

std::string Fixture(const char* name)
{
    return std::string(TORNWICK_FIXTURE_DIR) + "/" + name;
}

std::string ScratchPath(const std::string& name)
{
    const std::string path = std::string(TORNWICK_SCRATCH_DIR) + "/" + name;
    std::remove(path.c_str());
    return path;
}
