// entity_index.h - the LoTW credit matrix, filed by index key.
//
// An AA tree (a balanced binary search tree kept by skew and split) of
// EntityRecord, ordered by key in byte order; insertion and search take
// logarithmic time.  Keys are unique: the first record filed under a key
// stays and later ones are dropped.
//
//     EntityIndex index;
//     EntityIndexInsert(index, "G", "ENGLAND", credit);
//     if (const EntityRecord* record = EntityIndexFind(index, "G"))
//         use(record->credit[column]);
#pragma once

#include <array>
#include <deque>
#include <string>
#include <string_view>

#include "award_columns.h"

// One flag per award column: 'X' when LoTW grants credit, ' ' when not.
using CreditFlags = std::array<char, kAwardColumnCount>;

struct EntityRecord {
    std::string key;
    std::string name;
    CreditFlags credit{};
    int level = 0;                  // AA-tree level; a leaf is at level 0
    EntityRecord* left = nullptr;   // smaller keys
    EntityRecord* right = nullptr;  // greater keys
};

class EntityIndex {
public:
    EntityIndex() = default;
    // The records stay where they are: a moved index keeps its tree.
    EntityIndex(EntityIndex&& other);
    EntityIndex& operator=(EntityIndex&& other);

    const EntityRecord* Root() const { return root_; }

private:
    friend bool EntityIndexInsert(EntityIndex& index, std::string_view key, std::string_view name,
                                  const CreditFlags& credit);

    std::deque<EntityRecord> records_;  // a deque never moves what it holds
    EntityRecord* root_ = nullptr;
};

// Files copies of key, name and credit unless the key is already present;
// true when a record was added.
bool EntityIndexInsert(EntityIndex& index, std::string_view key, std::string_view name,
                       const CreditFlags& credit);

// The record filed under key, or nullptr.
const EntityRecord* EntityIndexFind(const EntityIndex& index, std::string_view key);
