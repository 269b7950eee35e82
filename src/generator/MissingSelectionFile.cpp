#include "generator/MissingSelectionFile.h"

#include "platform/CDialog.h"
#include "platform/Shell.h"
#include "res/WebPages.h"

void QuitForMissingSelectionFile(platform::CDialog& dialog)
{
    dialog.MessageBox("您可能误删了数控系统文件，为确保软件正常运行请重新下载vorna软件");
    platform::ShellOpen(res::kHomePageUrl);
    platform::ExitProcess(0);
}
