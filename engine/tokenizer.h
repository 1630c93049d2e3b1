// tokenizer.h - splits a line into tokens without copying it.
//
// Runs of delimiter bytes count as one delimiter, so no token is ever empty:
// with the delimiters ",\r\n" the text "DL,,GERMANY,*\r\n" gives "DL",
// "GERMANY" and "*".
//
//     Tokenizer fields(line, ",\r\n");
//     std::string_view field;
//     while (fields.Next(field)) { ... }
//
// The tokens are views into the text, which must outlive them.
#pragma once

#include <array>
#include <string_view>

class Tokenizer {
public:
    Tokenizer(std::string_view text, std::string_view delimiters);

    // The next token; false when the text holds no more.
    bool Next(std::string_view& token);

private:
    bool IsDelimiter(char c) const { return delimiters_[static_cast<unsigned char>(c)]; }

    std::string_view text_;
    std::array<bool, 256> delimiters_{};  // one entry per byte value
    std::size_t position_ = 0;
};
