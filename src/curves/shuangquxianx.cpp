#include "curves/shuangquxianx.h"

#include "curves/CurveExchanges.h"
#include "curves/shuangquxianheli.h"
#include "curves/logic/CurveKinds.h"
#include "res/DialogTemplates.h"

CHyperbolaXDlg::CHyperbolaXDlg(QWidget* pParent)
    : CCurveDlg(res::kHyperbolaX, curves::kHyperbolaXCurve, curves::kDirectionFirstExchange,
                {.zStart = &m_fZStart, .zEnd = &m_fZEnd, .a = &m_fA, .b = &m_fB, .c = &m_fC, .d = &m_fD,
                 .direction = &m_nDirection}, pParent)
{
    OpenOnHowToInput<CHyperbolaNotesDlg>();
}
