#pragma once
// The dialog of the parabola (X-a)^2 = 2P(Z-b), whose axis lies along Z, with its
// branch above or below X = a.

#include "curves/CurveDlg.h"

class CParabolaZDlg : public CCurveDlg {
public:
    explicit CParabolaZDlg(QWidget* pParent = nullptr);

    // In the order of the data exchange.
    float m_fZStart = 0;
    float m_fZEnd = 0;
    float m_fP = 0;
    float m_fA = 0;
    int m_nDirection = 0;  // 0 "顺时针", 1 "逆时针"
    float m_fB = 0;
};
