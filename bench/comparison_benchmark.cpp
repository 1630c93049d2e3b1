// The comparison's speed against the plain cost of reading its two files.
//
// For the bundled samples and for synthetic pairs of 10^3 to 10^6 entities
// (synthetic_files.h), three measurements side by side (and, last, the
// report-heavy pair compared into a counting sink):
//   BareRead    reads both files line by line with fgets into a 2048-byte
//               buffer and does nothing else: the floor for any comparison;
//   Compare     RunComparison into a sink that only counts the rows;
//   CompareKept RunComparison into a sink that keeps every row as a string,
//               as tornwick-compare and the window's result list do.
// Each reports rows (entities) and bytes (both files) per second and the time
// per entity row, all from CPU time: the work is single-threaded and the
// files come from the page cache, so on an idle machine CPU time is the wall
// time, and on a shared one it is the steadier figure.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "compare.h"
#include "synthetic_files.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

class CountingSink : public ReportSink {
public:
    void Clear() override { rows = bytes = 0; }
    void Append(std::string_view row) override
    {
        ++rows;
        bytes += row.size();
    }

    std::size_t rows = 0;
    std::size_t bytes = 0;
};

std::size_t ReadLines(const std::string& path)
{
    File file(std::fopen(path.c_str(), "r"));
    std::array<char, 2048> buffer;
    std::size_t lines = 0;
    while (file && std::fgets(buffer.data(), static_cast<int>(buffer.size()), file.get()))
        ++lines;
    return lines;
}

// Argument 0 stands for the samples, any other for a synthetic pair.
SyntheticPair PairFor(std::int64_t rows)
{
    if (rows == 0) {
        SyntheticPair samples;
        samples.pagePath = TORNWICK_SAMPLES_DIR "/lotw-credit-matrix.html";
        samples.listingPath = TORNWICK_SAMPLES_DIR "/vellum-dxcc.csv";
        samples.rows = ReadLines(samples.listingPath) - 1;
        samples.bytes = FileBytes(samples.pagePath) + FileBytes(samples.listingPath);
        return samples;
    }
    return WriteSyntheticPair(TORNWICK_BENCH_DATA_DIR, static_cast<std::size_t>(rows));
}

void SetCounters(benchmark::State& state, const SyntheticPair& pair)
{
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * pair.rows));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * pair.bytes));
    // Seconds per entity row (shown with an SI prefix: 250n is 250 ns).
    state.counters["per_row"] = benchmark::Counter(
        static_cast<double>(pair.rows),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BareRead(benchmark::State& state)
{
    const SyntheticPair pair = PairFor(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadLines(pair.pagePath) + ReadLines(pair.listingPath));
    SetCounters(state, pair);
}

template <class Sink>
void RunAndCount(benchmark::State& state, const SyntheticPair& pair, Sink& sink)
{
    for (auto _ : state) {
        CompareOptions options;
        const RunOutcome outcome = RunComparison(pair.pagePath, pair.listingPath, options, sink);
        if (outcome.status != RunStatus::Completed) {
            state.SkipWithError(outcome.message.c_str());
            return;
        }
        state.counters["mismatch_lines"] = static_cast<double>(outcome.mismatchLines);
    }
    SetCounters(state, pair);
}

void Compare(benchmark::State& state)
{
    const SyntheticPair pair = PairFor(state.range(0));
    CountingSink sink;
    RunAndCount(state, pair, sink);
    state.counters["report_bytes"] = static_cast<double>(sink.bytes);
}

void CompareKept(benchmark::State& state)
{
    const SyntheticPair pair = PairFor(state.range(0));
    CollectingSink sink;
    RunAndCount(state, pair, sink);
}

// The report-heavy pair (synthetic_files.h): every listing cell a MISMATCH
// line, a report some 40 times the listing.
void CompareReportHeavy(benchmark::State& state)
{
    const SyntheticPair pair = WriteReportHeavyPair(TORNWICK_BENCH_DATA_DIR);
    CountingSink sink;
    RunAndCount(state, pair, sink);
    state.counters["report_bytes"] = static_cast<double>(sink.bytes);
}

void Sizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgName("rows")->Unit(benchmark::kMillisecond);
    for (std::int64_t rows : {0, 1000, 10000, 100000})
        benchmark->Arg(rows);
}

// A million rows take a second or more a run: a few runs are plenty.
void Million(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgName("rows")->Unit(benchmark::kMillisecond);
    benchmark->Arg(1000000)->Iterations(3);
}

}  // namespace

BENCHMARK(BareRead)->Apply(Sizes);
BENCHMARK(Compare)->Apply(Sizes);
BENCHMARK(CompareKept)->Apply(Sizes);
BENCHMARK(BareRead)->Apply(Million);
BENCHMARK(Compare)->Apply(Million);
BENCHMARK(CompareKept)->Apply(Million);
BENCHMARK(CompareReportHeavy)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
