#include "curves/logic/ScaleFromEnds.h"

#include "curves/logic/EvaluateAtDepth.h"

#include <cmath>

namespace curves {

float ScaleFromEnds(const std::string& formula, float zStart, float zEnd, float previous)
{
    float diameter = static_cast<float>(2.0 * EvaluateAtDepth(formula, zStart).value_or(0));
    const double endDiameter = 2.0 * EvaluateAtDepth(formula, zEnd).value_or(0);
    if (endDiameter > diameter)
        diameter = static_cast<float>(endDiameter);
    const float longest = diameter > zEnd ? diameter : zEnd;
    const float scale = static_cast<float>(200.0 / longest);
    return std::isfinite(scale) && scale > 0.0f ? scale : previous;
}

} // namespace curves
