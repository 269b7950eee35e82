#include "curves/helijiance.h"

#include "res/DialogTemplates.h"

CCurveCheckDlg::CCurveCheckDlg(QWidget* pParent) : CDialog(res::kCurveCheck, pParent)
{
}
