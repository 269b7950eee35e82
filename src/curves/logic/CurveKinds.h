#pragma once
// The nine curve kinds of the curve dialogs.

#include "curves/logic/CurveKind.h"

namespace curves {

inline constexpr const char* kNoCurveMessage = "不能构成合理曲线";
inline constexpr const char* kPeriodMessage =
    "不能构成连续的曲线，已经超出一个周期\n要求:3.1415926/b > z1-z2";

extern const CurveKind kEllipseCurve;
extern const CurveKind kHyperbolaXCurve;
extern const CurveKind kHyperbolaZCurve;
extern const CurveKind kParabolaXCurve;
extern const CurveKind kParabolaZCurve;
extern const CurveKind kSineCurve;
extern const CurveKind kCosineCurve;
extern const CurveKind kTangentCurve;
extern const CurveKind kCotangentCurve;

} // namespace curves
