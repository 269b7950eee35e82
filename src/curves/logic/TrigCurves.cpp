// The sine, cosine, tangent and cotangent curves.
#include "curves/logic/CurveKinds.h"
#include "curves/logic/CurveState.h"

namespace curves {

namespace {

// The range, as typed, may span at most one period 3.1415926/b; a negative b spans
// none. A zero b is left to the callers: its quotient's sign would follow the sign of
// the zero.
bool WithinPeriod(const CurveFields& f)
{
    const double typedB = -static_cast<double>(*f.b);
    const double range = static_cast<double>(*f.zEnd) - static_cast<double>(*f.zStart);
    return 3.1415926 / typedB >= range;
}

// With b = 0 the tangent is the constant radius d, a curve like any other.
bool TangentCheck(const CurveFields& f)
{
    return *f.b == 0.0f || WithinPeriod(f);
}

// With b = 0 the cotangent's divisor sin(0) is zero at every depth: no point of the
// curve could be computed, so the range is refused as for a too long one.
bool CotangentCheck(const CurveFields& f)
{
    return *f.b != 0.0f && WithinPeriod(f);
}

} // namespace

constexpr CurveKind kSineCurve{
    .negated = {&CurveFields::a, &CurveFields::b, &CurveFields::c},
    .templates = {.x = "%g*sin(%g*(x-%g))+%g",
                  .hash = "#3=%g*SIN[%g*[#2-%g]]+%g",
                  .hashDeg = "#3=%g*SIN[%g*[#2-%g]*180/3.1415926]+%g",
                  .r = "R3=%g*SIN(%g*(R2-%g)*180/3.1415926)+%g"},
    .arguments = {&CurveFields::a, &CurveFields::b, &CurveFields::c, &CurveFields::d},
    .formulaKind = FORMULA_TRIG,
};
static_assert(FormulasFillable(kSineCurve));

constexpr CurveKind kCosineCurve{
    .negated = {&CurveFields::a, &CurveFields::b, &CurveFields::c},
    .templates = {.x = "%g*cos(%g*(x-%g))+%g",
                  .hash = "#3=%g*COS[%g*[#2-%g]]+%g",
                  .hashDeg = "#3=%g*COS[%g*[#2-%g]*180/3.1415926]+%g",
                  .r = "R3=%g*COS(%g*(R2-%g)*180/3.1415926)+%g"},
    .arguments = {&CurveFields::a, &CurveFields::b, &CurveFields::c, &CurveFields::d},
    .formulaKind = FORMULA_TRIG,
};
static_assert(FormulasFillable(kCosineCurve));

constexpr CurveKind kTangentCurve{
    .negated = {&CurveFields::a, &CurveFields::b, &CurveFields::c},
    .check = TangentCheck,
    .checkMessage = kPeriodMessage,
    .templates = {.x = "%g*sin(%g*(x-%g))/cos(%g*(x-%g))+%g",
                  .hash = "#3=%g*SIN[%g*[#2-%g]]/COS[%g*[#2-%g]]+%g",
                  .hashDeg = "#3=%g*SIN[%g*[#2-%g]*180/3.1415926]/COS[%g*[#2-%g]*180/3.1415926]+%g",
                  .r = "R3=%g*SIN(%g*(R2-%g)*180/3.1415926)/COS(%g*(R2-%g)*180/3.1415926)+%g"},
    .arguments = {&CurveFields::a, &CurveFields::b, &CurveFields::c, &CurveFields::b,
                  &CurveFields::c, &CurveFields::d},
    .formulaKind = FORMULA_TRIG,
};
static_assert(FormulasFillable(kTangentCurve));

constexpr CurveKind kCotangentCurve{
    .negated = {&CurveFields::a, &CurveFields::b, &CurveFields::c},
    .check = CotangentCheck,
    .checkMessage = kPeriodMessage,
    .templates = {.x = "%g*cos(%g*(x-%g))/sin(%g*(x-%g))+%g",
                  .hash = "#3=%g*COS[%g*[#2-%g]]/SIN[%g*[#2-%g]]+%g",
                  .hashDeg = "#3=%g*COS[%g*[#2-%g]*180/3.1415926]/SIN[%g*[#2-%g]*180/3.1415926]+%g",
                  .r = "R3=%g*COS(%g*(R2-%g)*180/3.1415926)/SIN(%g*(R2-%g)*180/3.1415926)+%g"},
    .arguments = {&CurveFields::a, &CurveFields::b, &CurveFields::c, &CurveFields::b,
                  &CurveFields::c, &CurveFields::d},
    .formulaKind = FORMULA_TRIG,
};
static_assert(FormulasFillable(kCotangentCurve));

} // namespace curves
