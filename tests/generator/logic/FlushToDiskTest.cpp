#include "generator/logic/FlushToDisk.h"

#include "generator/TempWorkDir.h"

#include <filesystem>
#include <system_error>

namespace {

using FlushToDisk = TempWorkDir;

TEST_F(FlushToDisk, ReportsAFileThatCannotBeFlushed)
{
    WriteFile("written.txt", "bytes\r\n");
    const struct {
        const char* what;
        std::filesystem::path path;
        bool fails;
    } rows[] = {
        {"a written file", "written.txt", false},
        {"a missing file", "missing.txt", true},
#ifndef _WIN32  // no such device on Windows
        {"a device that takes no flush", "/dev/null", true},
#endif
    };
    for (const auto& row : rows) {
        // A failure of an earlier step does not stay behind a flush that succeeds.
        std::error_code error = std::make_error_code(std::errc::io_error);
        generator::FlushFileToDisk(row.path, error);
        EXPECT_EQ(static_cast<bool>(error), row.fails) << row.what;
    }
}

} // namespace
