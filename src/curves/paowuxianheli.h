#pragma once
// The input notes of both parabolas: a picture of how to type one that passes the checks.

#include "platform/CDialog.h"

class CParabolaNotesDlg : public platform::CDialog {
public:
    explicit CParabolaNotesDlg(QWidget* pParent = nullptr);
};
