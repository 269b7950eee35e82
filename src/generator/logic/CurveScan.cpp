#include "generator/logic/CurveScan.h"

#include "eval/CMathParser.h"

namespace generator {

double EvaluateRadius(const std::string& formulaX, float depth)
{
    CMathParser parser(formulaX);
    parser.AddVariable(depth, "x");
    parser.Evaluate();
    return parser.m_dResult;
}

RadiusRange ScanCurve(const std::string& formulaX, float zStart, float zEnd, float xStart,
                      float step)
{
    RadiusRange range{xStart, xStart};
    ForEachScanDepth(zStart, zEnd, step, [&](float z) {
        const double r = EvaluateRadius(formulaX, z);
        if (range.rMin > r)
            range.rMin = static_cast<float>(r);
        if (range.rMax < r)
            range.rMax = static_cast<float>(r);
    });
    return range;
}

} // namespace generator
