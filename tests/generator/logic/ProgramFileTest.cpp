#include "generator/logic/ProgramFile.h"

#include "generator/TempWorkDir.h"

namespace {

using generator::kProgramFileName;
using ProgramFile = TempWorkDir;

TEST_F(ProgramFile, EndsEveryLineWithCrLfAndReplacesAnOlderFile)
{
    WriteFile(kProgramFileName, "an older and much longer program\r\n\r\n\r\n");
    ASSERT_TRUE(generator::WriteProgramFile({"G00z-2", "", "M00M05"}));
    EXPECT_EQ(ReadFile(kProgramFileName), "G00z-2\r\n\r\nM00M05\r\n");
}

TEST_F(ProgramFile, CannotBeCreated)
{
    std::filesystem::create_directory(platform::Utf8Path(kProgramFileName));
    EXPECT_FALSE(generator::WriteProgramFile({"G00z-2"}));

    SKIP_ON_WINDOWS_FROM_HERE();
    std::filesystem::remove_all(m_dir);  // the working directory is gone
    EXPECT_FALSE(generator::WriteProgramFile({"G00z-2"}));
}

} // namespace
