#pragma once
// The dialog of the hyperbola whose branches open along Z: the Z range, a, b, the
// centre (c, d) and the half of the branches.

#include "curves/CurveDlg.h"

class CHyperbolaZDlg : public CCurveDlg {
public:
    explicit CHyperbolaZDlg(QWidget* pParent = nullptr);

    // In the order of the data exchange.
    float m_fZStart = 0;
    float m_fZEnd = 0;
    float m_fA = 0;
    float m_fB = 0;
    float m_fC = 0;
    float m_fD = 0;
    int m_nDirection = 0;  // 0 "顺时针", 1 "逆时针"
};
