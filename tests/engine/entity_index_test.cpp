#include <gtest/gtest.h>

#include <string>

#include "entity_index.h"
#include "format.h"

namespace {

CreditFlags Flags(char fill)
{
    CreditFlags flags;
    flags.fill(fill);
    return flags;
}

// Checks the AA-tree invariants below node; returns the number of records.
int CheckAaTree(const EntityRecord* node)
{
    if (!node)
        return 0;
    if (node->level > 0) {
        EXPECT_TRUE(node->left && node->right) << node->key;
    }
    if (node->left) {
        EXPECT_EQ(node->left->level, node->level - 1) << node->key;
        EXPECT_LT(node->left->key, node->key);
    }
    if (node->right) {
        EXPECT_LT(node->key, node->right->key);
        EXPECT_GE(node->right->level, node->level - 1) << node->key;
        EXPECT_LE(node->right->level, node->level) << node->key;
        if (node->right->right) {
            EXPECT_LT(node->right->right->level, node->level) << node->key;
        }
    }
    if (node->level == 0) {
        EXPECT_FALSE(node->left) << node->key;
    }
    return 1 + CheckAaTree(node->left) + CheckAaTree(node->right);
}

}  // namespace

TEST(EntityIndex, EmptyIndexFindsNothing)
{
    EntityIndex index;
    EXPECT_EQ(EntityIndexFind(index, "G"), nullptr);
}

TEST(EntityIndex, FirstRecordUnderAKeyStays)
{
    EntityIndex index;
    EXPECT_TRUE(EntityIndexInsert(index, "G", "ENGLAND", Flags('X')));
    EXPECT_FALSE(EntityIndexInsert(index, "G", "GREAT BRITAIN", Flags(' ')));
    const EntityRecord* record = EntityIndexFind(index, "G");
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->name, "ENGLAND");
    EXPECT_EQ(record->credit, Flags('X'));
    EXPECT_EQ(EntityIndexFind(index, "g"), nullptr);
    EXPECT_EQ(EntityIndexFind(index, "GM"), nullptr);
}

TEST(EntityIndex, AscendingDescendingAndMixedInsertsStayBalanced)
{
    const int count = 4096;
    for (int order = 0; order < 3; ++order) {
        EntityIndex index;
        for (int i = 0; i < count; ++i) {
            const int scrambled = static_cast<int>((static_cast<unsigned>(i) * 2654435761u) % count);
            const int n = order == 0 ? i : order == 1 ? count - 1 - i : scrambled;
            EntityIndexInsert(index, Format("K%05d", n), "name", Flags(' '));
        }
        EXPECT_EQ(CheckAaTree(index.Root()), count);
        // An AA tree of n records has level at most log2(n).
        EXPECT_LE(index.Root()->level, 12);
        for (int i = 0; i < count; ++i) {
            const EntityRecord* record = EntityIndexFind(index, Format("K%05d", i));
            ASSERT_NE(record, nullptr);
            EXPECT_EQ(record->key, Format("K%05d", i));
        }
    }
}

TEST(EntityIndex, AMovedIndexTakesMoreRecords)
{
    EntityIndex first;
    EntityIndexInsert(first, "A", "a", Flags(' '));
    EntityIndexInsert(first, "B", "b", Flags(' '));
    EntityIndex moved(std::move(first));
    EntityIndexInsert(moved, "C", "c", Flags('X'));
    EntityIndex assigned;
    assigned = std::move(moved);
    for (int i = 0; i < 100; ++i)
        EntityIndexInsert(assigned, Format("D%03d", i), "d", Flags(' '));
    EXPECT_EQ(CheckAaTree(assigned.Root()), 103);
    ASSERT_NE(EntityIndexFind(assigned, "C"), nullptr);
    EXPECT_EQ(EntityIndexFind(assigned, "C")->name, "c");
}
