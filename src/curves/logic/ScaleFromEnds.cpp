#include "curves/logic/ScaleFromEnds.h"

#include "eval/CMathParser.h"

#include <cmath>

namespace curves {

namespace {

// 0 where the evaluation fails.
double RadiusAt(const std::string& formula, float depth)
{
    CMathParser parser(formula);
    parser.AddVariable(depth, "x");
    parser.Evaluate();
    return parser.m_dResult;
}

} // namespace

float ScaleFromEnds(const std::string& formula, float zStart, float zEnd, float previous)
{
    float diameter = static_cast<float>(2.0 * RadiusAt(formula, zStart));
    const double endDiameter = 2.0 * RadiusAt(formula, zEnd);
    if (endDiameter > diameter)
        diameter = static_cast<float>(endDiameter);
    const float longest = diameter > zEnd ? diameter : zEnd;
    const float scale = static_cast<float>(200.0 / longest);
    return std::isfinite(scale) && scale > 0.0f ? scale : previous;
}

} // namespace curves
