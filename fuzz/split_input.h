// split_input.h - one fuzz input as a pair of files.
//
// The whole-comparison target needs a page and a listing.  Its input holds
// both, the page first, separated at the first record-separator byte (0x1E);
// an input without one is a page with an empty listing.  The seed corpus is
// made the same way:
//
//     { cat page.html; printf '\036'; cat listing.csv; } > seed
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

constexpr char kInputSeparator = '\x1E';

struct InputPair {
    std::string_view page;
    std::string_view listing;
};

InputPair SplitInput(const std::uint8_t* data, std::size_t size);
