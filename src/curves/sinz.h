#pragma once
// The sine curve dialog: the Z range and the a, b, c, d of (x-d) = a*sin(b*(z-c)).

#include "curves/CurveDlg.h"

class CSineDlg : public CCurveDlg {
public:
    explicit CSineDlg(QWidget* pParent = nullptr);

    // In the order of the data exchange.
    float m_fZStart = 0;
    float m_fZEnd = 0;
    float m_fA = 0;
    float m_fB = 0;
    float m_fC = 0;
    float m_fD = 0;
};
