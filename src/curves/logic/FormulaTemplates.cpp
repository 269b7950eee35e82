#include "curves/logic/FormulaTemplates.h"

#include "curves/logic/CurveState.h"

namespace curves {

void WriteFormulas(const FormulaTemplates& templates, std::span<const double> values)
{
    g_strFormulaX = platform::FillTemplate(templates.x, values);
    g_strFormulaHash = platform::FillTemplate(templates.hash, values);
    if (templates.hashDeg)
        g_strFormulaHashDeg = platform::FillTemplate(templates.hashDeg, values);
    g_strFormulaR = platform::FillTemplate(templates.r, values);
}

} // namespace curves
