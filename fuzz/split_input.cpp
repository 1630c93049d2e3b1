#include "split_input.h"

InputPair SplitInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return {};
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t separator = input.find(kInputSeparator);
    if (separator == std::string_view::npos)
        return {input, std::string_view()};
    return {input.substr(0, separator), input.substr(separator + 1)};
}
