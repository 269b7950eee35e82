#include "curves/paowuxianheli.h"

#include "res/DialogTemplates.h"

CParabolaNotesDlg::CParabolaNotesDlg(QWidget* pParent) : CDialog(res::kParabolaNotes, pParent)
{
}
