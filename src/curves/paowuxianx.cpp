#include "curves/paowuxianx.h"

#include "curves/CurveExchanges.h"
#include "curves/paowuxianheli.h"
#include "curves/logic/CurveKinds.h"
#include "res/DialogTemplates.h"

CParabolaXDlg::CParabolaXDlg(QWidget* pParent)
    : CCurveDlg(res::kParabolaX, curves::kParabolaXCurve, curves::kParabolaXExchange,
                {.zStart = &m_fZStart, .zEnd = &m_fZEnd, .a = &m_fA, .b = &m_fB, .p = &m_fP}, pParent)
{
    OpenOnHowToInput<CParabolaNotesDlg>();
}
