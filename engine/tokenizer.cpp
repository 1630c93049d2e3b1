#include "tokenizer.h"

Tokenizer::Tokenizer(std::string_view text, std::string_view delimiters) : text_(text)
{
    for (char c : delimiters)
        delimiters_[static_cast<unsigned char>(c)] = true;
}

bool Tokenizer::Next(std::string_view& token)
{
    // Scans with locals: stores through the text's char pointer could alias
    // the members, which would make the compiler reload them at every byte.
    const char* const text = text_.data();
    const std::size_t size = text_.size();
    std::size_t position = position_;
    while (position < size && IsDelimiter(text[position]))
        ++position;
    if (position == size) {
        position_ = position;
        return false;
    }
    const std::size_t start = position;
    while (position < size && !IsDelimiter(text[position]))
        ++position;
    position_ = position;
    token = std::string_view(text + start, position - start);
    return true;
}
