// hostile_support.h - builds the files of the hostile-input tests and runs
// whole comparisons on them.
//
// Every test starts from one small, sound pair - a LoTW page with the rows
// ABU AIL IS. (DELETED), ENGLAND and FEDERAL REPUBLIC OF GERMANY, and a
// listing of England, Germany and France over the columns MIX, CW, 160 and
// 80 - and damages one of the two files in one way.  What the sound pair
// gives is the case hostile/sound-pair-gives-the-sound-report (CaseRows).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "compare.h"
#include "report_sink.h"

using Rows = std::vector<std::string>;

using RowSink = CollectingSink;

struct Comparison {
    RunOutcome outcome;
    Rows rows;
};

// One row of a LoTW page: prefix, entity name and the 16 credit cells in page
// order (MIX PHO CW RTTY Sat 160 80 40 30 20 17 15 12 10 6 2), 'X' for credit.
struct PageEntity {
    std::string prefix;
    std::string name;
    std::string credits;
};
std::string PageRow(const PageEntity& entity);

// The lines of the sound page: head, table start, the three rows, table end.
// Each line is ended by lineEnd.
std::vector<std::string> SoundPageLines();
std::string Joined(const std::vector<std::string>& lines, std::string_view lineEnd);
std::string SoundPage();

std::string SoundListingHeader();           // "Prefix,Country,MIX,CW,160,80"
std::vector<std::string> SoundListingRows();  // England, Germany, France
std::string SoundListing();                 // header and rows, CR LF line ends

// Writes bytes to a file of the test tree's scratch folder; returns its path.
std::string ScratchFile(const std::string& name, std::string_view bytes);
std::string ScratchFolder();

Comparison Compare(const std::string& pagePath, const std::string& listingPath);
Comparison CompareBytes(std::string_view page, std::string_view listing);

// UTF-16 little-endian with a byte-order mark, as Windows "Unicode" text.
std::string Utf16LittleEndian(std::string_view text);
