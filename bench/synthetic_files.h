// synthetic_files.h - LoTW pages and VELLUM listings of any size, for the
// benchmark.
//
// WriteSyntheticPair(folder, rows) writes rows-<N>.html and rows-<N>.csv (or
// reuses them when a previous run left them): a page whose first entity row
// is ABU AIL IS. (DELETED), followed by N - 1 made-up entities with distinct
// made-up prefixes, in name order as LoTW lists them; and a listing of the
// same N entities in prefix order as VELLUM exports them, over the 18 award
// columns.  In 5% of the listing's cells (drawn at random, the same on every
// run) the logbook and LoTW disagree, so the report holds about 0.9 MISMATCH
// lines per entity.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct SyntheticPair {
    std::string pagePath;
    std::string listingPath;
    std::size_t rows = 0;          // entities in each file
    std::uintmax_t bytes = 0;      // page and listing together
    std::size_t disagreeing = 0;   // cells where the two sides disagree
};

SyntheticPair WriteSyntheticPair(const std::string& folder, std::size_t rows);

// WriteReportHeavyPair(folder) writes report-heavy.html and report-heavy.csv
// (or reuses them): a listing of about 10 MB whose report is some 40 times
// larger.  The page grants no credit at all; the listing's header names the
// 18 award columns five times over and every cell of every row is checked,
// so every cell is a MISMATCH line (about 360 MB of report from 50,000
// entities).  For the memory a large report takes.
SyntheticPair WriteReportHeavyPair(const std::string& folder);

// The size of a file in bytes, 0 when it cannot be read.
std::uintmax_t FileBytes(const std::string& path);
