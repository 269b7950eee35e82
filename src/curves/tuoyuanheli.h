#pragma once
// The input notes of the ellipse: a picture of how to type one that passes the checks.

#include "platform/CDialog.h"

class CEllipseNotesDlg : public platform::CDialog {
public:
    explicit CEllipseNotesDlg(QWidget* pParent = nullptr);
};
