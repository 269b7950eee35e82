#pragma once
// The cosine curve dialog: the Z range and the a, b, c, d of (x-d) = a*cos(b*(z-c)).

#include "curves/CurveDlg.h"

class CCosineDlg : public CCurveDlg {
public:
    explicit CCosineDlg(QWidget* pParent = nullptr);

    // In the order of the data exchange.
    float m_fZStart = 0;
    float m_fZEnd = 0;
    float m_fA = 0;
    float m_fB = 0;
    float m_fC = 0;
    float m_fD = 0;
};
