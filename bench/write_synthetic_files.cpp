// write-synthetic-files FOLDER [ROWS...]: writes the benchmark's synthetic
// pairs (synthetic_files.h) into FOLDER, for the command-line measurements
// and the comparison with a reference build (bench/compare-with-reference):
// the pairs of 10^3 to 10^6 entities, or those of the ROWS given, and the
// report-heavy pair.  Prints the path of every file.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "synthetic_files.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: write-synthetic-files FOLDER [ROWS...]\n");
        return 2;
    }
    const std::string folder = argv[1];
    std::vector<SyntheticPair> pairs;
    if (argc == 2) {
        for (std::size_t rows : {1000, 10000, 100000, 1000000})
            pairs.push_back(WriteSyntheticPair(folder, rows));
    }
    for (int i = 2; i < argc; ++i)
        pairs.push_back(WriteSyntheticPair(folder, std::strtoul(argv[i], nullptr, 10)));
    pairs.push_back(WriteReportHeavyPair(folder));
    for (const SyntheticPair& pair : pairs) {
        if (pair.bytes == 0) {
            std::fprintf(stderr, "could not write %s\n", pair.pagePath.c_str());
            return 1;
        }
        std::printf("%s\n%s\n", pair.pagePath.c_str(), pair.listingPath.c_str());
    }
    return 0;
}
