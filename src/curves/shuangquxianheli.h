#pragma once
// The input notes of both hyperbolas: a picture of how to type one that passes the checks.

#include "platform/CDialog.h"

class CHyperbolaNotesDlg : public platform::CDialog {
public:
    explicit CHyperbolaNotesDlg(QWidget* pParent = nullptr);
};
