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

    // The next token; false when the text holds no more.  Inline: the
    // readers call it for every field of every row.
    bool Next(std::string_view& token)
    {
        // Scans with locals: stores through the text's char pointer could
        // alias the members, which would make the compiler reload them at
        // every byte.
        const char* const text = text_.data();
        const std::size_t size = text_.size();
        const DelimiterSet& delimiters = delimiters_;
        std::size_t position = position_;
        // Most listing cells are one byte between single delimiters.
        if (position + 2 < size && delimiters.Contains(text[position]) &&
            !delimiters.Contains(text[position + 1]) && delimiters.Contains(text[position + 2])) {
            position_ = position + 2;
            token = std::string_view(text + position + 1, 1);
            return true;
        }
        while (position < size && delimiters.Contains(text[position]))
            ++position;
        if (position == size) {
            position_ = position;
            return false;
        }
        const std::size_t start = position;
        while (position < size && !delimiters.Contains(text[position]))
            ++position;
        position_ = position;
        token = std::string_view(text + start, position - start);
        return true;
    }

private:
    std::string_view text_;
    const DelimiterSet& delimiters_;
    std::size_t position_ = 0;
};
