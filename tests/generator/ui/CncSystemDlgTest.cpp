#include "generator/shukongxitongshezhi.h"

#include "generator/FailingFileSteps.h"
#include "generator/logic/ReplaceFileContent.h"
#include "generator/logic/SelectionFile.h"
#include "generator/ui/RecordingWorkDir.h"
#include "res/resource.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using generator::kSelectionFilePath;

constexpr int kRadios[] = {IDC_GUANGSHU, IDC_FANUC,  IDC_SIEMENS,
                           IDC_HUAZHONG, IDC_DASEN, IDC_MITSUBISHI};

using CncSystemDlgTest = RecordingWorkDir;

struct OpenCase {
    const char* file;
    int checked;
};

TEST_F(CncSystemDlgTest, OpensWithTheSavedChoiceChecked)
{
    const OpenCase cases[] = {
        {"3\r\n", IDC_SIEMENS},   {"6\r\n", IDC_MITSUBISHI}, {" 4\r\n", IDC_HUAZHONG},
        {"4abc", IDC_HUAZHONG},  {"0\r\n", IDC_GUANGSHU},   {"7\r\n", IDC_GUANGSHU},
        {"-2\r\n", IDC_GUANGSHU}, {"", IDC_GUANGSHU},
    };
    for (const OpenCase& c : cases) {
        SCOPED_TRACE(c.file);
        WriteFile(kSelectionFilePath, c.file);
        CCncSystemDlg dialog;
        dialog.Create();
        for (const int id : kRadios)
            EXPECT_EQ(dialog.IsDlgButtonChecked(id), id == c.checked) << id;
        EXPECT_TRUE(m_events.empty());
    }
}

struct ChoiceCase {
    int radio;  // 0: leave the saved choice
    int code;
};

TEST_F(CncSystemDlgTest, OkTakesTheCheckedDialectForThisRun)
{
    const ChoiceCase cases[] = {{0, CNC_SIEMENS}, {IDC_DASEN, CNC_DASEN}, {IDC_GUANGSHU, CNC_GUANGSHU}};
    for (const ChoiceCase& c : cases) {
        WriteFile(kSelectionFilePath, "3\r\n");
        g_nCncSystem = 0;
        CCncSystemDlg dialog;
        dialog.Create();
        if (c.radio)
            Click(dialog, c.radio);
        Click(dialog, IDOK);
        EXPECT_EQ(g_nCncSystem, c.code) << c.radio;
        EXPECT_TRUE(dialog.IsEnded());
        EXPECT_EQ(ReadFile(kSelectionFilePath), "3\r\n");
    }
}

TEST_F(CncSystemDlgTest, SavingWritesTheCodeAndKeepsTheDialogOpen)
{
    WriteFile(kSelectionFilePath, "1\r\n");
    CCncSystemDlg dialog;
    dialog.Create();
    Click(dialog, IDC_DASEN);
    Click(dialog, IDC_SAVE_SELECTION);
    EXPECT_EQ(ReadFile(kSelectionFilePath), "5\r\n");
    EXPECT_EQ(m_events, std::vector<std::string>{"message: 保存已经生效"});
    EXPECT_FALSE(dialog.IsEnded());
    EXPECT_EQ(g_nCncSystem, 0);
}

TEST_F(CncSystemDlgTest, SavingFailsAndTheEarlierChoiceStays)
{
    namespace fs = std::filesystem;
    const generator::FileReplacementSteps real = generator::SetFileReplacementSteps({});
    generator::SetFileReplacementSteps(real);
    const fs::path folder = platform::Utf8Path("数控系统");
    const fs::path file = platform::Utf8Path(kSelectionFilePath);
    const struct {
        const char* what;
        std::function<void()> breakSave;
        std::vector<fs::path> left;  // everything in the working folder afterwards
    } cases[] = {
        {"the folder is gone", [&] { fs::remove_all(folder); }, {}},
        {"the flush to the disk fails",
         [&] { generator::SetFileReplacementSteps({real.write, FailToFlush, real.rename}); }, {folder, file}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_events.clear();
        WriteFile(kSelectionFilePath, "1\r\n");
        CCncSystemDlg dialog;
        dialog.Create();
        Click(dialog, IDC_DASEN);
        c.breakSave();
        Click(dialog, IDC_SAVE_SELECTION);
        generator::SetFileReplacementSteps(real);
        EXPECT_EQ(m_events, std::vector<std::string>{"message: 保存失败：无法写入数控系统文件"});
        std::vector<fs::path> left;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(m_dir))
            left.push_back(entry.path().lexically_relative(m_dir));
        std::sort(left.begin(), left.end());
        EXPECT_EQ(left, c.left);
        if (!c.left.empty()) {
            EXPECT_EQ(ReadFile(kSelectionFilePath), "1\r\n");
        }
    }
}

TEST_F(CncSystemDlgTest, MissingSelectionFileEndsTheProgram)
{
    CCncSystemDlg dialog;
    dialog.Create();
    EXPECT_EQ(m_events, MissingSelectionFileEvents());
}

TEST_F(CncSystemDlgTest, MissingSelectionFileExitsWithCode0)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ReportToStderrAndExitForReal();
            CCncSystemDlg dialog;
            dialog.Create();
        },
        testing::ExitedWithCode(0), kMissingSelectionFileStderr);
}

} // namespace
