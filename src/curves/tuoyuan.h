#pragma once
// The ellipse dialog: the Z range, the half axes a and b, the centre (c, d) and which
// half of the ellipse is turned.

#include "curves/CurveDlg.h"

class CEllipseDlg : public CCurveDlg {
public:
    explicit CEllipseDlg(QWidget* pParent = nullptr);

    // In the order of the data exchange.
    float m_fZStart = 0;
    float m_fZEnd = 0;
    float m_fA = 0;
    float m_fB = 0;
    float m_fC = 0;
    float m_fD = 0;
    int m_nDirection = 0;  // 0 "顺时针", 1 "逆时针"
};
