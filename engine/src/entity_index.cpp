#include "entity_index.h"

namespace {

using Link = EntityRecord*;

// Rotates right when the left child is on the node's level (a left
// horizontal link is not allowed in an AA tree).
void Skew(Link& node)
{
    if (node->left && node->left->level == node->level) {
        Link left = node->left;
        node->left = left->right;
        left->right = node;
        node = left;
    }
}

// Rotates left and lifts the middle node when two right horizontal links
// follow each other.
void Split(Link& node)
{
    if (node->right && node->right->right && node->right->right->level == node->level) {
        Link right = node->right;
        node->right = right->left;
        right->level += 1;
        right->left = node;
        node = right;
    }
}

// Works on the links in place: a link is rewritten only by a rotation, and a
// key already filed changes nothing, so the path needs no rebalancing.
// Returns false when the key is filed already (fresh is then not linked).
bool InsertRecord(Link& node, EntityRecord* fresh)
{
    if (!node) {
        node = fresh;
        return true;
    }
    const int order = CompareKeys(fresh->head, fresh->key, node->head, node->key);
    if (order == 0)
        return false;  // the first record under a key stays
    if (!InsertRecord(order < 0 ? node->left : node->right, fresh))
        return false;
    Skew(node);
    Split(node);
    return true;
}

// Insert for a key greater than every key in the tree: the path is the
// tree's right edge, so no key needs comparing.  The rotations are those
// Insert makes on that path.
void InsertGreatest(Link& node, EntityRecord* fresh)
{
    if (!node) {
        node = fresh;
        return;
    }
    InsertGreatest(node->right, fresh);
    Skew(node);
    Split(node);
}

}  // namespace

std::uint64_t KeyHead(std::string_view key)
{
    std::uint64_t head = 0;
    const std::size_t size = key.size() < 8 ? key.size() : 8;
    for (std::size_t i = 0; i < size; ++i)
        head |= std::uint64_t{static_cast<unsigned char>(key[i])} << (56 - 8 * i);
    return head;
}

int CompareKeys(std::uint64_t headA, std::string_view a, std::uint64_t headB, std::string_view b)
{
    if (headA != headB)
        return headA < headB ? -1 : 1;
    return a.compare(b);
}

EntityRecord* EntityIndex::NewRecord(std::string_view key, std::uint64_t head,
                                     std::string_view name, const CreditFlags& credit)
{
    EntityRecord* record = records_.Add();
    record->head = head;
    record->key = key;
    record->name = name;
    record->credit = credit;
    return record;
}

bool EntityIndex::Insert(std::string_view key, std::string_view name, const CreditFlags& credit)
{
    const std::uint64_t head = KeyHead(key);
    if (Find(key))
        return false;
    return AppendKept(Keep(key), head, Keep(name), credit);
}

bool EntityIndex::AppendKept(std::string_view key, std::uint64_t head, std::string_view name,
                             const CreditFlags& credit)
{
    if (greatest_ && CompareKeys(head, key, greatest_->head, greatest_->key) <= 0) {
        if (Find(key))
            return false;  // no record made for a key already filed
        EntityRecord* fresh = NewRecord(key, head, name, credit);
        InsertRecord(root_, fresh);
        ++size_;
        return true;
    }
    EntityRecord* fresh = NewRecord(key, head, name, credit);
    InsertGreatest(root_, fresh);
    greatest_ = fresh;
    ++size_;
    return true;
}

const EntityRecord* EntityIndex::Find(std::string_view key) const
{
    const std::uint64_t head = KeyHead(key);
    const EntityRecord* node = root_;
    while (node) {
        if (head != node->head) {
            node = head < node->head ? node->left : node->right;
            continue;
        }
        const int order = key.compare(node->key);
        if (order == 0)
            return node;
        node = order < 0 ? node->left : node->right;
    }
    return nullptr;
}
