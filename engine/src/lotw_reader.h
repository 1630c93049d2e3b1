// lotw_reader.h - reads a saved LoTW Award Credit Matrix page.
//
// The page is read as plain text, not parsed as HTML.  It relies on the
// page's layout: the first entity row is the line holding "ABU AIL", every
// table row stands on one line, split at "<", ">", CR and LF into the
// prefix, the entity name, the count and the 16 credit cells (MIX, PHO, CW,
// RTTY, Sat, 160, 80, 40, 30, 20, 17, 15, 12, 10, 6, 2; the page has no IMG
// and no 60 m column), and the table ends at the first line holding
// "/TABLE", "/table" or "/tbody".  A cell gives credit when its text begins
// with 'X'.
//
// A row with too few tokens (a row broken over two lines, a cell without
// text at the end of a row) means the layout is not the expected one: the
// read is abandoned and the index comes back empty, so that every listing
// entity shows as not found rather than compared against misread credits.
#pragma once

#include <string>
#include <vector>

#include "entity_index.h"
#include "line_reader.h"

// Why an index came back empty, for the note that tells the user.
enum class LotwPageStatus {
    Read,       // the table was read (the index may still be empty)
    NoMatrix,   // no line holds "ABU AIL": not a credit-matrix page
    BrokenRow,  // a row was short of tokens and the read abandoned
};

// How the read went, for the notes that tell the user.
struct LotwPageRead {
    LotwPageStatus status = LotwPageStatus::Read;
    // Some row holds more cells than the 19 of the known layout (prefix,
    // entity, credit count, 16 credits): LoTW may have added a column, and
    // the credits read may belong to other columns.
    bool moreColumns = false;
    // The table's rows were read to the end of the file, which holds no end
    // mark: the page may have been saved before it had loaded in full.
    bool cutShort = false;
    // The entity names of the rows holding a cell without text ("<td></td>"),
    // in page order: such a cell yields no token, so every later cell of the
    // row is read one off, its credits as the next cell's.
    std::vector<std::string> emptyCellRows;
};

// Reads the page up to the end of the entity table or of the file.  A read
// error ends the read like the end of the file; the caller asks the reader
// whether it failed.  read, when given, says how the read went.
EntityIndex ReadLotwMatrix(LineReader& page, LotwPageRead* read = nullptr);
