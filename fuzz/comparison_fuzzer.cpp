// Runs whole comparisons of a fuzzed page and a fuzzed listing (see
// split_input.h) through the engine's entry point, from files on disk as the
// program does.  Checks that
//   - the run completes and its outcome counts the rows it wrote;
//   - a second run with the same options record gives the same rows: nothing
//     one comparison changes may leak into the next.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

std::size_t MismatchRows(const std::vector<std::string>& rows)
{
    std::size_t count = 0;
    for (const std::string& row : rows)
        count += row.rfind("MISMATCH - ", 0) == 0 ? 1 : 0;
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
    Require(outcome.mismatchLines == MismatchRows(first.rows));
    Require(!first.rows.empty() && first.rows.back().empty());

    CollectingSink second;
    RunComparison(pagePath, listingPath, options, second);
    Require(second.rows == first.rows);
    return 0;
}
