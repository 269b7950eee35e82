#include "picture/logic/FileBytes.h"

#include "generator/TempWorkDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using picture::FileRead;

namespace {

using FileBytesTest = TempWorkDir;

TEST_F(FileBytesTest, ReadsOnlyARegularFileWithinTheBound)
{
    WriteFile("six.gif", "GIF89a");
    WriteFile("empty.gif", "");
    std::filesystem::create_directory("folder.gif");
#ifndef _WIN32  // Windows has no named pipe in a folder; the folder row shows the same refusal
    ASSERT_EQ(mkfifo("pipe.gif", 0600), 0);
#endif
    const std::vector<std::uint8_t> six = {'G', 'I', 'F', '8', '9', 'a'};
    const struct {
        const char* what;
        const char* name;
        std::int64_t bound;
        FileRead result;
        std::vector<std::uint8_t> bytes;
    } rows[] = {
        {"a file of the bound's size: read whole", "six.gif", 6, FileRead::kRead, six},
        {"one byte over the bound", "six.gif", 5, FileRead::kOverBound, {}},
        {"empty", "empty.gif", 6, FileRead::kEmpty, {}},
        {"missing", "missing.gif", 6, FileRead::kNotOpened, {}},
        {"a folder", "folder.gif", 6, FileRead::kNotOpened, {}},
#ifndef _WIN32
        // Opening it would wait here for a writer, and the test would time out.
        {"a named pipe", "pipe.gif", 6, FileRead::kNotOpened, {}},
#endif
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const picture::FileBytes file = picture::ReadFileBytes(row.name, row.bound);
        EXPECT_EQ(file.m_result, row.result);
        EXPECT_EQ(file.m_bytes, row.bytes);
    }
}

} // namespace
