#pragma once
// The radius a formula in x gives at one depth: how the curve dialogs, the preview
// and the generator all evaluate the current curve.

#include <optional>
#include <string>

namespace curves {

// A fresh evaluator object for the point, as the evaluator is meant to be used;
// none when the formula cannot be evaluated there.
std::optional<double> EvaluateAtDepth(const std::string& formula, float depth);

} // namespace curves
