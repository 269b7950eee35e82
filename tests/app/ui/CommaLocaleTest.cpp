// A desktop whose locale writes decimals with a comma: the whole road from the curve
// dialog through the preview to the program file writes every number with a point,
// the same characters as under the "C" locale.
#include "app/VORNADlg.h"
#include "curves/logic/CurveState.h"
#include "curves/logic/PreviewPicture.h"
#include "generator/logic/ProgramFile.h"
#include "generator/logic/SelectionFile.h"
#include "generator/ui/RecordingWorkDir.h"
#include "res/resource.h"
#include "support/CommaLocale.h"
#include "support/ResetCurveState.h"
#include "support/RunEvents.h"

#include <QLineEdit>

#include <chrono>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using platform::CDialog;

struct Outcome {
    std::string formula;
    std::vector<std::string> previewValues;
    std::string shownFeed;  // the generator's feed edit after the members were shown again
    std::string program;
};

class CommaLocaleRun : public RecordingWorkDir {
protected:
    void SetUp() override
    {
        RecordingWorkDir::SetUp();
        m_previousModal = platform::SetModalHook([this](CDialog& dialog) { return Act(dialog); });
    }
    void TearDown() override
    {
        platform::SetModalHook(m_previousModal);
        ResetCurveState();
        RecordingWorkDir::TearDown();
    }

    // The parabola sqrt(2·2.25·(z − 1.5)) + 10 from depth 2 to 10 on the FANUC
    // dialect, through the main window.
    Outcome Generate()
    {
        WriteFile(generator::kSelectionFilePath, "2\r\n");
        std::filesystem::remove(platform::Utf8Path(generator::kProgramFileName));
        g_nCncSystem = 0;
        CVornaDlg main;
        main.Create();
        RunEventsFor(std::chrono::milliseconds(50));  // the preview paints
        Click(main, IDC_PARABOLA_Z);
        RunEventsFor(std::chrono::milliseconds(50));  // and measures the new curve
        Outcome run;
        run.formula = g_strFormulaX;
        for (const curves::PreviewText& text : curves::ComposePreviewPicture().values)
            run.previewValues.push_back(text.text);
        Click(main, IDC_GENERATE);
        run.shownFeed = m_shownFeed;
        run.program = ReadFile(generator::kProgramFileName);
        return run;
    }

private:
    static void TypeAll(CDialog& dialog, std::initializer_list<std::pair<int, const char*>> fields)
    {
        for (const auto& [id, text] : fields)
            Type(dialog, id, text);
    }

    int Act(CDialog& dialog)
    {
        if (dialog.TemplateId() == IDD_PARABOLA_Z) {
            TypeAll(dialog, {{IDC_Z_START, "-2"}, {IDC_Z_END, "-10"}, {IDC_PARAM_A, "-2.25"},
                             {IDC_PARAM_B, "10"}, {IDC_PARAM_C, "-1.5"}});
        } else if (dialog.TemplateId() == IDD_MACRO_PROGRAM) {
            TypeAll(dialog, {{IDC_BLANK_DIA, "40"}, {IDC_FEED, "1.5"}, {IDC_ROUGH_STEP, "0.5"},
                             {IDC_FINISH_STEP, "0.1"}, {IDC_RETRACT_X, "45"}, {IDC_ALLOWANCE_X, "0.4"}});
            dialog.UpdateData(true);
            dialog.UpdateData(false);
            m_shownFeed = qobject_cast<QLineEdit*>(dialog.GetDlgItem(IDC_FEED))->text().toStdString();
        } else {
            return IDCANCEL;
        }
        Click(dialog, IDOK);
        return IDOK;
    }

    std::string m_shownFeed;
    platform::ModalHook m_previousModal;
};

TEST_F(CommaLocaleRun, WritesTheSameNumbersAsUnderTheCLocale)
{
    const Outcome plain = Generate();
    ASSERT_EQ(plain.formula, "sqrt(2*(x-1.5)*2.25)+10");
    ASSERT_EQ(plain.shownFeed, "1.5");
    ASSERT_NE(plain.program.find("#3=sqrt[2*[#2-1.5]*2.25]+10\r\n"), std::string::npos) << plain.program;

    CommaLocale comma;
    if (!comma.Active())
        GTEST_SKIP() << CommaLocale::kMissing;
    const Outcome underComma = Generate();
    EXPECT_EQ(m_events, (std::vector<std::string>{"open: 宏程序G代码.TXT", "open: 宏程序G代码.TXT"}));
    EXPECT_EQ(underComma.formula, plain.formula);
    EXPECT_EQ(underComma.previewValues, plain.previewValues);
    EXPECT_EQ(underComma.shownFeed, plain.shownFeed);
    EXPECT_EQ(underComma.program, plain.program);
}

} // namespace
