// block_store.h - storage that grows by whole blocks and never moves what it
// holds.
//
// The index's records and texts and the report's rows are many small things
// that live exactly as long as one comparison.  One heap allocation each
// would cost more than the work done on them; these stores allocate a block
// at a time (each twice the last, up to a ceiling) and hand out pieces of it.
// What they hand out stays where it is until the store goes.
//
//     TextStore text;
//     std::string_view kept = text.Keep(name);   // valid while text lives
//
//     RecordStore<EntityRecord> records;
//     EntityRecord* record = records.Add();      // value-initialised
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

// Bytes, kept in blocks; a piece never spans two blocks.
class TextStore {
public:
    static constexpr std::size_t kFirstBlock = 4096;
    static constexpr std::size_t kLargestBlock = std::size_t{1} << 20;

    // Room for length bytes, to be written by the caller.
    char* Extend(std::size_t length)
    {
        if (blocks_.empty() || blocks_.back().capacity - blocks_.back().size < length)
            AddBlock(length);
        Block& block = blocks_.back();
        char* const room = block.bytes.get() + block.size;
        block.size += length;
        return room;
    }

    // A copy of text that lives as long as the store.
    std::string_view Keep(std::string_view text)
    {
        if (text.empty())
            return {};
        char* const copy = Extend(text.size());
        std::memcpy(copy, text.data(), text.size());
        return std::string_view(copy, text.size());
    }

    // Calls visit with each block's bytes, in the order they were written.
    template <class Visit>
    void ForEachBlock(Visit visit) const
    {
        for (const Block& block : blocks_) {
            if (block.size > 0)
                visit(std::string_view(block.bytes.get(), block.size));
        }
    }

private:
    struct Block {
        std::unique_ptr<char[]> bytes;
        std::size_t size = 0;
        std::size_t capacity = 0;
    };

    void AddBlock(std::size_t atLeast)
    {
        std::size_t capacity = blocks_.empty() ? kFirstBlock
                                               : std::min(blocks_.back().capacity * 2, kLargestBlock);
        capacity = std::max(capacity, atLeast);
        Block block;
        block.bytes.reset(new char[capacity]);  // written before it is read: left uninitialised
        block.capacity = capacity;
        blocks_.push_back(std::move(block));
    }

    std::vector<Block> blocks_;
};

// Records of one type, kept in blocks.
template <class Record>
class RecordStore {
public:
    static constexpr std::size_t kFirstBlock = 64;
    static constexpr std::size_t kLargestBlock = std::size_t{1} << 16;

    // Makes the next block hold at least count records (a caller that knows
    // how many it will add gets them in one block).
    void Reserve(std::size_t count)
    {
        if (blocks_.empty() || blocks_.back().capacity() - blocks_.back().size() < count)
            AddBlock(count);
    }

    Record* Add()
    {
        if (blocks_.empty() || blocks_.back().size() == blocks_.back().capacity())
            AddBlock(0);
        return &blocks_.back().emplace_back();
    }

private:
    void AddBlock(std::size_t atLeast)
    {
        std::size_t capacity = blocks_.empty() ? kFirstBlock
                                               : std::min(blocks_.back().capacity() * 2, kLargestBlock);
        capacity = std::max(capacity, atLeast);
        blocks_.emplace_back();
        blocks_.back().reserve(capacity);  // never outgrown, so records never move
    }

    std::vector<std::vector<Record>> blocks_;
};
