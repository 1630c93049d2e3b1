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

std::vector<std::string> Lines(std::string_view bytes, LineEnds ends = LineEnds::LineFeed)
{
    File stream = StreamOf(bytes);
    LineReader reader(stream.get(), ends);
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

TEST(LineReader, CarriageReturnsAloneEndLinesWhenTheFirstPieceHasNoLineFeed)
{
    // Read as the LF twin: every CR, and any later LF, ends a line.
    EXPECT_EQ(Lines("a\rb\r\rc\re"), (Strings{"a\n", "b\n", "c\n", "e"}));
    const std::string longLine(2100, 'y');
    EXPECT_EQ(Lines("a\r" + longLine + "\r\nc"),
              (Strings{"a\n", longLine.substr(0, 2047), longLine.substr(2047) + "\n", "c"}));
    // A line feed among the first 2047 bytes: CRs are plain bytes, as ever.
    EXPECT_EQ(Lines("a\rb\nc\rd"), (Strings{"a\rb\n", "c\rd"}));
    // The test looks at the first 2047 bytes only.
    const std::string head(2047, 'h');
    EXPECT_EQ(Lines(head + "\ra\rb"), Strings{head});  // the rest begins with CR: blank
    const std::string shortHead(2046, 'h');
    EXPECT_EQ(Lines(shortHead + "\ra\rb"), (Strings{shortHead + "\n", "a\n", "b"}));
}

TEST(LineReader, ABareCarriageReturnEndsALineWhereverItStandsWhenAsked)
{
    EXPECT_EQ(Lines("a\nb\rc\r\nd\r\re", LineEnds::AnyOfCrLf), (Strings{"a\n", "b\r", "c\r\n", "d\r", "e"}));
    // A CR at a piece's limit: its LF is a blank piece.
    const std::string full(2046, 'x');
    EXPECT_EQ(Lines("a\n" + full + "\r\nz\n", LineEnds::AnyOfCrLf), (Strings{"a\n", full + "\r", "z\n"}));
    EXPECT_EQ(Lines("a\nb\rc", LineEnds::LineFeed), (Strings{"a\n", "b\rc"}));
}

TEST(LineReader, AReadErrorIsNotTheEndOfTheStream)
{
    const std::string text = std::string(300000, 'x') + "\n";
    File stream = FailingStreamOf(text, 200000);
    if (!stream)
        GTEST_SKIP() << "no fault-injecting stream on this system";
    LineReader reader(stream.get());
    std::string_view line;
    std::size_t pieces = 0;
    while (reader.Next(line))
        ++pieces;
    EXPECT_TRUE(reader.Failed());
    EXPECT_LT(pieces, 200000u / LineReader::kPieceLimit + 2);

    File whole = StreamOf(text);
    LineReader sound(whole.get());
    while (sound.Next(line)) {
    }
    EXPECT_FALSE(sound.Failed());
}
