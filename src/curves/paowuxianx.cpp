#include "curves/paowuxianx.h"

#include "curves/CurveDialogAdapter.h"
#include "curves/paowuxianheli.h"
#include "curves/logic/CurveKinds.h"
#include "curves/logic/CurveOkSequence.h"
#include "platform/DataExchange.h"
#include "res/DialogTemplates.h"
#include "res/resource.h"

CParabolaXDlg::CParabolaXDlg(QWidget* pParent) : CDialog(res::kParabolaX, pParent)
{
    OnClicked(IDC_HOW_TO_INPUT, [this] { OnHowToInput(); });
}

void CParabolaXDlg::DoDataExchange(platform::CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    platform::DDX_Text(pDX, IDC_Z_START, m_fZStart);
    platform::DDX_Text(pDX, IDC_Z_END, m_fZEnd);
    platform::DDX_Text(pDX, IDC_PARAM_A, m_fP);
    platform::DDX_Text(pDX, IDC_PARAM_B, m_fA);
    platform::DDX_Text(pDX, IDC_PARAM_C, m_fB);
}

void CParabolaXDlg::OnOK()
{
    const curves::CurveFields fields{.zStart = &m_fZStart, .zEnd = &m_fZEnd, .a = &m_fA, .b = &m_fB,
                                     .p = &m_fP};
    CurveDialogAdapter host(*this, [this] { CDialog::OnOK(); });
    curves::RunCurveOkSequence(curves::kParabolaXCurve, fields, host);
}

void CParabolaXDlg::OnHowToInput()
{
    CParabolaNotesDlg notes;
    notes.DoModal();
}
