#pragma once
// The preview scale a curve dialog sets for its new curve.

#include <string>

namespace curves {

// 200 pixels for the larger of the two end diameters of `formula` and the end depth;
// an end whose evaluation fails counts as diameter 0. Where that gives no positive,
// finite scale (a zero end depth with no positive diameter, or an overflowing one),
// `previous` is kept, so the view and its zoom stay as they were.
float ScaleFromEnds(const std::string& formula, float zStart, float zEnd, float previous);

} // namespace curves
