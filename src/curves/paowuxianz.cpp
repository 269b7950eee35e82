#include "curves/paowuxianz.h"

#include "curves/CurveExchanges.h"
#include "curves/paowuxianheli.h"
#include "curves/logic/CurveKinds.h"
#include "res/DialogTemplates.h"

CParabolaZDlg::CParabolaZDlg(QWidget* pParent)
    : CCurveDlg(res::kParabolaZ, curves::kParabolaZCurve, curves::kParabolaZExchange,
                {.zStart = &m_fZStart, .zEnd = &m_fZEnd, .a = &m_fA, .b = &m_fB, .p = &m_fP,
                 .direction = &m_nDirection}, pParent)
{
    OpenOnHowToInput<CParabolaNotesDlg>();
}
