// stream-compare [--submitted-as-checked] PAGE LISTING: one comparison whose
// rows go to standard output as the engine hands them out, in its blocks,
// each row ended by a line feed - the command line's report with a sink
// that keeps nothing.  For whole-process time and peak memory of the engine
// with a streaming sink:
//
//     /usr/bin/time -f "%e s %M KB" stream-compare PAGE LISTING >/dev/null
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "compare.h"

namespace {

class StreamSink : public ReportSink {
public:
    explicit StreamSink(std::FILE* out) : out_(out) {}

    void Clear() override {}
    void Append(std::string_view row) override
    {
        AppendRows(row);
        AppendRows("\n");
    }
    void AppendRows(std::string_view rows) override
    {
        written_ = written_ && std::fwrite(rows.data(), 1, rows.size(), out_) == rows.size();
    }

    bool Written() const { return written_; }

private:
    std::FILE* out_;
    bool written_ = true;
};

}  // namespace

int main(int argc, char** argv)
{
    CompareOptions options;
    int first = 1;
    if (argc > 1 && std::strcmp(argv[1], "--submitted-as-checked") == 0) {
        options.submittedAsChecked = 1;
        ++first;
    }
    if (argc - first != 2) {
        std::fprintf(stderr, "usage: stream-compare [--submitted-as-checked] PAGE LISTING\n");
        return 2;
    }
    StreamSink sink(stdout);
    const RunOutcome outcome = RunComparison(std::string(argv[first]), std::string(argv[first + 1]), options, sink);
    if (outcome.status != RunStatus::Completed) {
        std::fprintf(stderr, "%s\n", outcome.message.c_str());
        return 2;
    }
    return sink.Written() && std::fflush(stdout) == 0 ? 0 : 2;
}
