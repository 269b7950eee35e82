#include "generator/shukongxitongshezhi.h"

#include "curves/logic/CurveState.h"
#include "generator/MissingSelectionFile.h"
#include "generator/logic/SelectionFile.h"
#include "platform/DataExchange.h"
#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <optional>
#include <vector>

CCncSystemDlg::CCncSystemDlg(QWidget* pParent) : CDialog(res::kCncSystem, pParent)
{
    OnClicked(IDC_SAVE_SELECTION, [this] { OnSaveSelection(); });
}

void CCncSystemDlg::DoDataExchange(platform::CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    platform::DDX_Radio(pDX, IDC_GUANGSHU, m_nSystem);
}

bool CCncSystemDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const std::optional<int> code = generator::ReadSelectionFile();
    if (!code) {
        QuitForMissingSelectionFile(*this);
        return true;
    }
    // The ids have a gap (no 1009): a code finds its radio by the group's order.
    const std::vector<int> radios = RadioGroup(IDC_GUANGSHU);
    if (IsKnownCncSystem(*code)) {
        const int checked = radios[*code - 1];
        CheckDlgButton(checked, true);
        for (const int id : radios) {
            if (id != checked)
                CheckDlgButton(id, false);
        }
    }
    return true;
}

void CCncSystemDlg::OnOK()
{
    UpdateData(true);
    g_nCncSystem = m_nSystem + 1;
    CDialog::OnOK();
}

void CCncSystemDlg::OnSaveSelection()
{
    UpdateData(true);
    if (!generator::WriteSelectionFile(m_nSystem + 1)) {
        MessageBox("保存失败：无法写入数控系统文件");
        return;
    }
    MessageBox("保存已经生效");
}
