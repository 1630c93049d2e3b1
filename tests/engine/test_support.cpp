#include "test_support.h"

#include <gtest/gtest.h>

File StreamOf(std::string_view bytes)
{
    File file(std::tmpfile());
    if (!file) {
        ADD_FAILURE() << "tmpfile failed";
        return file;
    }
    std::fwrite(bytes.data(), 1, bytes.size(), file.get());
    std::rewind(file.get());
    return file;
}

std::string Fixture(const char* name)
{
    return std::string(TORNWICK_FIXTURE_DIR) + "/" + name;
}

std::string ScratchPath(const std::string& name)
{
    const std::string path = std::string(TORNWICK_SCRATCH_DIR) + "/" + name;
    std::remove(path.c_str());
    return path;
}

std::vector<std::string> CompareFixtures(const char* html, const char* csv, int submittedAsChecked)
{
    CompareOptions options;
    options.submittedAsChecked = submittedAsChecked;
    RowSink sink;
    const RunOutcome outcome = RunComparison(Fixture(html), Fixture(csv), options, sink);
    EXPECT_EQ(outcome.status, RunStatus::Completed) << outcome.message;
    // The size announced before the rows is the size of the rows that came.
    std::size_t bytes = 0;
    for (const std::string& row : sink.rows)
        bytes += row.size();
    EXPECT_EQ(sink.reserved, std::make_pair(sink.rows.size(), bytes));
    return sink.rows;
}
