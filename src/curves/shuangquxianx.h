#pragma once
// The dialog of the hyperbola whose branches open along X: the Z range, a, b, the
// centre (c, d) and the branch.

#include "curves/CurveDlg.h"

class CHyperbolaXDlg : public CCurveDlg {
public:
    explicit CHyperbolaXDlg(QWidget* pParent = nullptr);

    // In the order of the data exchange.
    int m_nDirection = 0;  // 0 "顺时针", 1 "逆时针"
    float m_fZStart = 0;
    float m_fZEnd = 0;
    float m_fA = 0;
    float m_fB = 0;
    float m_fC = 0;
    float m_fD = 0;
};
