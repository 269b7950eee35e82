#pragma once
// The curve plausibility notes shown before every generation: what a curve below the
// preview's red line means.

#include "platform/CDialog.h"

class CCurveCheckDlg : public platform::CDialog {
public:
    explicit CCurveCheckDlg(QWidget* pParent = nullptr);
};
