#pragma once
// The generator dialog: the machining parameters, their checks against the
// measured curve, and the macro program file in the chosen dialect.

#include "platform/CDialog.h"

class CMacroProgramDlg : public platform::CDialog {
public:
    explicit CMacroProgramDlg(QWidget* pParent = nullptr);

    int m_nMachining = 0;  // radio index: MACHINING_SHAFT or MACHINING_HOLE
    float m_fBlankDia = 0;
    float m_fFeed = 0;
    float m_fRoughStep = 0;
    float m_fFinishStep = 0;
    float m_fRetractX = 0;
    float m_fAllowanceX = 0;

protected:
    void DoDataExchange(platform::CDataExchange* pDX) override;
    void OnOK() override;
};
