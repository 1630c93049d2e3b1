// compare_options.h - the options record of one comparison.
//
// The main window owns one and hands it to every comparison; the listing
// header analysis writes the two fields it settles, and the listing pass
// reads all three.  Kept apart from compare.h so that the engine's parts
// need not include its entry point.
#pragma once

#include <cstdint>

struct CompareOptions {
    std::int32_t submittedAsChecked = 0;  // 1: a VELLUM "S" cell counts as checked
    std::int32_t hasDeleteColumn = 0;     // set by the header analysis
    std::int32_t layout = 0;              // 8: header names "Country name,"; else 7
};
