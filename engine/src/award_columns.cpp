#include "award_columns.h"

#include <cstdlib>

namespace {

constexpr std::array<const char*, kAwardColumnCount> kCompiledBands = {
    "MIX", "PHO", "CW", "RTTY", "IMG", "Sat", "160", "80", "60",
    "40",  "30",  "20", "17",   "15",  "12",  "10",  "6",  "2",
};

constexpr std::array<const char*, kAwardColumnCount> kCompiledFrequencies = {
    "MIX", "PHO", "CW", "RTTY", "IMG", "Sat", "1.8", "3.7", "5",
    "7",   "10",  "14", "18",   "21",  "24",  "28",  "50",  "144",
};

}  // namespace

AwardColumnNames::AwardColumnNames()
{
    for (int column = 0; column < kAwardColumnCount; ++column) {
        bands_[column] = kCompiledBands[column];
        frequencies_[column] = kCompiledFrequencies[column];
    }
}

void AwardColumnNames::Rename(int column, std::string_view name)
{
    bands_[column] = name;
    frequencies_[column] = name;
}

bool AwardColumnNames::IsNumeric(int column) const
{
    return std::atoi(bands_[column].c_str()) != 0;
}
