#pragma once
// The dialog of the parabola (Z-b)^2 = 2P(X-a), whose axis lies along X.

#include "curves/CurveDlg.h"

class CParabolaXDlg : public CCurveDlg {
public:
    explicit CParabolaXDlg(QWidget* pParent = nullptr);

    // In the order of the data exchange.
    float m_fZStart = 0;
    float m_fZEnd = 0;
    float m_fP = 0;
    float m_fA = 0;
    float m_fB = 0;
};
