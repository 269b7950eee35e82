#include "generator/logic/CurveScan.h"

#include "curves/logic/EvaluateAtDepth.h"
#include "curves/logic/StepDepths.h"

#include <cmath>

namespace generator {

std::optional<RadiusRange> ScanCurve(const std::string& formulaX, float zStart, float zEnd,
                                     float xStart, float step)
{
    RadiusRange range{xStart, xStart};
    bool computed = true;
    curves::StepDepths(zStart, zEnd, step, [&](float z) {
        const std::optional<double> r = curves::EvaluateAtDepth(formulaX, z);
        computed = r && std::isfinite(*r);
        if (!computed)
            return false;
        if (range.rMin > *r)
            range.rMin = static_cast<float>(*r);
        if (range.rMax < *r)
            range.rMax = static_cast<float>(*r);
        return true;
    });
    if (!computed)
        return std::nullopt;
    return range;
}

} // namespace generator
