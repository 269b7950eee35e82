#include "generator/shengchengdaima.h"

#include "curves/logic/CurveState.h"
#include "generator/MissingSelectionFile.h"
#include "generator/logic/CncControl.h"
#include "generator/logic/GenerateProgram.h"
#include "generator/logic/InputCheck.h"
#include "generator/logic/Machining.h"
#include "generator/logic/ProgramFile.h"
#include "generator/logic/SelectionFile.h"
#include "platform/DataExchange.h"
#include "platform/Shell.h"
#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <optional>
#include <string>
#include <vector>

using namespace generator;

CMacroProgramDlg::CMacroProgramDlg(QWidget* pParent) : CDialog(res::kMacroProgram, pParent)
{
}

void CMacroProgramDlg::DoDataExchange(platform::CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    platform::DDX_Radio(pDX, IDC_SHAFT, m_nMachining);
    platform::DDX_Text(pDX, IDC_BLANK_DIA, m_fBlankDia);
    platform::DDX_Text(pDX, IDC_FEED, m_fFeed);
    platform::DDX_Text(pDX, IDC_ROUGH_STEP, m_fRoughStep);
    platform::DDX_Text(pDX, IDC_FINISH_STEP, m_fFinishStep);
    platform::DDX_Text(pDX, IDC_RETRACT_X, m_fRetractX);
    platform::DDX_Text(pDX, IDC_ALLOWANCE_X, m_fAllowanceX);
}

void CMacroProgramDlg::OnOK()
{
    // The exchange has shown its prompt and put the focus on the refused field;
    // nothing may be judged or written from members that do not hold what was typed.
    if (!UpdateData(true))
        return;
    if (g_strFormulaX.empty()) {
        MessageBox("请先输入加工图形!");
        CDialog::OnOK();
        return;
    }
    if (m_nMachining == MACHINING_SHAFT && 2 * g_fCurveXMax > m_fBlankDia) {
        MessageBox("数据输入不合理:毛坯直径应该大于曲线X坐标最大值\n"
                   "曲线X坐标最大值请看红色警戒线下方的提示");
        return;
    }
    if (m_nMachining == MACHINING_HOLE && 2 * g_fCurveXMin < m_fBlankDia) {
        MessageBox("数据输入不合理:毛坯直径应该小于曲线X坐标最小值\n"
                   "曲线X坐标最小值请看红色警戒线下方的提示");
        return;
    }
    const MachiningParams params{m_nMachining, m_fBlankDia,  m_fFeed,      m_fRoughStep,
                                 m_fFinishStep, m_fRetractX, m_fAllowanceX};
    switch (CheckInputRange(params)) {
    case InputRange::Accepted:
        break;
    case InputRange::NotPositive:
        MessageBox("数据输入不合理:要求输入大于零的数字");
        return;
    case InputRange::BelowSmallestStep:
        MessageBox("数据输入不合理:要求输入不小于0.000001的数字");
        return;
    }
    int code = g_nCncSystem;
    if (code == 0) {
        const std::optional<int> saved = ReadSelectionFile();
        if (!saved) {
            QuitForMissingSelectionFile(*this);
            return;
        }
        code = *saved;
    }
    // A code of no control (0, or one written into the file by hand) has no program to
    // write: it is refused and not kept, so the next press reads the file again.
    const std::optional<CncControl> control = CncControlOfCode(code);
    if (!control) {
        MessageBox("数控系统文件中的数控系统无效,请在数控系统设置中重新选择数控系统");
        return;
    }
    g_nCncSystem = code;
    const std::optional<std::vector<std::string>> program =
        GenerateProgram(params, CurrentCurve(), *control);
    if (!program) {
        MessageBox("数据输入不合理:曲线在加工范围内有无法计算的点");
        return;
    }
    if (!WriteProgramFile(*program)) {
        MessageBox("创建代码失败");
        return;
    }
    CDialog::OnOK();
    // Where the desktop has no viewer for the file, the user still learns where it is.
    if (!platform::ShellOpen(kProgramFileName))
        MessageBox("宏程序已生成,但无法打开:" + platform::ShellFilePath(kProgramFileName));
}
