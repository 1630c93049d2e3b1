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

// The bytes that separate tokens, one flag per byte value.
class DelimiterSet {
public:
    explicit constexpr DelimiterSet(std::string_view delimiters)
    {
        for (char c : delimiters)
            table_[static_cast<unsigned char>(c)] = true;
    }

    constexpr bool Contains(char c) const { return table_[static_cast<unsigned char>(c)]; }

private:
    std::array<bool, 256> table_{};
};

class Tokenizer {
public:
    Tokenizer(std::string_view text, const DelimiterSet& delimiters)
        : text_(text), delimiters_(delimiters)
    {
    }

    // The next token; false when the text holds no more.
    bool Next(std::string_view& token)
    {
        const char* p = text_.data() + position_;
        const char* const end = text_.data() + text_.size();
        while (p != end && delimiters_.Contains(*p))
            ++p;
        const char* const start = p;
        while (p != end && !delimiters_.Contains(*p))
            ++p;
        position_ = static_cast<std::size_t>(p - text_.data());
        token = std::string_view(start, static_cast<std::size_t>(p - start));
        return p != start;
    }

private:
    std::string_view text_;
    const DelimiterSet& delimiters_;
    std::size_t position_ = 0;
};
