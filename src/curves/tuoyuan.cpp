#include "curves/tuoyuan.h"

#include "curves/CurveDialogAdapter.h"
#include "curves/tuoyuanheli.h"
#include "curves/logic/CurveKinds.h"
#include "curves/logic/CurveOkSequence.h"
#include "platform/DataExchange.h"
#include "res/DialogTemplates.h"
#include "res/resource.h"

CEllipseDlg::CEllipseDlg(QWidget* pParent) : CDialog(res::kEllipse, pParent)
{
    OnClicked(IDC_HOW_TO_INPUT, [this] { OnHowToInput(); });
}

void CEllipseDlg::DoDataExchange(platform::CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    platform::DDX_Text(pDX, IDC_Z_START, m_fZStart);
    platform::DDX_Text(pDX, IDC_Z_END, m_fZEnd);
    platform::DDX_Text(pDX, IDC_PARAM_A, m_fA);
    platform::DDX_Text(pDX, IDC_PARAM_B, m_fB);
    platform::DDX_Text(pDX, IDC_PARAM_C, m_fC);
    platform::DDX_Text(pDX, IDC_PARAM_D, m_fD);
    platform::DDX_Radio(pDX, IDC_RADIO_FIRST, m_nDirection);
}

void CEllipseDlg::OnOK()
{
    const curves::CurveFields fields{.zStart = &m_fZStart, .zEnd = &m_fZEnd, .a = &m_fA, .b = &m_fB,
                                     .c = &m_fC, .d = &m_fD, .direction = &m_nDirection};
    CurveDialogAdapter host(*this, [this] { CDialog::OnOK(); });
    curves::RunCurveOkSequence(curves::kEllipseCurve, fields, host);
}

void CEllipseDlg::OnHowToInput()
{
    CEllipseNotesDlg notes;
    notes.DoModal();
}
