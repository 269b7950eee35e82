#include "curves/shuangquxianheli.h"

#include "res/DialogTemplates.h"

CHyperbolaNotesDlg::CHyperbolaNotesDlg(QWidget* pParent) : CDialog(res::kHyperbolaNotes, pParent)
{
}
