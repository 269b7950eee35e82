#pragma once
// The About box: the program's name, version and slogan, and a way to its home page.

#include "platform/CDialog.h"

class CAboutDlg : public platform::CDialog {
public:
    CAboutDlg();

private:
    void OnLearnMore();
};
