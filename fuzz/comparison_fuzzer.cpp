// Runs whole comparisons of a fuzzed page and a fuzzed listing (see
// split_input.h) through the engine's entry point, from files on disk as the
// program does.  Checks that
//   - the run completes, and its outcome counts the rows of the mismatch
//     group it wrote, as many as the summary counts;
//   - a second run with the same options record gives the same rows: nothing
//     one comparison changes may leak into the next.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "compare.h"
#include "split_input.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// A private folder for the two files, made once per process.
const std::string& WorkFolder()
{
    static const std::string folder = [] {
        std::string pattern = "/tmp/tornwick-fuzz-XXXXXX";
        Require(mkdtemp(pattern.data()) != nullptr);
        return pattern;
    }();
    return folder;
}

void WriteFile(const std::string& path, std::string_view bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    Require(file != nullptr);
    Require(bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
    Require(std::fclose(file) == 0);
}

using Rows = std::vector<std::string>;

// The report's runs of rows between empty rows.  Notes may hold an empty row
// of their own (after the column header lines); mismatch and summary rows
// never do.
std::vector<Rows> Blocks(const Rows& rows)
{
    std::vector<Rows> blocks(1);
    for (const std::string& row : rows) {
        if (row.empty())
            blocks.emplace_back();
        else
            blocks.back().push_back(row);
    }
    blocks.pop_back();  // what follows the last empty row
    return blocks;
}

bool IsSummaryRow(const std::string& row)
{
    static const std::regex shape(" *[^ ]+:  +[0-9]+ matches(, +[0-9]+ mismatch[s ])?");
    return std::regex_match(row, shape);
}

bool IsMismatchRow(const std::string& row) { return row.rfind("MISMATCH - ", 0) == 0; }

template <typename Predicate>
bool All(const Rows& rows, Predicate predicate)
{
    return !rows.empty() && std::all_of(rows.begin(), rows.end(), predicate);
}

// The rows of the mismatch group: the block just before the summary, which is
// the last block.  Rows of a note (an unrecognised header field, say) may
// begin like a MISMATCH row, so beginnings alone do not tell the group.
std::size_t MismatchGroupRows(const Rows& rows)
{
    const std::vector<Rows> blocks = Blocks(rows);
    if (blocks.size() < 2 || !All(blocks.back(), IsSummaryRow))
        return 0;
    const Rows& before = blocks[blocks.size() - 2];
    return All(before, IsMismatchRow) ? before.size() : 0;
}

// The mismatches the summary counts, column by column.
std::size_t SummaryMismatches(const Rows& rows)
{
    const std::vector<Rows> blocks = Blocks(rows);
    if (blocks.empty() || !All(blocks.back(), IsSummaryRow))
        return 0;
    std::size_t count = 0;
    for (const std::string& row : blocks.back()) {
        const std::size_t comma = row.find(", ");
        if (comma != std::string::npos)
            count += std::strtoul(row.c_str() + comma + 2, nullptr, 10);
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const InputPair input = SplitInput(data, size);
    const std::string pagePath = WorkFolder() + "/page.html";
    const std::string listingPath = WorkFolder() + "/listing.csv";
    WriteFile(pagePath, input.page);
    WriteFile(listingPath, input.listing);

    CompareOptions options;
    options.submittedAsChecked = static_cast<std::int32_t>(size & 1);
    CollectingSink first;
    const RunOutcome outcome = RunComparison(pagePath, listingPath, options, first);
    Require(outcome.status == RunStatus::Completed);
    Require(outcome.mismatchLines == MismatchGroupRows(first.rows));
    Require(outcome.mismatchLines == SummaryMismatches(first.rows));
    Require(!first.rows.empty() && first.rows.back().empty());

    CollectingSink second;
    RunComparison(pagePath, listingPath, options, second);
    Require(second.rows == first.rows);
    return 0;
}
