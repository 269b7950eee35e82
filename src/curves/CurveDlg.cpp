#include "curves/CurveDlg.h"

#include "curves/CurveDialogAdapter.h"
#include "curves/logic/CurveOkSequence.h"
#include "platform/DataExchange.h"

CCurveDlg::CCurveDlg(const platform::DialogTemplate& tmpl, const curves::CurveKind& kind,
                     std::span<const curves::CurveControl> exchange, const curves::CurveFields& fields,
                     QWidget* pParent)
    : CDialog(tmpl, pParent), m_kind(kind), m_exchange(exchange), m_fields(fields)
{
}

void CCurveDlg::DoDataExchange(platform::CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (const curves::CurveControl& control : m_exchange) {
        if (control.edit)
            platform::DDX_Text(pDX, control.id, *(m_fields.*control.edit));
        else
            platform::DDX_Radio(pDX, control.id, *(m_fields.*control.radios));
    }
}

void CCurveDlg::OnOK()
{
    CurveDialogAdapter host(*this, [this] { CDialog::OnOK(); });
    curves::RunCurveOkSequence(m_kind, m_fields, host);
}
