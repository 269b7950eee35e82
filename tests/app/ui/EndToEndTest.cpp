// The whole road through the main window: a curve typed into its dialog, drawn and
// measured by the preview, a CNC system chosen, and the program file written.
#include "app/VORNADlg.h"
#include "curves/logic/CurveState.h"
#include "generator/TempWorkDir.h"
#include "platform/CDialog.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "res/resource.h"
#include "support/ResetCurveState.h"
#include "support/RunEvents.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace {

using platform::CDialog;

void Click(const CDialog& dialog, int id)
{
    static_cast<QAbstractButton*>(dialog.GetDlgItem(id))->click();
}

int Type(CDialog& dialog, std::initializer_list<std::pair<int, const char*>> fields)
{
    for (const auto& [id, text] : fields)
        static_cast<QLineEdit*>(dialog.GetDlgItem(id))->setText(QString::fromUtf8(text));
    Click(dialog, IDOK);
    return IDOK;
}

class EndToEnd : public TempWorkDir {
protected:
    void SetUp() override
    {
        TempWorkDir::SetUp();
        WriteFile("数控系统/保存选择数控系统删除将不能保存选择.txt", "1\r\n");
        m_oldModal = platform::SetModalHook([this](CDialog& dialog) {
            const auto action = m_actions.find(dialog.TemplateId());
            return action == m_actions.end() ? IDCANCEL : action->second(dialog);
        });
        m_oldShell = platform::SetShellOpenHook([this](const std::string& target) {
            m_opened.push_back(target);
            return true;
        });
        m_oldSink = platform::SetMessageSink([this](QWidget*, const std::string& text) { m_messages.push_back(text); });
        m_dialog = std::make_unique<CVornaDlg>();
        m_dialog->Create();
        RunEventsFor(std::chrono::milliseconds(50));  // the preview paints
    }
    void TearDown() override
    {
        m_dialog.reset();
        platform::SetModalHook(m_oldModal);
        platform::SetShellOpenHook(m_oldShell);
        platform::SetMessageSink(m_oldSink);
        ResetCurveState();
        TempWorkDir::TearDown();
    }

    std::unique_ptr<CVornaDlg> m_dialog;
    std::map<int, std::function<int(CDialog&)>> m_actions;
    std::vector<std::string> m_opened;
    std::vector<std::string> m_messages;

private:
    platform::ModalHook m_oldModal;
    platform::ShellOpenHook m_oldShell;
    platform::MessageSink m_oldSink;
};

} // namespace

TEST_F(EndToEnd, ParabolaToHuazhongProgram)
{
    // The parabola x²/20 + 5 from depth 2 to 10.
    m_actions[IDD_PARABOLA_X] = [](CDialog& d) {
        return Type(d, {{IDC_Z_START, "-2"}, {IDC_Z_END, "-10"}, {IDC_PARAM_A, "10"},
                        {IDC_PARAM_B, "5"}, {IDC_PARAM_C, "0"}});
    };
    Click(*m_dialog, IDC_PARABOLA_X);
    RunEventsFor(std::chrono::milliseconds(50));  // the preview paints

    // The user clicks the radio, then the OK button.
    m_actions[IDD_CNC_SYSTEM] = [](CDialog& d) {
        QTest::mouseClick(d.GetDlgItem(IDC_HUAZHONG), Qt::LeftButton);
        QTest::mouseClick(d.GetDlgItem(IDOK), Qt::LeftButton);
        return IDCANCEL;
    };
    Click(*m_dialog, IDC_CNC_SYSTEM);

    m_actions[IDD_MACRO_PROGRAM] = [](CDialog& d) {
        return Type(d, {{IDC_BLANK_DIA, "24"}, {IDC_FEED, "1.5"}, {IDC_ROUGH_STEP, "0.5"},
                        {IDC_FINISH_STEP, "0.1"}, {IDC_RETRACT_X, "30"}, {IDC_ALLOWANCE_X, "0.4"}});
    };
    Click(*m_dialog, IDC_GENERATE);

    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(m_opened, std::vector<std::string>{"宏程序G代码.TXT"});
    // 华中's loops (WHILE ... ENDW), where 广数 from the selection file would write
    // WHILE[...]DO n ... END n: the file shows that the clicked choice was used.
    EXPECT_EQ(ReadFile("宏程序G代码.TXT"),
              "G00z-2\r\nG00x24\r\n#1=13.2\r\nWHILE #1GT0\r\n#2=2\r\nG00z-2\r\n"
              "WHILE #2LT10\r\n#3=[[#2-0]*[#2-0]]/[2*10]+5\r\nG01x[2*#3+#1]z[-#2]\r\n"
              "#2=#2+0.5\r\nENDW\r\nG01x[20+#1]z-10\r\nG00x30\r\n#1=#1-1.5\r\nENDW\r\n"
              "#2=2\r\nG00z-2\r\nG00x11.6\r\nWHILE #2LT10\r\n#3=[[#2-0]*[#2-0]]/[2*10]+5\r\n"
              "G01x[2*#3+1.2]z[-#2]\r\n#2=#2+0.1\r\nENDW\r\nG01x21.2z-10\r\nG00x30\r\nM00M05\r\n"
              "#2=2\r\nG00z-2\r\nG00x10.4\r\nWHILE #2LT10\r\n#3=[[#2-0]*[#2-0]]/[2*10]+5\r\n"
              "G01x[2*#3]z[-#2]\r\n#2=#2+0.1\r\nENDW\r\nG01x20z-10\r\nG00x30\r\n");
}
