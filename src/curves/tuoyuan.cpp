#include "curves/tuoyuan.h"

#include "curves/CurveExchanges.h"
#include "curves/tuoyuanheli.h"
#include "curves/logic/CurveKinds.h"
#include "res/DialogTemplates.h"

CEllipseDlg::CEllipseDlg(QWidget* pParent)
    : CCurveDlg(res::kEllipse, curves::kEllipseCurve, curves::kDirectionLastExchange,
                {.zStart = &m_fZStart, .zEnd = &m_fZEnd, .a = &m_fA, .b = &m_fB, .c = &m_fC, .d = &m_fD,
                 .direction = &m_nDirection}, pParent)
{
    OpenOnHowToInput<CEllipseNotesDlg>();
}
