// printed_jobs.h - what the PDF printer made of the print jobs.
//
// The test printer "tornwick-pdf" (set up by scripts/start-printer) turns
// every job into a PDF named "<job name>-job_<number>.pdf" in the folder that
// TORNWICK_PRINT_DIR names.  A test takes a snapshot of that folder, prints,
// then collects the PDFs that appeared and reads them with pdfinfo and
// pdftotext:
//
//     PrintedJobs jobs;
//     if (!jobs.Usable()) GTEST_SKIP() << jobs.WhyNot();
//     jobs.Snapshot();
//     ... print ...
//     std::vector<PrintedPdf> pdfs = jobs.Collect();
#pragma once

#include <set>
#include <string>
#include <vector>

struct PrintedWord {
    std::string text;
    double x = 0;      // left edge, in points from the page's left edge
    double right = 0;  // right edge, likewise
    double y = 0;  // top edge, in points from the page's top edge
};

struct PrintedPdf {
    std::string fileName;                         // e.g. "TORNWICK-job_12.pdf"
    std::string title;                            // pdfinfo's Title
    int pages = 0;                                // pdfinfo's Pages
    std::vector<std::vector<std::string>> lines;  // per page, its text lines
    std::vector<std::vector<PrintedWord>> words;  // per page, its words
};

class PrintedJobs {
public:
    static constexpr const char* kPrinter = "tornwick-pdf";

    PrintedJobs();

    // False, with the reason, when there is no test printer to print on or no
    // folder to read its output from.
    bool Usable() const { return whyNot_.empty(); }
    const std::string& WhyNot() const { return whyNot_; }

    // The folder of the PDFs, as a Linux path.
    const std::string& Folder() const { return linuxFolder_; }

    // Remembers the PDFs in the folder now.
    void Snapshot();

    // Waits until the printer's queue is empty, then reads every PDF that
    // appeared since the snapshot, oldest job first.
    std::vector<PrintedPdf> Collect();

private:
    std::set<std::string> PdfNames() const;

    std::string whyNot_;
    std::string linuxFolder_;
    std::string windowsFolder_;
    std::set<std::string> before_;
};

// True when a printer of that name is installed in this Windows.
bool PrinterInstalled(const std::string& name);
