#include "tokenizer.h"

Tokenizer::Tokenizer(std::string_view text, std::string_view delimiters) : text_(text)
{
    for (char c : delimiters)
        delimiters_.set(static_cast<unsigned char>(c));
}

bool Tokenizer::Next(std::string_view& token)
{
    while (position_ < text_.size() && IsDelimiter(text_[position_]))
        ++position_;
    if (position_ == text_.size())
        return false;
    const std::size_t start = position_;
    while (position_ < text_.size() && !IsDelimiter(text_[position_]))
        ++position_;
    token = text_.substr(start, position_ - start);
    return true;
}
