#include "generator/logic/SelectionFile.h"

#include "generator/TempWorkDir.h"

#include <climits>
#include <optional>

namespace {

using generator::kSelectionFilePath;
using SelectionFile = TempWorkDir;

struct ReadCase {
    const char* content;
    int code;
};

TEST_F(SelectionFile, ReadsTheLeadingNumberOfTheFirstLine)
{
    const ReadCase cases[] = {
        {"3\r\n", 3},
        {" 4\r\n", 4},
        {"4abc\r\n", 4},
        {"0\r\n", 0},
        {"7\r\n", 7},
        {"-2\r\n", -2},
        {"+5", 5},
        {"\t\v\f 6", 6},
        {"", 0},
        {"abc", 0},
        {"\r\n5\r\n", 0},                           // only the first line counts
        {"0000000000000000001234\r\n", 1},         // only its first 19 characters
        {"                   5\r\n", 0},          // 19 blanks fill them
        {"99999999999999999\r\n", INT_MAX},        // beyond int: clamped
        {"-99999999999999999\r\n", INT_MIN},
        {"-2147483648", INT_MIN},
    };
    for (const ReadCase& c : cases) {
        WriteFile(kSelectionFilePath, c.content);
        EXPECT_EQ(generator::ReadSelectionFile(), std::optional<int>(c.code)) << '"' << c.content << '"';
    }
}

TEST_F(SelectionFile, MissingOrUnreadableFileIsNoCode)
{
    EXPECT_EQ(generator::ReadSelectionFile(), std::nullopt);
    std::filesystem::create_directory(platform::Utf8Path("数控系统"));
    EXPECT_EQ(generator::ReadSelectionFile(), std::nullopt);
    std::filesystem::create_directory(platform::Utf8Path(kSelectionFilePath));  // unreadable
    EXPECT_EQ(generator::ReadSelectionFile(), std::nullopt);
}

TEST_F(SelectionFile, WritingReplacesTheContent)
{
    WriteFile(kSelectionFilePath, "123456\r\n");
    ASSERT_TRUE(generator::WriteSelectionFile(5));
    EXPECT_EQ(ReadFile(kSelectionFilePath), "5\r\n");
    EXPECT_EQ(generator::ReadSelectionFile(), 5);
}

TEST_F(SelectionFile, WritingFailsWithoutTheFolder)
{
    EXPECT_FALSE(generator::WriteSelectionFile(5));
    EXPECT_FALSE(std::filesystem::exists(platform::Utf8Path("数控系统")));
}

} // namespace
