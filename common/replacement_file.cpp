#include "replacement_file.h"

#include <cerrno>
#include <cstring>
#include <random>
#include <utility>

ReplacementFile::ReplacementFile(std::string target) : target_(std::move(target))
{
    if (!ResolveTarget())
        return;
    if (direct_) {
        if (!file_)  // unless the target is a stream already open
            file_ = OpenFile(target_, "wb");
        if (!file_)
            Fail(std::strerror(errno));
    } else {
        // Created exclusively, the name is ours alone; one in use, another is picked.
        for (unsigned attempt = 0; attempt < 100 && !file_ && error_.empty(); ++attempt)
            file_ = CreateExclusive(TemporaryNameFor());
        if (!file_)
            Fail("no free temporary file name");
    }
    if (file_)
        std::setvbuf(file_.get(), nullptr, _IOFBF, std::size_t{64} * 1024);  // the disk takes large blocks
}

ReplacementFile::~ReplacementFile()
{
    file_.reset();
    if (!temporary_.empty())
        RemoveTemporary();
}

// The target's name with a random suffix: in the same folder (a rename never
// crosses file systems), telling what a file a crash left was for; a name
// near the limit of 255 gets a short one instead.
std::string ReplacementFile::TemporaryNameFor() const
{
    std::random_device random;
    std::uint64_t mix = std::uint64_t{random()} << 32 | random();
    const std::string::size_type slash = target_.find_last_of(kSeparators);
    const std::string::size_type base = slash == std::string::npos ? 0 : slash + 1;
    std::string name = target_.size() - base > 200 ? target_.substr(0, base) + ".tornwick.tmp-" : target_ + ".tmp-";
    for (int i = 0; i < 8; ++i, mix /= 36)
        name += "0123456789abcdefghijklmnopqrstuvwxyz"[mix % 36];
    return name;
}

bool ReplacementFile::Fail(std::string reason)
{
    if (error_.empty())
        error_ = std::move(reason);
    return false;
}

bool ReplacementFile::Write(std::string_view bytes)
{
    if (!file_ || !error_.empty())
        return false;
    return WriteAll(file_.get(), bytes) || Fail(std::strerror(errno));
}

bool ReplacementFile::Commit()
{
    if (!file_ || !error_.empty())
        return false;
    if (!FlushAll(file_.get()) || std::ferror(file_.get()))
        return Fail(std::strerror(errno));
    if (!direct_ && !Sync())
        return false;
    if (std::fclose(file_.release()) != 0)
        return Fail(std::strerror(errno));
    if (!direct_ && !MoveOverTarget())
        return false;
    temporary_.clear();
    return true;
}
