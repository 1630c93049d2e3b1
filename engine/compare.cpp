#include "compare.h"

#include <cstdio>
#include <memory>

#include "award_columns.h"
#include "entity_index.h"
#include "format.h"
#include "listing_pass.h"
#include "lotw_reader.h"
#include "report_lists.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File OpenForReading(const std::string& path)
{
    return File(std::fopen(path.c_str(), "r"));
}

}  // namespace

RunOutcome RunComparison(const std::string& htmlPath, const std::string& csvPath,
                         CompareOptions& options, ReportSink& resultList)
{
    RunOutcome outcome;
    // Both files are opened before anything changes, so a file that cannot
    // be opened leaves the shown report and the options as they were.
    File page = OpenForReading(htmlPath);
    if (!page) {
        outcome.status = RunStatus::HtmlNotOpened;
        outcome.message = Format("ERROR:  Could not open HTML file %s.", htmlPath.c_str());
        return outcome;
    }
    File listing = OpenForReading(csvPath);
    if (!listing) {
        outcome.status = RunStatus::CsvNotOpened;
        outcome.message = Format("ERROR:  Could not open CSV file %s.", csvPath.c_str());
        return outcome;
    }

    const EntityIndex index = ReadLotwMatrix(page.get());
    page.reset();

    // Every comparison starts from the compiled names and without a delete
    // column, so no listing is read with what an earlier one set.
    AwardColumnNames names;
    options.hasDeleteColumn = 0;
    ReportLists lists;
    const ListingPassResult pass = CompareListing(listing.get(), lists, index, options, names);
    listing.reset();

    outcome.headerUnderstood = pass.headerUnderstood;
    outcome.mismatchLines = lists.Group(MismatchGroup).size();
    outcome.problemNotes = lists.Group(NotesGroup).size() - pass.headerNotes;

    resultList.Clear();
    ReportShowAll(lists, resultList);
    return outcome;
}
