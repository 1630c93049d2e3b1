// test_support.h - helpers shared by the engine's tests.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "compare.h"
#include "report_sink.h"
#include "stdio_file.h"

using File = StdioFile;

// A readable stream holding exactly these bytes (no line-end conversion).
File StreamOf(std::string_view bytes);

// A readable stream that gives the first goodBytes of these bytes and then a
// read error, as a failing disk or network share does.  Null where the C
// library cannot make such a stream (only glibc can).
File FailingStreamOf(std::string_view bytes, std::size_t goodBytes);

// Path of a file in tests/engine/fixtures.
std::string Fixture(const char* name);

// Path of a file in this test tree's scratch folder, removed first.
std::string ScratchPath(const std::string& name);

// Keeps the rows, and the size the engine announced for them.
class RowSink : public CollectingSink {
public:
    void Clear() override
    {
        CollectingSink::Clear();
        reserved = {};
    }
    void Reserve(std::size_t rowCount, std::size_t bytes) override { reserved = {rowCount, bytes}; }

    std::pair<std::size_t, std::size_t> reserved;  // rows and bytes announced
};
