#include "case_rows.h"

#include "file_bytes.h"

std::string CasePath(const std::string& name)
{
    return std::string(TORNWICK_CASES_DIR) + "/" + name;
}

std::vector<std::string> CaseRows(const std::string& name)
{
    std::string bytes;
    std::vector<std::string> rows;
    if (!ReadFileBytes(CasePath(name) + "/out", bytes))
        return rows;
    std::size_t start = 0;
    for (std::size_t end = bytes.find('\n'); end != std::string::npos; end = bytes.find('\n', start)) {
        rows.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return rows;
}
