// entity_index.h - the LoTW credit matrix, filed by index key.
//
// An AA tree (a balanced binary search tree kept by skew and split) of
// EntityRecord, ordered by key in byte order.  Keys are unique: the first
// record filed under a key stays and later ones are dropped.
//
//     EntityIndex index;
//     EntityIndexInsert(index, "G", "ENGLAND", credit);
//     if (const EntityRecord* record = EntityIndexFind(index, "G"))
//         use(record->credit[column]);
//
// Insertion and search take time logarithmic in the number of records.
//
// Why a tree built by hand rather than std::map: which record a key finds
// (the first one filed under it) is part of every report, so the index keeps
// the AA tree's insertion exactly as the program has always filed records;
// and owning the nodes lets it keep records and texts in a few large blocks
// in key order, with each key's first eight bytes beside the links, so that
// a search compares integers, not strings, on its way down.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "award_columns.h"
#include "block_store.h"

// One flag per award column: 'X' when LoTW grants credit, ' ' when not.
using CreditFlags = std::array<char, kAwardColumnCount>;

struct EntityRecord {
    std::uint64_t head = 0;   // KeyHead(key): orders records like their keys
    std::string_view key;     // held by the index
    std::string_view name;    // held by the index
    CreditFlags credit{};
    int level = 0;                  // AA-tree level; a leaf is at level 0
    EntityRecord* left = nullptr;   // smaller keys
    EntityRecord* right = nullptr;  // greater keys
    const EntityRecord* next = nullptr;  // the record with the next greater key
};

// The first eight bytes of a key as a number (zero bytes after a shorter
// key) whose order is the keys' byte order wherever two numbers differ; only
// keys with equal heads need their bytes compared.
std::uint64_t KeyHead(std::string_view key);

// Byte order of two keys, heads first: negative, zero or positive.
int CompareKeys(std::uint64_t headA, std::string_view a, std::uint64_t headB, std::string_view b);

class EntityIndex {
public:
    EntityIndex() = default;
    // A move keeps the records where they are; only the kept path to the
    // right edge, which starts at the root link inside the index, is
    // walked again on the next insertion.
    EntityIndex(EntityIndex&& other) noexcept;
    EntityIndex& operator=(EntityIndex&& other) noexcept;
    EntityIndex(const EntityIndex&) = delete;
    EntityIndex& operator=(const EntityIndex&) = delete;
    ~EntityIndex() = default;

    const EntityRecord* Root() const { return root_; }
    std::size_t Size() const { return size_; }

    // Files copies of key, name and credit unless the key is already present.
    // Returns true when a record was added.
    bool Insert(std::string_view key, std::string_view name, const CreditFlags& credit);

    // Files records whose texts the index already keeps (Keep), in two
    // steps: MakeKept makes a record the tree does not hold yet, FileGreatest
    // files it (and returns false, leaving it out, when its key is filed
    // already).  When each key is greater than every key filed before, as
    // when records come in key order, the record goes down the tree's right
    // edge without a comparison; otherwise it is filed as Insert files it.
    // Making all records before filing any lets the reads of a sorted list
    // overlap.
    EntityRecord* MakeKept(std::string_view key, std::uint64_t head, std::string_view name,
                           const CreditFlags& credit)
    {
        return NewRecord(key, head, name, credit);
    }
    bool FileGreatest(EntityRecord* record);

    // A copy of text that lives as long as the index; for MakeKept.
    std::string_view Keep(std::string_view text) { return text_.Keep(text); }

    // Makes room for count more records in one block.
    void Reserve(std::size_t count) { records_.Reserve(count); }

    // The record filed under key, or nullptr.
    const EntityRecord* Find(std::string_view key) const;

private:
    EntityRecord* NewRecord(std::string_view key, std::uint64_t head, std::string_view name,
                            const CreditFlags& credit);

    RecordStore<EntityRecord> records_;
    TextStore text_;
    EntityRecord* root_ = nullptr;
    EntityRecord* greatest_ = nullptr;  // the record with the greatest key
    // Links to the right edge's nodes, root first; empty when it is to be
    // walked again.
    std::vector<EntityRecord**> rightEdge_;
    std::size_t size_ = 0;
};

// Searches an index for keys that mostly come in ascending order, as a
// listing sorted by prefix asks for them: a key that is the last one found,
// or the one after it, is found without a walk down the tree (on a large
// index that walk waits for memory at every level); any other key is
// searched in the tree.  Finds exactly the records EntityIndex::Find finds.
class EntityCursor {
public:
    explicit EntityCursor(const EntityIndex& index) : index_(index) {}

    const EntityRecord* Find(std::string_view key);

private:
    const EntityIndex& index_;
    const EntityRecord* last_ = nullptr;  // the record found last
};

// The index's operations under the names the rest of the engine has always
// used.
inline bool EntityIndexInsert(EntityIndex& index, std::string_view key, std::string_view name,
                              const CreditFlags& credit)
{
    return index.Insert(key, name, credit);
}

inline const EntityRecord* EntityIndexFind(const EntityIndex& index, std::string_view key)
{
    return index.Find(key);
}
