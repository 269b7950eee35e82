#pragma once
// The tangent curve dialog: the Z range, at most one period long, and the a, b, c, d
// of (x-d) = a*tan(b*(z-c)).

#include "curves/CurveDlg.h"

class CTangentDlg : public CCurveDlg {
public:
    explicit CTangentDlg(QWidget* pParent = nullptr);

    // In the order of the data exchange.
    float m_fZStart = 0;
    float m_fZEnd = 0;
    float m_fA = 0;
    float m_fB = 0;
    float m_fC = 0;
    float m_fD = 0;
};
