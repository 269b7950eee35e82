#include "curves/shuangquxianz.h"

#include "curves/CurveExchanges.h"
#include "curves/shuangquxianheli.h"
#include "curves/logic/CurveKinds.h"
#include "res/DialogTemplates.h"

CHyperbolaZDlg::CHyperbolaZDlg(QWidget* pParent)
    : CCurveDlg(res::kHyperbolaZ, curves::kHyperbolaZCurve, curves::kDirectionLastExchange,
                {.zStart = &m_fZStart, .zEnd = &m_fZEnd, .a = &m_fA, .b = &m_fB, .c = &m_fC, .d = &m_fD,
                 .direction = &m_nDirection}, pParent)
{
    OpenOnHowToInput<CHyperbolaNotesDlg>();
}
