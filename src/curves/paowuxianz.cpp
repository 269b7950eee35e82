#include "curves/paowuxianz.h"

#include "curves/CurveDialogAdapter.h"
#include "curves/paowuxianheli.h"
#include "curves/logic/CurveKinds.h"
#include "curves/logic/CurveOkSequence.h"
#include "platform/DataExchange.h"
#include "res/DialogTemplates.h"
#include "res/resource.h"

CParabolaZDlg::CParabolaZDlg(QWidget* pParent) : CDialog(res::kParabolaZ, pParent)
{
    OnClicked(IDC_HOW_TO_INPUT, [this] { OnHowToInput(); });
}

void CParabolaZDlg::DoDataExchange(platform::CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    platform::DDX_Text(pDX, IDC_Z_START, m_fZStart);
    platform::DDX_Text(pDX, IDC_Z_END, m_fZEnd);
    platform::DDX_Text(pDX, IDC_PARAM_A, m_fP);
    platform::DDX_Text(pDX, IDC_PARAM_B, m_fA);
    platform::DDX_Radio(pDX, IDC_RADIO_FIRST, m_nDirection);
    platform::DDX_Text(pDX, IDC_PARAM_C, m_fB);
}

void CParabolaZDlg::OnOK()
{
    const curves::CurveFields fields{.zStart = &m_fZStart, .zEnd = &m_fZEnd, .a = &m_fA, .b = &m_fB,
                                     .p = &m_fP, .direction = &m_nDirection};
    CurveDialogAdapter host(*this, [this] { CDialog::OnOK(); });
    curves::RunCurveOkSequence(curves::kParabolaZCurve, fields, host);
}

void CParabolaZDlg::OnHowToInput()
{
    CParabolaNotesDlg notes;
    notes.DoModal();
}
