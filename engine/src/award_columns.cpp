#include "award_columns.h"

#include <cstdint>
#include <cstdlib>
#include <iterator>

namespace {

constexpr std::array<const char*, kAwardColumnCount> kCompiledBands = {
    "MIX", "PHO", "CW", "RTTY", "IMG", "Sat", "160", "80", "60",
    "40",  "30",  "20", "17",   "15",  "12",  "10",  "6",  "2",
};

constexpr std::array<const char*, kAwardColumnCount> kCompiledFrequencies = {
    "MIX", "PHO", "CW", "RTTY", "IMG", "Sat", "1.8", "3.7", "5",
    "7",   "10",  "14", "18",   "21",  "24",  "28",  "50",  "144",
};

struct PrefixPair {
    std::string_view searched;  // the column the table is sorted by
    std::string_view result;
};

// (LoTW entity name, index key), sorted by name in byte order.  Names with an
// ampersand appear both plain and HTML-escaped.
constexpr PrefixPair kLotwEntityPrefixes[] = {
    {"ABU AIL IS. (DELETED)", "A1"},
    {"ANDORRA", "C3"},
    {"ANTARCTICA", "CE9"},
    {"ASIATIC RUSSIA", "UA9"},
    {"AUSTRAL ISLAND", "FO/A"},
    {"BAHAMAS", "C6"},
    {"BAJO NUEVO (DELETED)", "HK0/B"},
    {"BLENHEIM REEF (DELETED)", "1B"},
    {"BONAIRE", "PJ4"},
    {"BONAIRE,CURACAO (NETH ANTILLES) (DELETED)", "PJ2/D"},
    {"BOSNIA-HERZEGOVINA", "E7"},
    {"BOUVET ISLAND", "3Y/B"},
    {"COMORO ISLANDS (DELETED)", "FH/D"},
    {"CONWAY REEF", "3D2/C"},
    {"CURACAO", "PJ2"},
    {"CZECH REPUBLIC", "OK"},
    {"CZECHOSLOVAKIA (DELETED)", "OK/D"},
    {"DAMAO, DIU (DELETED)", "CR8/D"},
    {"DPRK (NORTH KOREA)", "P5"},
    {"DUCIE ISLAND", "VP6/D"},
    {"ENGLAND", "G"},
    {"FIJI ISLANDS", "3D2"},
    {"GERMAN DEMOCRATIC REPUBLIC (DELETED)", "DM"},
    {"GERMANY (DELETED)", "DL/D"},
    {"GEYSER REEF (DELETED)", "1G"},
    {"GOA (DELETED)", "CR8/G"},
    {"GUINEA", "3X"},
    {"HAWAII", "KH6"},
    {"HEARD ISLAND", "VK0/H"},
    {"IFNI (DELETED)", "EA9/I"},
    {"ITU HQ", "4U/IT"},
    {"MACQUARIE ISLAND", "VK0/M"},
    {"MALAYA (DELETED)", "VS2"},
    {"MALPELO ISLAND", "HK0/M"},
    {"MANCHURIA (DELETED)", "C9/M"},
    {"MARKET REEF", "OJ0"},
    {"MARQUESAS ISLAND", "FO/M"},
    {"MINAMI TORISHIMA", "JD1/M"},
    {"MONTENEGRO", "4O"},
    {"MOZAMBIQUE", "C9"},
    {"NAURU", "C2"},
    {"NORTH COOK ISLANDS", "E5/N"},
    {"NORTHERN IRELAND", "GI"},
    {"OGASAWARA", "JD1/O"},
    {"OKINAWA (DELETED)", "KR6"},
    {"PALESTINE (DELETED)", "ZC6"},
    {"PAPUA TERRITORY (DELETED)", "VK9/P"},
    {"PETER 1 ISLAND", "3Y/P"},
    {"PORTUGUESE TIMOR (DELETED)", "CR8/T"},
    {"PUERTO RICO", "KP4"},
    {"REPUBLIC OF KOREA", "HL"},
    {"ROTUMA", "3D2/R"},
    {"RUANDA-URUNDI (DELETED)", "9U5"},
    {"SABA & ST EUSTATIUS", "PJ5"},
    {"SABA &amp; ST EUSTATIUS", "PJ5"},
    {"SARDINIA", "IS0"},
    {"SAUDI ARABIA/IRAQ NEUT ZONE", "8Z4"},
    {"SCOTLAND", "GM"},
    {"SERRANA BANK & RONCADOR CAY (DELETED)", "HK0/S"},
    {"SERRANA BANK &amp; RONCADOR CAY (DELETED)", "HK0/S"},
    {"SINT MAARTEN", "PJ7"},
    {"SINT MAARTEN, SABA, ST EUSTATIUS (DELETED)", "PJ7/D"},
    {"SOUTH COOK ISLANDS", "E5/S"},
    {"SOUTH GEORGIA ISLAND", "VP8/G"},
    {"SOUTH ORKNEY ISLANDS", "VP8/O"},
    {"SOUTH SANDWICH ISLANDS", "VP8/S"},
    {"SOUTH SHETLAND ISLANDS", "VP8/H"},
    {"SOUTHERN SUDAN (DELETED)", "ST0"},
    {"SOV MILITARY ORDER OF MALTA", "1A0"},
    {"SPRATLY ISLANDS", "1S"},
    {"SUDAN", "ST"},
    {"SWAINS ISLAND", "KH8/S"},
    {"TERRITORY OF NEW GUINEA (DELETED)", "VK9/T"},
    {"TOGO", "5V"},
    {"UNITED NATIONS HQ", "4U/UN"},
    {"UNITED STATES OF AMERICA", "K"},
    {"VIET NAM", "3W"},
    {"WALES", "GW"},
    {"YEMEN ARAB REPUBLIC (DELETED)", "4W/D"},
};

// (VELLUM prefix, index key), sorted by the VELLUM prefix in byte order.
constexpr PrefixPair kPrefixAliases[] = {
    {"3B6", "3B7"},     {"3XA", "3X"},      {"4J1", "R1M"},   {"4K2", "R1F"},
    {"4W1", "4W"},      {"7O/D", "VS9A"},   {"BS7", "BS7H"},  {"BV9", "BV9P"},
    {"CE0A", "CE0Y"},   {"E6", "Z7"},       {"EM", "UT"},     {"FO/C", "FO0"},
    {"FT/W", "FT5W"},   {"FT/X", "FT5X"},   {"FT/Z", "FT5Z"}, {"IS", "IS0"},
    {"JD/M", "JD1/M"},  {"JD/O", "JD1/O"},  {"KC4", "CE9"},   {"KC6", "T8"},
    {"KH7", "KH7K"},    {"P2/G", "VK9/T"},  {"P2/P", "VK9/P"}, {"PY0P", "PY0S"},
    {"SY", "SV/A"},     {"T9", "E7"},       {"UK", "UJ"},     {"VK9Z", "VK9W"},
    {"VR2", "VR"},      {"VU7/A", "VU4"},   {"VU7/L", "VU7"}, {"W", "K"},
    {"Y2", "DM"},       {"Z7", "4O"},       {"ZB", "ZB2"},    {"ZK1/N", "E5/N"},
    {"ZK1/S", "E5/S"},
};

// Where the entries beginning with each byte lie in a table sorted by its
// searched column: entries [first[b], first[b + 1]) begin with byte b.  A
// search then compares only the few entries that share the query's first
// byte (most queries, like most made-up prefixes, share it with none).
template <std::size_t N>
struct FirstByteRanges {
    explicit FirstByteRanges(const PrefixPair (&table)[N])
    {
        std::size_t entry = 0;
        for (std::size_t byte = 0; byte < 256; ++byte) {
            first[byte] = static_cast<std::uint16_t>(entry);
            while (entry < N && static_cast<unsigned char>(table[entry].searched.front()) == byte)
                ++entry;
        }
        first[256] = static_cast<std::uint16_t>(N);
    }

    std::array<std::uint16_t, 257> first{};
};

// Binary search over a table sorted by its searched column; nullptr when the
// query is not in it.  string_view compares chars as unsigned bytes, the
// order the tables are sorted in.
template <std::size_t N>
const PrefixPair* Find(const PrefixPair (&table)[N], const FirstByteRanges<N>& ranges,
                       std::string_view query)
{
    if (query.empty())
        return nullptr;  // no entry is empty
    const auto byte = static_cast<unsigned char>(query.front());
    std::size_t low = ranges.first[byte];
    std::size_t high = ranges.first[byte + 1];  // one past the last candidate
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        const int order = query.compare(table[mid].searched);
        if (order == 0)
            return &table[mid];
        if (order > 0)
            low = mid + 1;
        else
            high = mid;
    }
    return nullptr;
}

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

// The (name, fallback) order mirrors how a page row reads; tests pin it.
std::string_view LotwNameToKey(std::string_view entityName, std::string_view fallbackPrefix)
{
    static const FirstByteRanges<std::size(kLotwEntityPrefixes)> ranges(kLotwEntityPrefixes);
    const PrefixPair* pair = Find(kLotwEntityPrefixes, ranges, entityName);
    return pair ? pair->result : fallbackPrefix;
}

std::string_view ListingPrefixToKey(std::string_view prefix)
{
    static const FirstByteRanges<std::size(kPrefixAliases)> ranges(kPrefixAliases);
    const PrefixPair* pair = Find(kPrefixAliases, ranges, prefix);
    return pair ? pair->result : prefix;
}
