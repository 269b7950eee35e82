#include "curves/CurveDialogAdapter.h"

#include "curves/shitu.h"

CurveDialogAdapter::CurveDialogAdapter(platform::CDialog& dialog, std::function<void()> closeWithOk)
    : m_dialog(dialog), m_closeWithOk(std::move(closeWithOk))
{
}

bool CurveDialogAdapter::UpdateData()
{
    return m_dialog.UpdateData(true);
}

void CurveDialogAdapter::MessageBox(const std::string& text)
{
    m_dialog.MessageBox(text);
}

// The preview exists once the main window has been set up; a dialog run without it
// has nothing to repaint.
void CurveDialogAdapter::InvalidatePreview()
{
    if (g_pPreviewDlg)
        g_pPreviewDlg->Invalidate(true);
}

void CurveDialogAdapter::CloseWithOk()
{
    m_closeWithOk();
}
