#include <gtest/gtest.h>

#include "entity_keys.h"

TEST(EntityKeys, LotwNamesGiveTheirTableKeyElseTheRowPrefix)
{
    EXPECT_EQ(LotwNameToKey("ENGLAND", "XX"), "G");
    EXPECT_EQ(LotwNameToKey("JAPAN", "JA"), "JA");
    EXPECT_EQ(LotwNameToKey("SABA & ST EUSTATIUS", "?"), "PJ5");
    EXPECT_EQ(LotwNameToKey("SABA &amp; ST EUSTATIUS", "?"), "PJ5");
    EXPECT_EQ(LotwNameToKey("England", "ENG"), "ENG");  // case-sensitive
    // First and last rows, and names just outside the table.
    EXPECT_EQ(LotwNameToKey("ABU AIL IS. (DELETED)", "?"), "A1");
    EXPECT_EQ(LotwNameToKey("YEMEN ARAB REPUBLIC (DELETED)", "?"), "4W/D");
    EXPECT_EQ(LotwNameToKey("AAA", "a"), "a");
    EXPECT_EQ(LotwNameToKey("ZZZ", "z"), "z");
    EXPECT_EQ(LotwNameToKey("", "e"), "e");
}

TEST(EntityKeys, ListingPrefixesTranslateOnceNeverChained)
{
    EXPECT_EQ(ListingPrefixToKey("W"), "K");
    EXPECT_EQ(ListingPrefixToKey("E6"), "Z7");
    EXPECT_EQ(ListingPrefixToKey("Z7"), "4O");
    EXPECT_EQ(ListingPrefixToKey("DL"), "DL");
    EXPECT_EQ(ListingPrefixToKey("3B6"), "3B7");
    EXPECT_EQ(ListingPrefixToKey("ZK1/S"), "E5/S");
    EXPECT_EQ(ListingPrefixToKey("w"), "w");
    EXPECT_EQ(ListingPrefixToKey(""), "");
}

TEST(EntityKeys, TablesAreSortedInUnsignedByteOrder)
{
    // A byte above 0x7F sorts after every ASCII name; with signed compares
    // the search would go the wrong way and could miss real entries.
    EXPECT_EQ(ListingPrefixToKey("\xB7"), "\xB7");
    EXPECT_EQ(LotwNameToKey("\xC9TAT", "F"), "F");
}
