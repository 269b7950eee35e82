#include "curves/tanz.h"

#include "curves/CurveDialogAdapter.h"
#include "curves/logic/CurveKinds.h"
#include "curves/logic/CurveOkSequence.h"
#include "platform/DataExchange.h"
#include "res/DialogTemplates.h"
#include "res/resource.h"

CTangentDlg::CTangentDlg(QWidget* pParent) : CDialog(res::kTangent, pParent)
{
}

void CTangentDlg::DoDataExchange(platform::CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    platform::DDX_Text(pDX, IDC_Z_START, m_fZStart);
    platform::DDX_Text(pDX, IDC_Z_END, m_fZEnd);
    platform::DDX_Text(pDX, IDC_PARAM_A, m_fA);
    platform::DDX_Text(pDX, IDC_PARAM_B, m_fB);
    platform::DDX_Text(pDX, IDC_PARAM_C, m_fC);
    platform::DDX_Text(pDX, IDC_PARAM_D, m_fD);
}

void CTangentDlg::OnOK()
{
    const curves::CurveFields fields{.zStart = &m_fZStart, .zEnd = &m_fZEnd, .a = &m_fA, .b = &m_fB,
                                     .c = &m_fC, .d = &m_fD};
    CurveDialogAdapter host(*this, [this] { CDialog::OnOK(); });
    curves::RunCurveOkSequence(curves::kTangentCurve, fields, host);
}
