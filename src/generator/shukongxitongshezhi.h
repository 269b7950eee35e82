#pragma once
// The CNC system settings dialog: the dialect of this run, and the saved choice
// in the selection file for the next runs.

#include "platform/CDialog.h"

class CCncSystemDlg : public platform::CDialog {
public:
    explicit CCncSystemDlg(QWidget* pParent = nullptr);

    int m_nSystem = 0;  // index of the checked radio; the dialect code is one more

protected:
    void DoDataExchange(platform::CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnSaveSelection();
};
