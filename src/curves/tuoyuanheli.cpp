#include "curves/tuoyuanheli.h"

#include "res/DialogTemplates.h"

CEllipseNotesDlg::CEllipseNotesDlg(QWidget* pParent) : CDialog(res::kEllipseNotes, pParent)
{
}
