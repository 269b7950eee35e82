#include "generator/shengchengdaima.h"

#include "generator/FailingFileSteps.h"
#include "generator/logic/ProgramFile.h"
#include "generator/logic/ReplaceFileContent.h"
#include "generator/logic/SelectionFile.h"
#include "generator/ui/RecordingWorkDir.h"
#include "res/resource.h"
#include "support/SplitLines.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace {

using generator::kProgramFileName;
using generator::kSelectionFilePath;

constexpr int kFields[] = {IDC_BLANK_DIA, IDC_FEED,      IDC_ROUGH_STEP,
                           IDC_FINISH_STEP, IDC_RETRACT_X, IDC_ALLOWANCE_X};
using Fields = std::array<const char*, 6>;
constexpr Fields kWorkedFields = {"24", "1.5", "0.5", "0.1", "30", "0.4"};
constexpr Fields kZeros = {"0", "0", "0", "0", "0", "0"};

const std::string kNoCurve = "message: 请先输入加工图形!";
const std::string kShaftBlank = "message: 数据输入不合理:毛坯直径应该大于曲线X坐标最大值\n"
                                "曲线X坐标最大值请看红色警戒线下方的提示";
const std::string kHoleBlank = "message: 数据输入不合理:毛坯直径应该小于曲线X坐标最小值\n"
                               "曲线X坐标最小值请看红色警戒线下方的提示";
const std::string kNotPositive = "message: 数据输入不合理:要求输入大于零的数字";
const std::string kBelowSmallestStep = "message: 数据输入不合理:要求输入不小于0.000001的数字";
const std::string kOpened = std::string("open: ") + kProgramFileName;
const std::string kPrompt = "message: 请键入一个数。";
const std::string kUnknownCncSystem = "message: 数控系统文件中的数控系统无效,请在数控系统设置中重新选择数控系统";
const std::string kNotComputable = "message: 数据输入不合理:曲线在加工范围内有无法计算的点";

class MacroProgramDlgTest : public RecordingWorkDir {
protected:
    // The parabola x^2/20 + 5 from depth 2 to 10, as the preview measured it.
    static void EnterParabola(float xMax = 10, float xMin = 5.2f)
    {
        g_strFormulaX = "((x-0)*(x-0))/(2*10)+5";
        g_strFormulaHash = "#3=[[#2-0]*[#2-0]]/[2*10]+5";
        g_strFormulaR = "R3=((R2-0)*(R2-0))/(2*10)+5";
        g_nFormulaKind = FORMULA_CONIC;
        g_fZStart = 2;
        g_fZEnd = 10;
        g_fCurveXStart = 5.2f;
        g_fCurveXEnd = 10;
        g_fCurveXMax = xMax;
        g_fCurveXMin = xMin;
    }

    static void Fill(CMacroProgramDlg& dialog, int radio, const Fields& fields)
    {
        Click(dialog, radio);
        for (std::size_t i = 0; i < fields.size(); ++i)
            Type(dialog, kFields[i], fields[i]);
    }

    // The program file's lines, without their CR LF.
    static std::vector<std::string> ProgramLines()
    {
        return SplitLines(ReadFile(kProgramFileName), "\r\n");
    }

    static bool ProgramExists()
    {
        return std::filesystem::exists(platform::Utf8Path(kProgramFileName));
    }
};

struct CheckCase {
    const char* what;
    bool curve;
    int radio;
    Fields fields;
    float xMin;
    std::vector<std::string> events;
    bool closed;
};

TEST_F(MacroProgramDlgTest, ChecksInTheirOrder)
{
    const CheckCase cases[] = {
        {"no curve: the dialog closes", false, IDC_SHAFT, kWorkedFields, 5.2f, {kNoCurve}, true},
        {"shaft, blank equal to the largest diameter", true, IDC_SHAFT,
         {"20", "1.5", "0.5", "0.1", "30", "0.4"}, 5.2f, {kOpened}, true},
        {"shaft, blank below it", true, IDC_SHAFT, {"19.9", "1.5", "0.5", "0.1", "30", "0.4"}, 5.2f,
         {kShaftBlank}, false},
        {"hole, blank equal to the smallest diameter", true, IDC_HOLE,
         {"8", "1.5", "0.5", "0.1", "7", "0.4"}, 4, {kOpened}, true},
        {"hole, blank above it", true, IDC_HOLE, {"8.1", "1.5", "0.5", "0.1", "7", "0.4"}, 4,
         {kHoleBlank}, false},
        {"all 0, shaft: the blank test comes first", true, IDC_SHAFT, kZeros, 4, {kShaftBlank}, false},
        {"all 0, hole: the value test", true, IDC_HOLE, kZeros, 4, {kNotPositive}, false},
        {"allowance 0 is accepted", true, IDC_SHAFT, {"24", "1.5", "0.5", "0.1", "30", "0"}, 5.2f,
         {kOpened}, true},
        {"allowance below 0", true, IDC_SHAFT, {"24", "1.5", "0.5", "0.1", "30", "-0.1"}, 5.2f,
         {kNotPositive}, false},
        {"finishing step 0", true, IDC_SHAFT, {"24", "1.5", "0.5", "0", "30", "0.4"}, 5.2f,
         {kNotPositive}, false},
        {"retract point 0", true, IDC_SHAFT, {"24", "1.5", "0.5", "0.1", "0", "0.4"}, 5.2f,
         {kNotPositive}, false},
        {"a feed below 0", true, IDC_SHAFT, {"24", "-1.5", "0.5", "0.1", "30", "0.4"}, 5.2f,
         {kNotPositive}, false},
        {"a feed the program would write as 0", true, IDC_SHAFT,
         {"24", "0.0000001", "0.5", "0.1", "30", "0.4"}, 5.2f, {kBelowSmallestStep}, false},
        {"a roughing step the program would write as 0", true, IDC_SHAFT,
         {"24", "1.5", "0.0000004", "0.1", "30", "0.4"}, 5.2f, {kBelowSmallestStep}, false},
        {"a finishing step the program would write as 0", true, IDC_SHAFT,
         {"24", "1.5", "0.5", "0.0000004", "30", "0.4"}, 5.2f, {kBelowSmallestStep}, false},
        {"a finishing step the program would write rounded up", true, IDC_SHAFT,
         {"24", "1.5", "0.5", "0.0000009", "30", "0.4"}, 5.2f, {kBelowSmallestStep}, false},
        // A finishing step that small passes the check too, but would scan the curve here
        // at 8 million depths.
        {"the smallest feed and roughing step the program writes as typed", true, IDC_SHAFT,
         {"24", "0.000001", "0.000001", "0.1", "30", "0.4"}, 5.2f, {kOpened}, true},
        {"a step too small beside a field at 0: the field at 0 is reported", true, IDC_SHAFT,
         {"24", "0.0000001", "0.5", "0.1", "0", "0.4"}, 5.2f, {kNotPositive}, false},
        {"a refused field: the prompt once, no check runs", true, IDC_SHAFT,
         {"abc", "1.5", "0.5", "0.1", "30", "0.4"}, 5.2f, {kPrompt}, false},
        {"a decimal comma in the allowance", true, IDC_SHAFT, {"24", "1.5", "0.5", "0.1", "30", "0,4"},
         5.2f, {kPrompt}, false},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.what);
        m_events.clear();
        std::filesystem::remove(platform::Utf8Path(kProgramFileName));
        if (c.curve)
            EnterParabola(10, c.xMin);
        else
            g_strFormulaX.clear();
        // The dialect is unknown and the selection file is there only where the
        // checks pass: a failed check must come before the file is needed.
        const bool passes = c.events == std::vector<std::string>{kOpened};
        g_nCncSystem = 0;
        if (passes)
            WriteFile(kSelectionFilePath, "2\r\n");
        else
            std::filesystem::remove(platform::Utf8Path(kSelectionFilePath));

        CMacroProgramDlg dialog;
        dialog.Create();
        Fill(dialog, c.radio, c.fields);
        Click(dialog, IDOK);
        EXPECT_EQ(m_events, c.events);
        EXPECT_EQ(dialog.IsEnded(), c.closed);
        EXPECT_EQ(ProgramExists(), passes);
    }
}

TEST_F(MacroProgramDlgTest, WritesTheProgramClosesAndThenOpensIt)
{
    const std::filesystem::path full =
        (std::filesystem::current_path() / platform::Utf8Path(kProgramFileName)).make_preferred();
    const std::u8string fullText = full.u8string();
    const struct {
        const char* what;
        bool opens;
        std::vector<std::string> events;
    } cases[] = {
        {"the desktop opens it", true, {kOpened}},
        {"the desktop has no viewer for it: the user learns where it is", false,
         {kOpened, "message: 宏程序已生成,但无法打开:" + std::string(fullText.begin(), fullText.end())}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_events.clear();
        EnterParabola();
        g_nCncSystem = CNC_FANUC;
        WriteFile(kProgramFileName, "an older program that is much longer than the new one");
        CMacroProgramDlg dialog;
        dialog.Create();
        bool closedWhenOpened = false;
        platform::SetShellOpenHook([&](const std::string& target) {
            closedWhenOpened = dialog.IsEnded();
            m_events.push_back("open: " + target);
            return c.opens;
        });
        Fill(dialog, IDC_SHAFT, kWorkedFields);
        Click(dialog, IDOK);

        EXPECT_EQ(m_events, c.events);
        EXPECT_TRUE(closedWhenOpened);
        const std::vector<std::string> lines = ProgramLines();
        ASSERT_EQ(lines.size(), 36u);
        EXPECT_EQ(lines.front(), "G00z-2");
        EXPECT_EQ(lines[2], "#1=13.2");
        EXPECT_EQ(lines.back(), "G00x30");
    }
}

TEST_F(MacroProgramDlgTest, APressAfterARefusedFieldWritesWhatIsTypedThen)
{
    EnterParabola();
    g_nCncSystem = CNC_FANUC;
    CMacroProgramDlg dialog;
    dialog.Create();
    Fill(dialog, IDC_SHAFT, {"24", "1.5", "0.5", "0.1", "30", "0,4"});
    Click(dialog, IDOK);
    EXPECT_EQ(m_events, std::vector<std::string>{kPrompt});
    EXPECT_FALSE(dialog.IsEnded());
    EXPECT_FALSE(ProgramExists());

    Type(dialog, IDC_ALLOWANCE_X, "0.4");
    Click(dialog, IDOK);
    EXPECT_EQ(m_events, (std::vector<std::string>{kPrompt, kOpened}));
    EXPECT_TRUE(dialog.IsEnded());
    EXPECT_EQ(ProgramLines().at(2), "#1=13.2");
}

TEST_F(MacroProgramDlgTest, ACurveThatCannotBeComputedInTheRangeIsRefused)
{
    // The parabola on Z typed as z1 0, z2 -1.1, P 1, a 10, b -1.1: its own check
    // passes, yet the end depth 1.1f lies just past the vertex at 1.1.
    EnterParabola();
    g_strFormulaX = "sqrt(2*(x-1.1)*-1)+10";
    g_strFormulaHash = "#3=sqrt[2*[#2-1.1]*-1]+10";
    g_strFormulaR = "R3=sqrt(2*(R2-1.1)*-1)+10";
    g_fZStart = -0.0f;
    g_fZEnd = 1.1f;
    g_fCurveXStart = g_fCurveXMax = 11.4832f;
    g_fCurveXEnd = g_fCurveXMin = 0;
    g_nCncSystem = CNC_FANUC;
    CMacroProgramDlg dialog;
    dialog.Create();
    Fill(dialog, IDC_SHAFT, kWorkedFields);
    Click(dialog, IDOK);
    EXPECT_EQ(m_events, std::vector<std::string>{kNotComputable});
    EXPECT_FALSE(dialog.IsEnded());
    EXPECT_FALSE(ProgramExists());
}

struct DialectCase {
    const char* firstFile;
    int firstCode;           // g_nCncSystem after the first generation
    const char* firstLoop;   // the program's fourth line; nullptr: refused
    int secondCode;          // after a second generation with the file now holding 3
    const char* secondLoop;
};

TEST_F(MacroProgramDlgTest, DialectComesFromTheSelectionFileWhileUnknown)
{
    const DialectCase cases[] = {
        {"5\r\n", CNC_DASEN, "WHILE[#1GT0]DO 1", CNC_DASEN, "WHILE[#1GT0]DO 1"},  // read once, kept
        // a code of no control writes nothing, is not kept and is read again next time
        {"0\r\n", 0, nullptr, CNC_SIEMENS, "VORNA1:"},
        {"7\r\n", 0, nullptr, CNC_SIEMENS, "VORNA1:"},
    };
    for (const DialectCase& c : cases) {
        SCOPED_TRACE(c.firstFile);
        EnterParabola();
        g_nCncSystem = 0;
        m_events.clear();
        std::filesystem::remove(platform::Utf8Path(kProgramFileName));
        WriteFile(kSelectionFilePath, c.firstFile);
        {
            CMacroProgramDlg dialog;
            dialog.Create();
            Fill(dialog, IDC_SHAFT, kWorkedFields);
            Click(dialog, IDOK);
        }
        EXPECT_EQ(g_nCncSystem, c.firstCode);
        if (c.firstLoop) {
            EXPECT_EQ(ProgramLines().at(3), c.firstLoop);
        } else {
            EXPECT_EQ(m_events, std::vector<std::string>{kUnknownCncSystem});
            EXPECT_FALSE(ProgramExists());
        }

        WriteFile(kSelectionFilePath, "3\r\n");
        CMacroProgramDlg dialog;
        dialog.Create();
        Fill(dialog, IDC_SHAFT, kWorkedFields);
        Click(dialog, IDOK);
        EXPECT_EQ(g_nCncSystem, c.secondCode);
        EXPECT_EQ(ProgramLines().at(3), c.secondLoop);
    }
}

TEST_F(MacroProgramDlgTest, MissingSelectionFileEndsTheProgram)
{
    EnterParabola();
    CMacroProgramDlg dialog;
    dialog.Create();
    Fill(dialog, IDC_SHAFT, kWorkedFields);
    Click(dialog, IDOK);
    EXPECT_EQ(m_events, MissingSelectionFileEvents());
    EXPECT_FALSE(ProgramExists());
    EXPECT_EQ(g_nCncSystem, 0);
}

TEST_F(MacroProgramDlgTest, MissingSelectionFileExitsWithCode0)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EnterParabola();
    EXPECT_EXIT(
        {
            ReportToStderrAndExitForReal();
            CMacroProgramDlg dialog;
            dialog.Create();
            Fill(dialog, IDC_SHAFT, kWorkedFields);
            Click(dialog, IDOK);
        },
        testing::ExitedWithCode(0), kMissingSelectionFileStderr);
}

struct FileFailureCase {
    const char* what;
    std::function<void()> prepare;
    generator::FileReplacementSteps steps;
    bool keepsEarlier;  // an earlier program is there and must stay
};

TEST_F(MacroProgramDlgTest, ProgramFileFailureKeepsTheDialogOpen)
{
    const std::string earlier = "an earlier program\r\n";
    const generator::FileReplacementSteps real = generator::SetFileReplacementSteps({});
    generator::SetFileReplacementSteps(real);
    const FileFailureCase cases[] = {
        {"cannot be created",
         [] { std::filesystem::create_directory(platform::Utf8Path(kProgramFileName)); }, real, false},
#ifndef _WIN32  // on Windows the folder above is what stands in the file's place
        {"a device in its place",
         [] { std::filesystem::create_symlink("/dev/full", platform::Utf8Path(kProgramFileName)); }, real, false},
#endif
        {"the disk fills during the write: the earlier program stays", [&] { WriteFile(kProgramFileName, earlier); },
         {WriteHalfThenFail, real.flush, real.rename}, true},
        {"the flush to the disk fails: the earlier program stays", [&] { WriteFile(kProgramFileName, earlier); },
         {real.write, FailToFlush, real.rename}, true},
    };
    for (const FileFailureCase& c : cases) {
        SCOPED_TRACE(c.what);
        m_events.clear();
        std::filesystem::remove_all(platform::Utf8Path(kProgramFileName));
        c.prepare();
        EnterParabola();
        g_nCncSystem = CNC_FANUC;
        CMacroProgramDlg dialog;
        dialog.Create();
        Fill(dialog, IDC_SHAFT, kWorkedFields);
        generator::SetFileReplacementSteps(c.steps);
        Click(dialog, IDOK);
        generator::SetFileReplacementSteps(real);
        EXPECT_EQ(m_events, std::vector<std::string>{"message: 创建代码失败"});
        EXPECT_FALSE(dialog.IsEnded());
        // Whatever stood under the program's name, and nothing beside it.
        const std::vector<std::filesystem::path> names(std::filesystem::directory_iterator("."), {});
        EXPECT_EQ(names, std::vector<std::filesystem::path>{"." / platform::Utf8Path(kProgramFileName)});
        if (c.keepsEarlier) {
            EXPECT_EQ(ReadFile(kProgramFileName), earlier);
        }
    }
}

} // namespace
