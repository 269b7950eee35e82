#include "app/VORNA.h"

#include "app/VORNADlg.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>

CVornaApp theApp;

bool CVornaApp::InitInstance()
{
    QCoreApplication::setApplicationName(platform::kAppName);
    CVornaDlg dlg;
    dlg.DoModal();
    return false;
}
