#include "generator/logic/CurveSnapshot.h"

#include "curves/logic/CurveState.h"

namespace generator {

CurveSnapshot CurrentCurve()
{
    return {g_strFormulaX, g_strFormulaHash, g_strFormulaHashDeg, g_strFormulaR, g_nFormulaKind,
            g_fZStart,     g_fZEnd,         g_fCurveXStart,      g_fCurveXEnd};
}

} // namespace generator
