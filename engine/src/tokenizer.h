// tokenizer.h - splits a line into tokens without copying it.
//
// Runs of delimiter bytes count as one delimiter, so no token is ever empty:
// with the delimiters ",\r\n" the text "DL,,GERMANY,*\r\n" gives "DL",
// "GERMANY" and "*".
//
//     static const DelimiterSet kFields(",\r\n");
//     Tokenizer fields(line, kFields);
//     std::string_view field;
//     while (fields.Next(field)) { ... }
//
// The tokens are views into the text, which must outlive them.
#pragma once

#include <array>
#include <string_view>

// The bytes that separate tokens.  Built once and shared by every line read
// with it, rather than once per line.
class DelimiterSet {
public:
    explicit DelimiterSet(std::string_view delimiters)
    {
        for (char c : delimiters)
            table_[static_cast<unsigned char>(c)] = true;
    }

    bool Contains(char c) const { return table_[static_cast<unsigned char>(c)]; }

private:
    std::array<bool, 256> table_{};  // one entry per byte value
};

class Tokenizer {
public:
    Tokenizer(std::string_view text, const DelimiterSet& delimiters)
        : text_(text), delimiters_(delimiters)
    {
    }

    // The next token; false when the text holds no more.
    bool Next(std::string_view& token);

private:
    std::string_view text_;
    const DelimiterSet& delimiters_;
    std::size_t position_ = 0;
};
