#include "curves/sinz.h"

#include "curves/CurveDialogAdapter.h"
#include "curves/logic/CurveKinds.h"
#include "curves/logic/CurveOkSequence.h"
#include "platform/DataExchange.h"
#include "res/DialogTemplates.h"
#include "res/resource.h"

CSineDlg::CSineDlg(QWidget* pParent) : CDialog(res::kSine, pParent)
{
}

void CSineDlg::DoDataExchange(platform::CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    platform::DDX_Text(pDX, IDC_Z_START, m_fZStart);
    platform::DDX_Text(pDX, IDC_Z_END, m_fZEnd);
    platform::DDX_Text(pDX, IDC_PARAM_A, m_fA);
    platform::DDX_Text(pDX, IDC_PARAM_B, m_fB);
    platform::DDX_Text(pDX, IDC_PARAM_C, m_fC);
    platform::DDX_Text(pDX, IDC_PARAM_D, m_fD);
}

void CSineDlg::OnOK()
{
    const curves::CurveFields fields{.zStart = &m_fZStart, .zEnd = &m_fZEnd, .a = &m_fA, .b = &m_fB,
                                     .c = &m_fC, .d = &m_fD};
    CurveDialogAdapter host(*this, [this] { CDialog::OnOK(); });
    curves::RunCurveOkSequence(curves::kSineCurve, fields, host);
}
