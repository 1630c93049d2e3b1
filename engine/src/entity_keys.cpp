#include "entity_keys.h"

#include <algorithm>
#include <iterator>

namespace {

struct PrefixPair {
    std::string_view searched;  // the column the table is sorted by
    std::string_view result;
};

// (LoTW entity name, index key), sorted by name in byte order.  Names with an
// ampersand appear both plain and HTML-escaped.
constexpr PrefixPair kLotwEntityPrefixes[] = {
    {"ABU AIL IS. (DELETED)", "A1"}, {"ANDORRA", "C3"},
    {"ANTARCTICA", "CE9"}, {"ASIATIC RUSSIA", "UA9"},
    {"AUSTRAL ISLAND", "FO/A"}, {"BAHAMAS", "C6"},
    {"BAJO NUEVO (DELETED)", "HK0/B"}, {"BLENHEIM REEF (DELETED)", "1B"},
    {"BONAIRE", "PJ4"}, {"BONAIRE,CURACAO (NETH ANTILLES) (DELETED)", "PJ2/D"},
    {"BOSNIA-HERZEGOVINA", "E7"}, {"BOUVET ISLAND", "3Y/B"},
    {"COMORO ISLANDS (DELETED)", "FH/D"}, {"CONWAY REEF", "3D2/C"},
    {"CURACAO", "PJ2"}, {"CZECH REPUBLIC", "OK"},
    {"CZECHOSLOVAKIA (DELETED)", "OK/D"}, {"DAMAO, DIU (DELETED)", "CR8/D"},
    {"DPRK (NORTH KOREA)", "P5"}, {"DUCIE ISLAND", "VP6/D"},
    {"ENGLAND", "G"}, {"FIJI ISLANDS", "3D2"},
    {"GERMAN DEMOCRATIC REPUBLIC (DELETED)", "DM"}, {"GERMANY (DELETED)", "DL/D"},
    {"GEYSER REEF (DELETED)", "1G"}, {"GOA (DELETED)", "CR8/G"},
    {"GUINEA", "3X"}, {"HAWAII", "KH6"},
    {"HEARD ISLAND", "VK0/H"}, {"IFNI (DELETED)", "EA9/I"},
    {"ITU HQ", "4U/IT"}, {"MACQUARIE ISLAND", "VK0/M"},
    {"MALAYA (DELETED)", "VS2"}, {"MALPELO ISLAND", "HK0/M"},
    {"MANCHURIA (DELETED)", "C9/M"}, {"MARKET REEF", "OJ0"},
    {"MARQUESAS ISLAND", "FO/M"}, {"MINAMI TORISHIMA", "JD1/M"},
    {"MONTENEGRO", "4O"}, {"MOZAMBIQUE", "C9"},
    {"NAURU", "C2"}, {"NORTH COOK ISLANDS", "E5/N"},
    {"NORTHERN IRELAND", "GI"}, {"OGASAWARA", "JD1/O"},
    {"OKINAWA (DELETED)", "KR6"}, {"PALESTINE (DELETED)", "ZC6"},
    {"PAPUA TERRITORY (DELETED)", "VK9/P"}, {"PETER 1 ISLAND", "3Y/P"},
    {"PORTUGUESE TIMOR (DELETED)", "CR8/T"}, {"PUERTO RICO", "KP4"},
    {"REPUBLIC OF KOREA", "HL"}, {"ROTUMA", "3D2/R"},
    {"RUANDA-URUNDI (DELETED)", "9U5"}, {"SABA & ST EUSTATIUS", "PJ5"},
    {"SABA &amp; ST EUSTATIUS", "PJ5"}, {"SARDINIA", "IS0"},
    {"SAUDI ARABIA/IRAQ NEUT ZONE", "8Z4"}, {"SCOTLAND", "GM"},
    {"SERRANA BANK & RONCADOR CAY (DELETED)", "HK0/S"},
    {"SERRANA BANK &amp; RONCADOR CAY (DELETED)", "HK0/S"}, {"SINT MAARTEN", "PJ7"},
    {"SINT MAARTEN, SABA, ST EUSTATIUS (DELETED)", "PJ7/D"}, {"SOUTH COOK ISLANDS", "E5/S"},
    {"SOUTH GEORGIA ISLAND", "VP8/G"}, {"SOUTH ORKNEY ISLANDS", "VP8/O"},
    {"SOUTH SANDWICH ISLANDS", "VP8/S"}, {"SOUTH SHETLAND ISLANDS", "VP8/H"},
    {"SOUTHERN SUDAN (DELETED)", "ST0"}, {"SOV MILITARY ORDER OF MALTA", "1A0"},
    {"SPRATLY ISLANDS", "1S"}, {"SUDAN", "ST"},
    {"SWAINS ISLAND", "KH8/S"}, {"TERRITORY OF NEW GUINEA (DELETED)", "VK9/T"},
    {"TOGO", "5V"}, {"UNITED NATIONS HQ", "4U/UN"},
    {"UNITED STATES OF AMERICA", "K"}, {"VIET NAM", "3W"},
    {"WALES", "GW"}, {"YEMEN ARAB REPUBLIC (DELETED)", "4W/D"},
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

// The entry whose searched column equals query, or nullptr.  string_view
// compares bytes as unsigned, the order the tables are sorted in.
template <std::size_t N>
const PrefixPair* Find(const PrefixPair (&table)[N], std::string_view query)
{
    const PrefixPair* const end = std::end(table);
    const PrefixPair* found = std::lower_bound(
        std::begin(table), end, query,
        [](const PrefixPair& pair, std::string_view key) { return pair.searched < key; });
    return found != end && found->searched == query ? found : nullptr;
}

}  // namespace

std::string_view LotwNameToKey(std::string_view entityName, std::string_view fallbackPrefix)
{
    const PrefixPair* pair = Find(kLotwEntityPrefixes, entityName);
    return pair ? pair->result : fallbackPrefix;
}

std::string_view ListingPrefixToKey(std::string_view prefix)
{
    const PrefixPair* pair = Find(kPrefixAliases, prefix);
    return pair ? pair->result : prefix;
}
