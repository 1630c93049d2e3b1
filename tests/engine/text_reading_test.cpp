#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "line_reader.h"
#include "test_support.h"
#include "tokenizer.h"

namespace {

std::vector<std::string> Tokens(std::string_view text, const char* delimiters)
{
    std::vector<std::string> tokens;
    const DelimiterSet set(delimiters);
    Tokenizer tokenizer(text, set);
    std::string_view token;
    while (tokenizer.Next(token))
        tokens.emplace_back(token);
    return tokens;
}

std::vector<std::string> Lines(std::string_view bytes)
{
    File stream = StreamOf(bytes);
    LineReader reader(stream.get());
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.Next(line))
        lines.emplace_back(line);
    return lines;
}

using Strings = std::vector<std::string>;

}  // namespace

TEST(Tokenizer, RunsOfDelimitersCountAsOneAndNoTokenIsEmpty)
{
    EXPECT_EQ(Tokens("DL,,GERMANY,*\r\n", ",\r\n"), (Strings{"DL", "GERMANY", "*"}));
    EXPECT_EQ(Tokens(",G,England,", ",\r\n"), (Strings{"G", "England"}));
    EXPECT_EQ(Tokens(",,,\r\n", ",\r\n"), Strings{});
    EXPECT_EQ(Tokens("", ","), Strings{});
    EXPECT_EQ(Tokens("<tr><td>P</td><td></td></tr>\n", "<>\r\n"),
              (Strings{"tr", "td", "P", "/td", "td", "/td", "/tr"}));
    EXPECT_EQ(Tokens(" a b ", ","), Strings{" a b "});
}

TEST(LineReader, SkipsBlankLinesAndKeepsLineEnds)
{
    EXPECT_EQ(Lines("a\n\nb\r\n\r\n\nc"), (Strings{"a\n", "b\r\n", "c"}));
    EXPECT_EQ(Lines(""), Strings{});
    EXPECT_EQ(Lines("\n\r\n"), Strings{});
    // Only a line starting with CR or LF is blank; spaces are content.
    EXPECT_EQ(Lines("  \n"), Strings{"  \n"});
}

TEST(LineReader, LongLinesComeInPiecesOf2047Bytes)
{
    const std::string longLine(5000, 'x');
    const Strings lines = Lines(longLine + "\nend\n");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], std::string(2047, 'x'));
    EXPECT_EQ(lines[1], std::string(2047, 'x'));
    EXPECT_EQ(lines[2], std::string(906, 'x') + "\n");
    EXPECT_EQ(lines[3], "end\n");

    // A line of exactly 2047 bytes leaves its LF as a blank piece.
    EXPECT_EQ(Lines(std::string(2047, 'y') + "\nz\n"), (Strings{std::string(2047, 'y'), "z\n"}));
}

TEST(LineReader, AZeroByteEndsThePiece)
{
    EXPECT_EQ(Lines(std::string("ab\0cd\nef\n", 9)), (Strings{"ab", "ef\n"}));
    EXPECT_EQ(WithoutLineEnd("row,1\r\n"), "row,1");
    EXPECT_EQ(WithoutLineEnd("row\n"), "row");
    EXPECT_EQ(WithoutLineEnd("row"), "row");
}
