// listing_pass.h - compares a VELLUM listing with the LoTW entity index.
//
// The first non-blank line is the header (listing_header.h), every later
// non-blank line a row.  For every row whose entity the index holds, and
// every recognised award column, the logbook counts the contact as checked
// when the cell begins with '*' (or 'S' when options.submittedAsChecked is
// set); LoTW grants credit when the record's flag is 'X'.  Both yes is a
// match; exactly one yes a MISMATCH line.  Entities the index lacks and rows
// that cannot be compared become notes; a listing without a non-blank line
// gets the header's "not recognised" error.  After the last row, one summary
// line per award column with any count, in column order.
//
// Rows keep the header's leading-column layout:
//   no delete column:           prefix, name, cells...
//   delete column, layout 8:    prefix, name, mark, cells...
//   delete column, layout 7:    mark, prefix, name, cells...  (or an empty
//                               mark: the row starts with a comma)
#pragma once

#include <cstddef>

#include "award_columns.h"
#include "compare_options.h"
#include "entity_index.h"
#include "line_reader.h"
#include "report_lists.h"

struct ListingPassResult {
    bool headerUnderstood = false;
    std::size_t headerNotes = 0;  // notes the header analysis added (its lines and the empty line)
};

// Reads the listing to its end (or until the header analysis stops the
// pass).  A read error ends the pass like the end of the file; the caller
// asks the reader whether it failed.
ListingPassResult CompareListing(LineReader& listing, ReportLists& lists, const EntityIndex& index,
                                 CompareOptions& options, AwardColumnNames& names);
