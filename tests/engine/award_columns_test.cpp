#include <gtest/gtest.h>

#include "award_columns.h"

TEST(AwardColumns, CompiledNamesAndRenaming)
{
    AwardColumnNames names;
    EXPECT_EQ(names.Band(0), "MIX");
    EXPECT_EQ(names.Band(6), "160");
    EXPECT_EQ(names.Band(17), "2");
    EXPECT_EQ(names.Frequency(6), "1.8");
    EXPECT_EQ(names.Frequency(17), "144");
    EXPECT_EQ(names.Name(ColumnNaming::Frequencies, 11), "14");

    for (int column = 0; column < kAwardColumnCount; ++column)
        EXPECT_EQ(names.IsNumeric(column), column >= kFirstBandColumn) << column;

    names.Rename(0, "Mix");
    names.Rename(3, "DIG");
    EXPECT_EQ(names.Band(0), "Mix");
    EXPECT_EQ(names.Frequency(0), "Mix");
    EXPECT_EQ(names.Band(3), "DIG");
    EXPECT_EQ(names.Frequency(3), "DIG");
    EXPECT_EQ(AwardColumnNames().Band(0), "MIX");  // a fresh value is compiled again
}
