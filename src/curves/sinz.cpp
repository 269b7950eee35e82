#include "curves/sinz.h"

#include "curves/CurveExchanges.h"
#include "curves/logic/CurveKinds.h"
#include "res/DialogTemplates.h"

CSineDlg::CSineDlg(QWidget* pParent)
    : CCurveDlg(res::kSine, curves::kSineCurve, curves::kFourParametersExchange,
                {.zStart = &m_fZStart, .zEnd = &m_fZEnd, .a = &m_fA, .b = &m_fB, .c = &m_fC, .d = &m_fD}, pParent)
{
}
