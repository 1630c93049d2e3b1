#include "entity_index.h"

#include <utility>

namespace {

using Link = std::unique_ptr<EntityRecord>;

// Rotates right when the left child is on the node's level (a left
// horizontal link is not allowed in an AA tree).
void Skew(Link& node)
{
    if (node->left && node->left->level == node->level) {
        Link left = std::move(node->left);
        node->left = std::move(left->right);
        left->right = std::move(node);
        node = std::move(left);
    }
}

// Rotates left and lifts the middle node when two right horizontal links
// follow each other.
void Split(Link& node)
{
    if (node->right && node->right->right && node->right->right->level == node->level) {
        Link right = std::move(node->right);
        node->right = std::move(right->left);
        right->level += 1;
        right->left = std::move(node);
        node = std::move(right);
    }
}

// Works on the links in place: a link is rewritten only by a rotation, and a
// key already filed changes nothing, so the path needs no rebalancing.
bool Insert(Link& node, std::string_view key, std::string_view name, const CreditFlags& credit)
{
    if (!node) {
        node = std::make_unique<EntityRecord>();
        node->key = key;
        node->name = name;
        node->credit = credit;
        return true;
    }
    const int order = key.compare(node->key);
    if (order == 0)
        return false;  // the first record under a key stays
    if (!Insert(order < 0 ? node->left : node->right, key, name, credit))
        return false;
    Skew(node);
    Split(node);
    return true;
}

}  // namespace

bool EntityIndexInsert(EntityIndex& index, std::string_view key, std::string_view name,
                       const CreditFlags& credit)
{
    return Insert(index.root, key, name, credit);
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
