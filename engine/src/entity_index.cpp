#include "entity_index.h"

#include <utility>

namespace {

// Rotates right when the left child is on the node's level (a left
// horizontal link is not allowed in an AA tree).
void Skew(EntityRecord*& node)
{
    if (node->left && node->left->level == node->level) {
        EntityRecord* left = node->left;
        node->left = left->right;
        left->right = node;
        node = left;
    }
}

// Rotates left and lifts the middle node when two right horizontal links
// follow each other.
void Split(EntityRecord*& node)
{
    if (node->right && node->right->right && node->right->right->level == node->level) {
        EntityRecord* right = node->right;
        node->right = right->left;
        right->level += 1;
        right->left = node;
        node = right;
    }
}

// Down to the empty link where the key belongs, then skew and split on the
// way back up.  A key filed already changes nothing, so the path needs no
// rebalancing.
bool InsertBelow(EntityRecord*& node, std::deque<EntityRecord>& records, std::string_view key,
                 std::string_view name, const CreditFlags& credit)
{
    if (!node) {
        node = &records.emplace_back(EntityRecord{std::string(key), std::string(name), credit});
        return true;
    }
    const int order = key.compare(node->key);
    if (order == 0)
        return false;  // the first record under a key stays
    if (!InsertBelow(order < 0 ? node->left : node->right, records, key, name, credit))
        return false;
    Skew(node);
    Split(node);
    return true;
}

}  // namespace

EntityIndex::EntityIndex(EntityIndex&& other)
    : records_(std::move(other.records_)), root_(std::exchange(other.root_, nullptr))
{
}

EntityIndex& EntityIndex::operator=(EntityIndex&& other)
{
    records_ = std::move(other.records_);
    root_ = std::exchange(other.root_, nullptr);
    return *this;
}

bool EntityIndexInsert(EntityIndex& index, std::string_view key, std::string_view name,
                       const CreditFlags& credit)
{
    return InsertBelow(index.root_, index.records_, key, name, credit);
}

const EntityRecord* EntityIndexFind(const EntityIndex& index, std::string_view key)
{
    const EntityRecord* node = index.Root();
    while (node) {
        const int order = key.compare(node->key);
        if (order == 0)
            return node;
        node = order < 0 ? node->left : node->right;
    }
    return nullptr;
}
