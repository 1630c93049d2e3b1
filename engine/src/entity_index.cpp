#include "entity_index.h"

#include <utility>
#include <vector>

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
// follow each other.  Returns true when it did.
bool Split(Link& node)
{
    if (node->right && node->right->right && node->right->right->level == node->level) {
        Link right = node->right;
        node->right = right->left;
        right->level += 1;
        right->left = node;
        node = right;
        return true;
    }
    return false;
}

// Works on the links in place: a link is rewritten only by a rotation, and a
// key already filed changes nothing, so the path needs no rebalancing.
// Returns false when the key is filed already (fresh is then not linked).
// before is the record with the greatest key smaller than fresh's met on
// the way down (rotations keep the key order, so it stays fresh's
// predecessor); after likewise its successor.
bool InsertRecord(Link& node, EntityRecord* fresh, EntityRecord*& before,
                  const EntityRecord*& after)
{
    if (!node) {
        node = fresh;
        return true;
    }
    const int order = CompareKeys(fresh->head, fresh->key, node->head, node->key);
    if (order == 0)
        return false;  // the first record under a key stays
    if (order < 0)
        after = node;
    else
        before = node;
    if (!InsertRecord(order < 0 ? node->left : node->right, fresh, before, after))
        return false;
    Skew(node);
    Split(node);
    return true;
}

// Insert for a key greater than every key in the tree: the path is the
// tree's right edge, so no key needs comparing.  On that path Skew never
// rotates (a left link changes only by a Split, which leaves it a level
// down), so only the Splits remain, made from the bottom up as Insert makes
// them.  A Split looks two links down the right edge: once two nodes in a
// row are left as they were, no node above them can split, and the walk up
// ends.  edge holds the links to the right edge's nodes, root first, and is
// kept up to date, so that filing records in key order costs no walk down.
void InsertGreatest(Link& root, EntityRecord* fresh, std::vector<Link*>& edge)
{
    Link* const bottom = edge.empty() ? &root : &(*edge.back())->right;
    *bottom = fresh;
    edge.push_back(bottom);
    std::size_t highestSplit = edge.size();
    bool changedOneDown = true;  // the new record's link
    bool changedTwoDown = true;
    for (std::size_t step = edge.size() - 1; step-- > 0;) {
        if (!changedOneDown && !changedTwoDown)
            break;
        changedTwoDown = changedOneDown;
        changedOneDown = Split(*edge[step]);
        if (changedOneDown)
            highestSplit = step;
    }
    if (highestSplit == edge.size())
        return;
    // Below the highest split the edge has new nodes: walk it down again.
    edge.resize(highestSplit + 1);
    for (Link* link = &(*edge.back())->right; *link; link = &(*link)->right)
        edge.push_back(link);
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
    // Keys of up to eight bytes are wholly in their heads: equal heads leave
    // only the lengths to tell them apart ("A" before "A\0").
    if (a.size() <= 8 && b.size() <= 8)
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    return a.compare(b);
}

EntityIndex::EntityIndex(EntityIndex&& other) noexcept
    : records_(std::move(other.records_)),
      text_(std::move(other.text_)),
      root_(other.root_),
      greatest_(other.greatest_),
      size_(other.size_)
{
    other.root_ = nullptr;
    other.greatest_ = nullptr;
    other.size_ = 0;
    other.rightEdge_.clear();
}

EntityIndex& EntityIndex::operator=(EntityIndex&& other) noexcept
{
    if (this != &other) {
        records_ = std::move(other.records_);
        text_ = std::move(other.text_);
        root_ = other.root_;
        greatest_ = other.greatest_;
        size_ = other.size_;
        rightEdge_.clear();
        other.root_ = nullptr;
        other.greatest_ = nullptr;
        other.size_ = 0;
        other.rightEdge_.clear();
    }
    return *this;
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
    if (Find(key))
        return false;
    return FileGreatest(NewRecord(Keep(key), KeyHead(key), Keep(name), credit));
}

bool EntityIndex::FileGreatest(EntityRecord* record)
{
    if (greatest_ && CompareKeys(record->head, record->key, greatest_->head, greatest_->key) <= 0) {
        EntityRecord* before = nullptr;
        const EntityRecord* after = nullptr;
        if (!InsertRecord(root_, record, before, after))
            return false;
        record->next = after;
        if (before)
            before->next = record;
        rightEdge_.clear();  // rotations may have moved it: walked again when next needed
    } else {
        if (rightEdge_.empty()) {
            for (Link* link = &root_; *link; link = &(*link)->right)
                rightEdge_.push_back(link);
        }
        InsertGreatest(root_, record, rightEdge_);
        if (greatest_)
            greatest_->next = record;
        greatest_ = record;
    }
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
        const int order = CompareKeys(head, key, node->head, node->key);
        if (order == 0)
            return node;
        node = order < 0 ? node->left : node->right;
    }
    return nullptr;
}

const EntityRecord* EntityCursor::Find(std::string_view key)
{
    if (last_) {
        const std::uint64_t head = KeyHead(key);
        const EntityRecord* next = last_->next;
        if (next && CompareKeys(head, key, next->head, next->key) == 0)
            return last_ = next;
        if (CompareKeys(head, key, last_->head, last_->key) == 0)
            return last_;
    }
    const EntityRecord* found = index_.Find(key);
    if (found)
        last_ = found;
    return found;
}
