#include "curves/logic/EvaluateAtDepth.h"

#include "eval/CMathParser.h"

namespace curves {

std::optional<double> EvaluateAtDepth(const std::string& formula, float depth)
{
    CMathParser parser(formula);
    parser.AddVariable(depth, "x");
    parser.Evaluate();
    if (parser.m_bError)
        return std::nullopt;
    return parser.m_dResult;
}

} // namespace curves
