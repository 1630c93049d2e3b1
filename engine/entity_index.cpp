#include "entity_index.h"

#include <utility>

namespace {

using Link = std::unique_ptr<EntityRecord>;

// Rotates right when the left child is on the node's level (a left
// horizontal link is not allowed in an AA tree).
Link Skew(Link node)
{
    if (node->left && node->left->level == node->level) {
        Link left = std::move(node->left);
        node->left = std::move(left->right);
        left->right = std::move(node);
        return left;
    }
    return node;
}

// Rotates left and lifts the middle node when two right horizontal links
// follow each other.
Link Split(Link node)
{
    if (node->right && node->right->right && node->right->right->level == node->level) {
        Link right = std::move(node->right);
        node->right = std::move(right->left);
        right->level += 1;
        right->left = std::move(node);
        return right;
    }
    return node;
}

Link Insert(Link node, std::string_view key, std::string_view name, const CreditFlags& credit,
            bool& added)
{
    if (!node) {
        auto record = std::make_unique<EntityRecord>();
        record->key = key;
        record->name = name;
        record->credit = credit;
        added = true;
        return record;
    }
    const int order = key.compare(node->key);
    if (order < 0)
        node->left = Insert(std::move(node->left), key, name, credit, added);
    else if (order > 0)
        node->right = Insert(std::move(node->right), key, name, credit, added);
    else
        return node;  // the first record under a key stays
    return Split(Skew(std::move(node)));
}

}  // namespace

bool EntityIndexInsert(EntityIndex& index, std::string_view key, std::string_view name,
                       const CreditFlags& credit)
{
    bool added = false;
    index.root = Insert(std::move(index.root), key, name, credit, added);
    return added;
}

const EntityRecord* EntityIndexFind(const EntityIndex& index, std::string_view key)
{
    const EntityRecord* node = index.root.get();
    while (node) {
        const int order = key.compare(node->key);
        if (order == 0)
            return node;
        node = order < 0 ? node->left.get() : node->right.get();
    }
    return nullptr;
}
