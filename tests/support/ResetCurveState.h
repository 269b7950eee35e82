#pragma once
// Puts every global of the shared curve state back to its value at program start,
// so that no test starts from what an earlier one left there.

#include "curves/logic/CurveState.h"

inline void ResetCurveState()
{
    g_strFormulaX.clear();
    g_strFormulaHash.clear();
    g_strFormulaHashDeg.clear();
    g_strFormulaR.clear();
    g_nFormulaKind = 0;
    g_fZStart = g_fZEnd = 0;
    g_fCurveXStart = g_fCurveXEnd = g_fCurveXMax = g_fCurveXMin = 0;
    g_fPreviewScale = g_fPreviewOriginX = g_fPreviewOriginY = 0;
    g_nCncSystem = 0;
}
