#include "tokenizer.h"

bool Tokenizer::Next(std::string_view& token)
{
    // Scans with locals: stores through the text's char pointer could alias
    // the members, which would make the compiler reload them at every byte.
    const char* const text = text_.data();
    const std::size_t size = text_.size();
    const DelimiterSet& delimiters = delimiters_;
    std::size_t position = position_;
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
