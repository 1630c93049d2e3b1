#include "synthetic_files.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

constexpr int kAwardColumns = 18;
constexpr int kImgColumn = 4;
constexpr int k60mColumn = 8;
constexpr unsigned kDisagreePerMille = 50;

const char* const kListingHeader =
    "Prefix,Country,MIX,PHO,CW,RTTY,IMG,Sat,160,80,60,40,30,20,17,15,12,10,6,2\r\n";

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// A small, fast generator; the same seed gives the same files everywhere.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint32_t Next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<std::uint32_t>(state_ >> 11);
    }
    bool PerMille(unsigned count) { return Next() % 1000 < count; }

private:
    std::uint64_t state_;
};

// Distinct for every i below 2^32: multiplying by an odd number permutes the
// 32-bit values.  Written in base 36 after a letter, like "Q1Z8K3".
std::string MadeUpPrefix(std::uint32_t i)
{
    std::uint32_t value = i * 2654435761u;
    std::string digits;
    do {
        digits += "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"[value % 36];
        value /= 36;
    } while (value != 0);
    return "Q" + digits;
}

struct Entity {
    std::string prefix;
    std::string name;
    char lotw[kAwardColumns];     // 'X' or ' '
    char listing[kAwardColumns];  // the listing cell's status letter
};

Entity MakeEntity(std::size_t i, Random& random, std::size_t& disagreeing)
{
    Entity entity;
    if (i == 0) {
        entity.prefix = "A1";
        entity.name = "ABU AIL IS. (DELETED)";
    } else {
        entity.prefix = MadeUpPrefix(static_cast<std::uint32_t>(i));
        char name[32];
        std::snprintf(name, sizeof name, "ENTITY %07zu", i);
        entity.name = name;
    }
    static const char kUnchecked[] = {'C', '\xB7', 'W', 'M'};
    for (int column = 0; column < kAwardColumns; ++column) {
        const bool onPage = column != kImgColumn && column != k60mColumn;
        const bool credit = onPage && random.PerMille(500);
        const bool disagree = random.PerMille(kDisagreePerMille);
        disagreeing += disagree ? 1 : 0;
        entity.lotw[column] = credit ? 'X' : ' ';
        entity.listing[column] = credit != disagree ? '*' : kUnchecked[random.Next() % 4];
    }
    return entity;
}

void WritePage(std::FILE* file, const std::vector<Entity>& entities)
{
    std::fputs("<html><head><title>LoTW - Award Credit Matrix</title></head><body>\n"
               "<table class=\"matrix\">\n"
               "<tr><th>Prefix</th><th>Entity</th><th>Credits</th><th>MIX</th></tr>\n",
               file);
    std::string line;
    for (const Entity& entity : entities) {
        line = "<tr><td>" + entity.prefix + "</td><td>" + entity.name + "</td><td>0</td>";
        for (int column = 0; column < kAwardColumns; ++column) {
            if (column == kImgColumn || column == k60mColumn)
                continue;
            line += entity.lotw[column] == 'X' ? "<td>X</td>" : "<td>&nbsp;</td>";
        }
        line += "</tr>\n";
        std::fputs(line.c_str(), file);
    }
    std::fputs("</table>\n</body></html>\n", file);
}

void WriteListing(std::FILE* file, std::vector<Entity>& entities)
{
    std::sort(entities.begin(), entities.end(),
              [](const Entity& a, const Entity& b) { return a.prefix < b.prefix; });
    std::fputs(kListingHeader, file);
    std::string line;
    for (const Entity& entity : entities) {
        line = entity.prefix + "," + entity.name;
        for (char cell : entity.listing) {
            line += ',';
            line += cell;
        }
        line += "\r\n";
        std::fputs(line.c_str(), file);
    }
}

// Writes both files under temporary names and renames them when whole, so
// an interrupted run leaves nothing that looks complete; a complete earlier
// pair is kept.
template <class WriteBoth>
void WriteOnce(SyntheticPair& pair, WriteBoth write)
{
    if (FileBytes(pair.pagePath) == 0 || FileBytes(pair.listingPath) == 0) {
        std::filesystem::create_directories(std::filesystem::path(pair.pagePath).parent_path());
        const std::string pagePart = pair.pagePath + ".part";
        const std::string listingPart = pair.listingPath + ".part";
        File page(std::fopen(pagePart.c_str(), "wb"));
        File listing(std::fopen(listingPart.c_str(), "wb"));
        if (page && listing) {
            write(page.get(), listing.get());
            page.reset();
            listing.reset();
            std::filesystem::rename(pagePart, pair.pagePath);
            std::filesystem::rename(listingPart, pair.listingPath);
        }
    }
    pair.bytes = FileBytes(pair.pagePath) + FileBytes(pair.listingPath);
}

}  // namespace

SyntheticPair WriteReportHeavyPair(const std::string& folder)
{
    constexpr std::size_t kRows = 50000;
    constexpr int kRepeats = 5;
    SyntheticPair pair;
    pair.rows = kRows;
    pair.pagePath = folder + "/report-heavy.html";
    pair.listingPath = folder + "/report-heavy.csv";
    std::vector<Entity> entities;
    entities.reserve(kRows);
    for (std::size_t i = 0; i < kRows; ++i) {
        Random random(i);
        std::size_t ignored = 0;
        Entity entity = MakeEntity(i, random, ignored);
        std::fill(std::begin(entity.lotw), std::end(entity.lotw), ' ');
        std::fill(std::begin(entity.listing), std::end(entity.listing), '*');
        entities.push_back(std::move(entity));
    }
    pair.disagreeing = kRows * kAwardColumns * kRepeats;
    WriteOnce(pair, [&entities](std::FILE* page, std::FILE* listing) {
        WritePage(page, entities);
        std::sort(entities.begin(), entities.end(),
                  [](const Entity& a, const Entity& b) { return a.prefix < b.prefix; });
        std::string header = "Prefix,Country";
        const std::string columns = std::string(kListingHeader).substr(14);  // ",MIX,...,2\r\n"
        const std::string names = columns.substr(0, columns.size() - 2);
        for (int repeat = 0; repeat < kRepeats; ++repeat)
            header += names;
        std::fputs((header + "\r\n").c_str(), listing);
        std::string line;
        for (const Entity& entity : entities) {
            line = entity.prefix + "," + entity.name;
            for (int repeat = 0; repeat < kRepeats; ++repeat)
                line += ",*,*,*,*,*,*,*,*,*,*,*,*,*,*,*,*,*,*";
            line += "\r\n";
            std::fputs(line.c_str(), listing);
        }
    });
    return pair;
}

std::uintmax_t FileBytes(const std::string& path)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

SyntheticPair WriteSyntheticPair(const std::string& folder, std::size_t rows)
{
    SyntheticPair pair;
    pair.rows = rows;
    pair.pagePath = folder + "/rows-" + std::to_string(rows) + ".html";
    pair.listingPath = folder + "/rows-" + std::to_string(rows) + ".csv";

    Random random(rows);
    std::vector<Entity> entities;
    entities.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i)
        entities.push_back(MakeEntity(i, random, pair.disagreeing));

    // The files depend on nothing but rows: a complete earlier pair is kept.
    WriteOnce(pair, [&entities](std::FILE* page, std::FILE* listing) {
        WritePage(page, entities);
        WriteListing(listing, entities);
    });
    return pair;
}
