// The program file and the selection file under their Chinese names, compared as the
// file system holds them: UTF-16 on Windows, UTF-8 bytes on Linux. A name that went
// through the ANSI code page on Windows would show up here as a second, garbled file.
#include "generator/logic/ProgramFile.h"
#include "generator/logic/SelectionFile.h"

#include "generator/TempWorkDir.h"

#include <set>

namespace {

#ifdef _WIN32
#define NATIVE(text) L##text
#else
#define NATIVE(text) text
#endif

using Names = std::set<std::filesystem::path::string_type>;

Names Listing(const std::filesystem::path& folder)
{
    Names names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().native());
    return names;
}

std::string Bytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using FileNames = TempWorkDir;

TEST_F(FileNames, BothFilesAreReadAndWrittenUnderTheirOwnNames)
{
    const std::filesystem::path folder = NATIVE("数控系统");
    const std::filesystem::path selection = folder / NATIVE("保存选择数控系统删除将不能保存选择.txt");
    const std::filesystem::path program = NATIVE("宏程序G代码.TXT");
    std::filesystem::create_directory(folder);
    std::ofstream(selection, std::ios::binary) << "3\r\n";
    std::ofstream(program, std::ios::binary) << "an older program\r\n";

    EXPECT_EQ(generator::ReadSelectionFile(), 3);
    ASSERT_TRUE(generator::WriteSelectionFile(5));
    ASSERT_TRUE(generator::WriteProgramFile({"G00z-2", "#1=13.2"}));

    EXPECT_EQ(Listing("."), (Names{folder.native(), program.native()}));
    EXPECT_EQ(Listing(folder), Names{selection.filename().native()});
    EXPECT_EQ(Bytes(selection), "5\r\n");
    EXPECT_EQ(Bytes(program), "G00z-2\r\n#1=13.2\r\n");
}

} // namespace
