#include "printed_jobs.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "linux_command.h"

namespace {

int JobNumber(const std::string& fileName)
{
    const std::size_t mark = fileName.rfind("-job_");
    return mark == std::string::npos ? 0 : std::atoi(fileName.c_str() + mark + 5);
}

std::string InfoField(const std::string& info, const std::string& field)
{
    std::istringstream lines(info);
    for (std::string line; std::getline(lines, line);) {
        if (line.compare(0, field.size() + 1, field + ":") == 0) {
            const std::size_t start = line.find_first_not_of(' ', field.size() + 1);
            return start == std::string::npos ? std::string() : line.substr(start);
        }
    }
    return std::string();
}

// The PostScript driver names the glyph of '-' "hyphen", which pdftotext
// reads back as a soft hyphen (U+00AD, UTF-8 C2 AD).
std::string PlainHyphens(std::string text)
{
    for (std::size_t at = 0; (at = text.find("\xC2\xAD", at)) != std::string::npos;)
        text.replace(at, 2, "-");
    return text;
}

// pdftotext -bbox writes the word texts as XML.
std::string XmlText(std::string text)
{
    for (auto [entity, plain] : {std::pair{"&apos;", "'"}, std::pair{"&quot;", "\""},
                                 std::pair{"&lt;", "<"}, std::pair{"&gt;", ">"},
                                 std::pair{"&amp;", "&"}}) {
        const std::string name = entity;
        for (std::size_t at = 0; (at = text.find(name, at)) != std::string::npos; ++at)
            text.replace(at, name.size(), plain);
    }
    return text;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    while (!lines.empty() && lines.back().find_first_not_of(' ') == std::string::npos)
        lines.pop_back();
    return lines;
}

double Attribute(const std::string& tag, const char* name)
{
    const std::size_t at = tag.find(std::string(name) + "=\"");
    return at == std::string::npos ? 0 : std::atof(tag.c_str() + at + std::char_traits<char>::length(name) + 2);
}

// Parses pdftotext -bbox output: <page ...> elements holding
// <word xMin=".." yMin=".." ...>text</word>.
std::vector<std::vector<PrintedWord>> ParseWords(const std::string& html)
{
    std::vector<std::vector<PrintedWord>> pages;
    for (std::size_t at = 0; (at = html.find('<', at)) != std::string::npos;) {
        const std::size_t end = html.find('>', at);
        if (end == std::string::npos)
            break;
        const std::string tag = html.substr(at, end - at + 1);
        if (tag.rfind("<page ", 0) == 0) {
            pages.emplace_back();
        } else if (tag.rfind("<word ", 0) == 0 && !pages.empty()) {
            const std::size_t close = html.find("</word>", end);
            PrintedWord word;
            word.text = XmlText(PlainHyphens(html.substr(end + 1, close - end - 1)));
            word.x = Attribute(tag, "xMin");
            word.right = Attribute(tag, "xMax");
            word.y = Attribute(tag, "yMin");
            pages.back().push_back(word);
        }
        at = end + 1;
    }
    return pages;
}

PrintedPdf ReadPdf(const std::string& folder, const std::string& fileName)
{
    PrintedPdf pdf;
    pdf.fileName = fileName;
    const std::string path = ShellQuote(folder + "/" + fileName);
    if (auto info = RunLinuxCommand("pdfinfo " + path)) {
        pdf.title = InfoField(info->output, "Title");
        pdf.pages = std::atoi(InfoField(info->output, "Pages").c_str());
    }
    if (auto text = RunLinuxCommand("pdftotext -layout " + path + " -")) {
        // pdftotext ends every page with a form feed.
        std::istringstream pages(PlainHyphens(text->output));
        for (std::string page; std::getline(pages, page, '\f');)
            pdf.lines.push_back(SplitLines(page));
        if (!pdf.lines.empty() && pdf.lines.back().empty() &&
            static_cast<int>(pdf.lines.size()) > pdf.pages)
            pdf.lines.pop_back();
    }
    if (auto boxes = RunLinuxCommand("pdftotext -bbox " + path + " -"))
        pdf.words = ParseWords(boxes->output);
    return pdf;
}

}  // namespace

bool PrinterInstalled(const std::string& name)
{
    DWORD needed = 0;
    DWORD count = 0;
    ::EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed,
                    &count);
    std::vector<BYTE> buffer(needed + 1);
    if (!::EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, buffer.data(),
                         needed, &needed, &count))
        return false;
    const auto* printers = reinterpret_cast<const PRINTER_INFO_4A*>(buffer.data());
    return std::any_of(printers, printers + count,
                       [&](const PRINTER_INFO_4A& p) { return p.pPrinterName && name == p.pPrinterName; });
}

PrintedJobs::PrintedJobs()
{
    const char* folder = std::getenv("TORNWICK_PRINT_DIR");
    if (!RunningUnderWine())
        whyNot_ = "the print tests read the printer's PDFs with Linux tools: run them under Wine";
    else if (!PrinterInstalled(kPrinter))
        whyNot_ = std::string("no printer \"") + kPrinter +
                   "\": source scripts/start-printer first (it needs cups and cups-pdf)";
    else if (!folder || !*folder)
        whyNot_ = "TORNWICK_PRINT_DIR does not name the printer's output folder: "
                   "source scripts/start-printer first";
    else {
        linuxFolder_ = folder;
        windowsFolder_ = WindowsPathOf(linuxFolder_);
        if (windowsFolder_.empty())
            whyNot_ = "cannot reach " + linuxFolder_ + " from Wine";
    }
}

std::set<std::string> PrintedJobs::PdfNames() const
{
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((windowsFolder_ + "\\*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.insert(found.cFileName);
    while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return names;
}

void PrintedJobs::Snapshot()
{
    before_ = PdfNames();
}

std::vector<PrintedPdf> PrintedJobs::Collect()
{
    // The job is in the queue once EndDoc has returned; cups-pdf writes the
    // PDF whole before the job leaves it.
    RunLinuxCommand(std::string("for i in $(seq 1200); do lpstat -o ") + kPrinter +
                        " | grep -q . || exit 0; sleep 0.1; done; exit 1",
                    130000);
    std::vector<std::string> fresh;
    for (const std::string& name : PdfNames())
        if (!before_.count(name))
            fresh.push_back(name);
    std::sort(fresh.begin(), fresh.end(),
              [](const std::string& a, const std::string& b) { return JobNumber(a) < JobNumber(b); });
    std::vector<PrintedPdf> pdfs;
    for (const std::string& name : fresh)
        pdfs.push_back(ReadPdf(linuxFolder_, name));
    return pdfs;
}
