// award_columns.h - the 18 award columns and their names.
//
// An award column is an index 0 to 17: 0-4 the modes (MIX, PHO, CW, RTTY,
// IMG), 5 satellite, 6-17 the bands from 160 m to 2 m.  VELLUM names the
// columns either by band in metres or by frequency in MHz.  One comparison
// owns an AwardColumnNames, which starts out as the compiled tables; the
// listing header analysis may rename the MIX and RTTY columns ("Mix" and
// "DIG") for the rest of that comparison only.
#pragma once

#include <array>
#include <cstdlib>
#include <string>
#include <string_view>

constexpr int kAwardColumnCount = 18;
constexpr int kFirstBandColumn = 6;   // 160 m

// How a listing names its band columns.
enum class ColumnNaming { Bands, Frequencies };

class AwardColumnNames {
public:
    // column must be 0 to 17.
    std::string_view Band(int column) const { return bands_[column]; }
    std::string_view Frequency(int column) const { return frequencies_[column]; }
    std::string_view Name(ColumnNaming naming, int column) const
    {
        return naming == ColumnNaming::Bands ? Band(column) : Frequency(column);
    }

    // Gives a column a new name in both tables.
    void Rename(int column, std::string_view name)
    {
        bands_[column] = name;
        frequencies_[column] = name;
    }

    // True when the current band name begins with a decimal number other
    // than 0: the band columns 6 to 17.  Report lines use it to pick their
    // band or plain format under either naming.
    bool IsNumeric(int column) const { return std::atoi(bands_[column].c_str()) != 0; }

private:
    std::array<std::string, kAwardColumnCount> bands_ = {
        "MIX", "PHO", "CW", "RTTY", "IMG", "Sat", "160", "80", "60",
        "40",  "30",  "20", "17",   "15",  "12",  "10",  "6",  "2",
    };
    std::array<std::string, kAwardColumnCount> frequencies_ = {
        "MIX", "PHO", "CW", "RTTY", "IMG", "Sat", "1.8", "3.7", "5",
        "7",   "10",  "14", "18",   "21",  "24",  "28",  "50",  "144",
    };
};
