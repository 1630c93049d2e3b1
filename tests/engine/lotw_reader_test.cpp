#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lotw_reader.h"
#include "test_support.h"

namespace {

constexpr int kPageColumns = 16;  // every award column but IMG and 60 m

// One table row on one line; cells[i] is the text of page column i.
std::string Row(const std::string& prefix, const std::string& name, std::vector<std::string> cells)
{
    cells.resize(kPageColumns, "&nbsp;");
    std::string row = "<tr><td>" + prefix + "</td><td>" + name + "</td><td>0</td>";
    for (const std::string& cell : cells)
        row += "<td>" + cell + "</td>";
    return row + "</tr>\n";
}

const std::string kFirstRow = Row("A1", "ABU AIL IS. (DELETED)", {});

EntityIndex Read(const std::string& page)
{
    File stream = StreamOf(page);
    LineReader reader(stream.get());
    return ReadLotwMatrix(reader);
}

std::vector<std::string> Keys(const EntityRecord* node)
{
    if (!node)
        return {};
    std::vector<std::string> keys = Keys(node->left);
    keys.emplace_back(node->key);
    for (std::string& key : Keys(node->right))
        keys.push_back(std::move(key));
    return keys;
}

std::string CreditOf(const EntityIndex& index, const char* key)
{
    const EntityRecord* record = EntityIndexFind(index, key);
    return record ? std::string(record->credit.begin(), record->credit.end()) : "(none)";
}

using Strings = std::vector<std::string>;

}  // namespace

TEST(LotwReader, FilesRowsUnderTranslatedNameOrRowPrefix)
{
    const EntityIndex index = Read("<table>\n" + kFirstRow + Row("G", "ENGLAND", {}) +
                                   Row("JA", "JAPAN", {}) + "</table>\n");
    EXPECT_EQ(Keys(index.Root()), (Strings{"A1", "G", "JA"}));
    EXPECT_EQ(EntityIndexFind(index, "G")->name, "ENGLAND");
}

TEST(LotwReader, CreditFlagsFollowPageColumnOrder)
{
    // Page order: MIX PHO CW RTTY Sat 160 80 40 30 20 17 15 12 10 6 2.
    std::vector<std::string> cells(kPageColumns, "X");
    cells[1] = "x";       // PHO: small x is no credit
    cells[6] = "-";       // 80 m
    cells[15] = "X (2)";  // 2 m: begins with X
    const EntityIndex index = Read(kFirstRow + Row("JA", "JAPAN", cells));
    //                               M P C R I S 1 8 6 4 3 2 1 1 1 1 6 2
    EXPECT_EQ(CreditOf(index, "JA"), "X XX XX  XXXXXXXXX");
    EXPECT_EQ(CreditOf(index, "A1"), std::string(18, ' '));
}

TEST(LotwReader, FirstRowUnderAKeyWins)
{
    const EntityIndex index =
        Read(kFirstRow + Row("G", "ENGLAND", {"X"}) + Row("GX", "ENGLAND", {"&nbsp;", "X"}));
    EXPECT_EQ(CreditOf(index, "G"), "X" + std::string(17, ' '));
    EXPECT_EQ(EntityIndexFind(index, "GX"), nullptr);
}

TEST(LotwReader, LongKeysSharingTheirFirstEightBytesAreFiledInOrder)
{
    const EntityIndex index =
        Read(kFirstRow + Row("ABCDEFGHZ", "Z", {"X"}) + Row("ABCDEFGHA", "A", {"X"}) +
             Row("ABCDEFGH", "H", {}) + Row("ABCDEFGHA", "A2", {}) + Row("ABCDEFGHAA", "AA", {}));
    EXPECT_EQ(Keys(index.Root()),
              (Strings{"A1", "ABCDEFGH", "ABCDEFGHA", "ABCDEFGHAA", "ABCDEFGHZ"}));
    EXPECT_EQ(EntityIndexFind(index, "ABCDEFGHA")->name, "A");  // the first row stays
    EXPECT_EQ(CreditOf(index, "ABCDEFGHA"), "X" + std::string(17, ' '));
}

TEST(LotwReader, TableStartsAtAbuAilAndEndsAtItsClosingTag)
{
    // A closing tag before the first entity row belongs to another table.
    EntityIndex index = Read("<table><tr><td>menu</td></tr></table>\n<table>\n" + kFirstRow +
                             Row("G", "ENGLAND", {}) + "</table>\n" + Row("JA", "JAPAN", {}));
    EXPECT_EQ(Keys(index.Root()), (Strings{"A1", "G"}));

    index = Read(kFirstRow + "</tbody>\n" + Row("G", "ENGLAND", {}));
    EXPECT_EQ(Keys(index.Root()), Strings{"A1"});

    index = Read(kFirstRow + "</TABLE>\n" + Row("G", "ENGLAND", {}));
    EXPECT_EQ(Keys(index.Root()), Strings{"A1"});

    index = Read(kFirstRow + Row("G", "ENGLAND", {}));  // no end marker
    EXPECT_EQ(Keys(index.Root()), (Strings{"A1", "G"}));

    index = Read(Row("G", "ENGLAND", {}) + "</table>\n");  // no ABU AIL
    EXPECT_EQ(index.Root(), nullptr);

    // Blank lines (CR or LF first) are skipped anywhere.
    index = Read(kFirstRow + "\r\n\n" + Row("G", "ENGLAND", {}) + "</table>\n");
    EXPECT_EQ(Keys(index.Root()), (Strings{"A1", "G"}));
}

TEST(LotwReader, AShortRowAbandonsTheWholeRead)
{
    std::string lastCellMissing = Row("G", "ENGLAND", {});
    lastCellMissing.erase(lastCellMissing.rfind("<td>"));
    lastCellMissing += "\n";
    EXPECT_EQ(Read(kFirstRow + lastCellMissing + Row("JA", "JAPAN", {})).Root(), nullptr);

    EXPECT_EQ(Read(kFirstRow + "   \n" + Row("JA", "JAPAN", {})).Root(), nullptr);
    EXPECT_EQ(Read(kFirstRow + "</tr>\n").Root(), nullptr);
    EXPECT_EQ(Read(kFirstRow + "<tr><td>G</td>\n<td>ENGLAND</td></tr>\n").Root(), nullptr);
}

TEST(LotwReader, EmptyCellElementShiftsTheRestOfTheRow)
{
    std::vector<std::string> cells(kPageColumns, "X");
    cells[2] = "";  // CW: <td></td> gives no token
    const std::string page = kFirstRow + Row("G", "ENGLAND", {"X", ""}) + Row("JA", "JAPAN", cells) + "</table>\n";
    File stream = StreamOf(page);
    LineReader reader(stream.get());
    LotwPageRead read;
    const EntityIndex index = ReadLotwMatrix(reader, &read);
    // From CW on every column reads a closing tag (or "td") instead of its text.
    EXPECT_EQ(CreditOf(index, "JA"), "XX" + std::string(16, ' '));
    // The rows that held one are told, for a note.
    EXPECT_EQ(read.emptyCellRows, (Strings{"ENGLAND", "JAPAN"}));
}

TEST(LotwReader, LfAndCrLfPagesGiveTheSameIndex)
{
    for (const char* name : {"lotw-small.html", "lotw-small-crlf.html"}) {
        File page(std::fopen(Fixture(name).c_str(), "r"));
        ASSERT_TRUE(page) << name;
        LineReader reader(page.get());
        const EntityIndex index = ReadLotwMatrix(reader);
        EXPECT_EQ(Keys(index.Root()), (Strings{"A1", "DL", "G", "GM", "JA", "K"})) << name;
        //                                 M P C R I S 1 8 6 4 3 2 1 1 1 1 6 2
        EXPECT_EQ(CreditOf(index, "G"), "XXX   XX          ") << name;
        EXPECT_EQ(CreditOf(index, "K"), "XX         X      ") << name;
    }
}
