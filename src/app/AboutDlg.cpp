#include "app/AboutDlg.h"

#include "platform/Shell.h"
#include "res/DialogTemplates.h"
#include "res/WebPages.h"
#include "res/resource.h"

CAboutDlg::CAboutDlg() : CDialog(res::kAboutBox)
{
    OnClicked(IDC_LEARN_MORE, [this] { OnLearnMore(); });
}

void CAboutDlg::OnLearnMore()
{
    platform::ShellOpen(res::kHomePageUrl);
}
