// listing_header.h - understands the header line of a VELLUM DXCC listing.
//
// The header names the leading columns (prefix, country name, maybe a delete
// mark) and then the award columns, by band in metres ("160", "80", ...) or
// by frequency in MHz ("1.8", "3.7", ...).  The analysis
//   - rejects a line without "Prefix," ("ERROR: Didn't recognize VELLUM .CSV
//     file.");
//   - sets options.layout to 8 when the line names "Country name," (and then
//     renames the MIX and RTTY columns "Mix" and "DIG" in names), else 7;
//   - sets options.hasDeleteColumn when the line holds "D," or "Del,";
//   - decides the naming by a vote over consecutive numeric columns: rising
//     numbers vote for frequencies, falling or equal ones for bands; a tie
//     stops the pass ("Can't determine band or frequency from the VELLUM
//     listing.");
//   - maps every award column to an award column index, or -1 when its name
//     is not one of the current names under the chosen naming;
//   - adds to the notes group the line "VELLUM Award Modes: [MIX] [PHO] ..."
//     and/or "VELLUM Award Bands: [Sat] [160] ...", unrecognised names shown
//     without brackets, and then one empty line.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "award_columns.h"
#include "compare_options.h"
#include "report_lists.h"
#include "tokenizer.h"

// The listing's fields are separated by commas; the line end separates too.
// Fields are not quoted, and an empty field does not count.
inline constexpr DelimiterSet kListingFieldDelimiters(",\r\n");

struct ListingColumns {
    ColumnNaming naming = ColumnNaming::Bands;
    // For each award column of the listing, in file order: its award column
    // index 0 to 17, or -1 when the header's name was not recognised.
    std::vector<int> map;

    int Count() const { return static_cast<int>(map.size()); }
};

struct HeaderAnalysis {
    std::optional<ListingColumns> columns;  // empty: the pass stops here
    // The column header lines and the empty line after them; 0 when the
    // analysis stopped (its error note is a problem, not a header line).
    std::size_t headerNotes = 0;
};

// header is the first non-blank line of the listing, line end included or not.
HeaderAnalysis AnalyseListingHeader(std::string_view header, CompareOptions& options,
                                    AwardColumnNames& names, ReportLists& lists);
