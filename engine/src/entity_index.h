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
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "award_columns.h"

// One flag per award column: 'X' when LoTW grants credit, ' ' when not.
using CreditFlags = std::array<char, kAwardColumnCount>;

struct EntityRecord {
    std::string key;
    std::string name;
    CreditFlags credit{};
    int level = 0;  // AA-tree level; a leaf is at level 0
    std::unique_ptr<EntityRecord> left;   // smaller keys
    std::unique_ptr<EntityRecord> right;  // greater keys
};

struct EntityIndex {
    std::unique_ptr<EntityRecord> root;  // none for an empty index
};

// Files a copy of key, name and credit unless the key is already present.
// Returns true when a record was added.
bool EntityIndexInsert(EntityIndex& index, std::string_view key, std::string_view name,
                       const CreditFlags& credit);

// The record filed under key, or nullptr.
const EntityRecord* EntityIndexFind(const EntityIndex& index, std::string_view key);
