// The ellipse, the hyperbolas and the parabolas: square-root and quadratic curves.
#include "curves/logic/CurveKinds.h"
#include "curves/logic/CurveState.h"

namespace curves {

namespace {

// Passes when the radicand, rounded to float, is at or above 0 at both Z ends; a
// radicand that is not a number fails.
bool BothEndsOnCurve(const CurveFields& f, double (*radicand)(double z, double c, double a))
{
    for (const float z : {*f.zStart, *f.zEnd}) {
        const float v = static_cast<float>(radicand(z, *f.c, *f.a));
        if (!(v >= 0.0f))
            return false;
    }
    return true;
}

double Squared(double z, double c, double a)
{
    return (z - c) * (z - c) / (a * a);
}

bool EllipseCheck(const CurveFields& f)
{
    return BothEndsOnCurve(f, [](double z, double c, double a) { return 1.0 - Squared(z, c, a); });
}

bool HyperbolaXCheck(const CurveFields& f)
{
    return BothEndsOnCurve(f, [](double z, double c, double a) { return Squared(z, c, a) + 1.0; });
}

bool HyperbolaZCheck(const CurveFields& f)
{
    return BothEndsOnCurve(f, [](double z, double c, double a) { return Squared(z, c, a) - 1.0; });
}

// Refuses a range that lies wholly between the program zero and the vertex and, with
// the vertex at the zero, a parabola that opens away from the part (towards +Z).
bool ParabolaZCheck(const CurveFields& f)
{
    const double b = *f.b;
    if (b > 0.0 && *f.zEnd - b < 0.0)
        return false;
    return !(b == 0.0 && *f.p < 0.0);
}

} // namespace

constexpr CurveKind kEllipseCurve{
    .negated = {&CurveFields::c},
    .check = EllipseCheck,
    .checkMessage = kNoCurveMessage,
    .templates = {.x = "sqrt((1-((x-%g)*(x-%g)/(%g*%g)))*%g*%g)+%g",
                  .hash = "#3=SQRT[[1-[[#2-%g]*[#2-%g]/[%g*%g]]]*%g*%g]+%g",
                  .r = "R3=SQRT((1-((R2-%g)*(R2-%g)/(%g*%g)))*%g*%g)+%g"},
    .secondRadioTemplates = {.x = "-sqrt((1-((x-%g)*(x-%g)/(%g*%g)))*%g*%g)+%g",
                             .hash = "#3=-SQRT[[1-[[#2-%g]*[#2-%g]/[%g*%g]]]*%g*%g]+%g",
                             .r = "R3=-SQRT((1-((R2-%g)*(R2-%g)/(%g*%g)))*%g*%g)+%g"},
    .arguments = {&CurveFields::c, &CurveFields::c, &CurveFields::a, &CurveFields::a, &CurveFields::b,
                  &CurveFields::b, &CurveFields::d},
    .formulaKind = FORMULA_CONIC,
};
static_assert(FormulasFillable(kEllipseCurve));

constexpr CurveKind kHyperbolaXCurve{
    .negated = {&CurveFields::c},
    .check = HyperbolaXCheck,
    .checkMessage = kNoCurveMessage,
    .templates = {.x = "sqrt((((x-%g)*(x-%g))/(%g*%g)+1)*(%g*%g))+%g",
                  .hash = "#3=sqrt[[[[#2-%g]*[#2-%g]]/[%g*%g]+1]*[%g*%g]]+%g",
                  .r = "R3=sqrt((((R2-%g)*(R2-%g))/(%g*%g)+1)*(%g*%g))+%g"},
    .secondRadioTemplates = {.x = "-sqrt((((x-%g)*(x-%g))/(%g*%g)+1)*(%g*%g))+%g",
                             .hash = "#3=-sqrt[[[[#2-%g]*[#2-%g]]/[%g*%g]+1]*[%g*%g]]+%g",
                             .r = "R3=-sqrt((((R2-%g)*(R2-%g))/(%g*%g)+1)*(%g*%g))+%g"},
    .arguments = {&CurveFields::c, &CurveFields::c, &CurveFields::a, &CurveFields::a, &CurveFields::b,
                  &CurveFields::b, &CurveFields::d},
    .formulaKind = FORMULA_CONIC,
};
static_assert(FormulasFillable(kHyperbolaXCurve));

// The first radio takes the halves below the centre line, unlike the other conics.
constexpr CurveKind kHyperbolaZCurve{
    .negated = {&CurveFields::c},
    .check = HyperbolaZCheck,
    .checkMessage = kNoCurveMessage,
    .templates = {.x = "-sqrt((((x-%g)*(x-%g))/(%g*%g)-1)*(%g*%g))+%g",
                  .hash = "#3=-sqrt[[[[#2-%g]*[#2-%g]]/[%g*%g]-1]*[%g*%g]]+%g",
                  .r = "R3=-sqrt((((R2-%g)*(R2-%g))/(%g*%g)-1)*(%g*%g))+%g"},
    .secondRadioTemplates = {.x = "sqrt((((x-%g)*(x-%g))/(%g*%g)-1)*(%g*%g))+%g",
                             .hash = "#3=sqrt[[[[#2-%g]*[#2-%g]]/[%g*%g]-1]*[%g*%g]]+%g",
                             .r = "R3=sqrt((((R2-%g)*(R2-%g))/(%g*%g)-1)*(%g*%g))+%g"},
    .arguments = {&CurveFields::c, &CurveFields::c, &CurveFields::a, &CurveFields::a, &CurveFields::b,
                  &CurveFields::b, &CurveFields::d},
    .formulaKind = FORMULA_CONIC,
};
static_assert(FormulasFillable(kHyperbolaZCurve));

constexpr CurveKind kParabolaXCurve{
    .negated = {&CurveFields::b},
    .templates = {.x = "((x-%g)*(x-%g))/(2*%g)+%g",
                  .hash = "#3=[[#2-%g]*[#2-%g]]/[2*%g]+%g",
                  .r = "R3=((R2-%g)*(R2-%g))/(2*%g)+%g"},
    .arguments = {&CurveFields::b, &CurveFields::b, &CurveFields::p, &CurveFields::a},
    .formulaKind = FORMULA_CONIC,
};
static_assert(FormulasFillable(kParabolaXCurve));

constexpr CurveKind kParabolaZCurve{
    .negated = {&CurveFields::p, &CurveFields::b},
    .check = ParabolaZCheck,
    .checkMessage = kNoCurveMessage,
    .templates = {.x = "sqrt(2*(x-%g)*%g)+%g",
                  .hash = "#3=sqrt[2*[#2-%g]*%g]+%g",
                  .r = "R3=sqrt(2*(R2-%g)*%g)+%g"},
    .secondRadioTemplates = {.x = "-sqrt(2*(x-%g)*%g)+%g",
                             .hash = "#3=-sqrt[2*[#2-%g]*%g]+%g",
                             .r = "R3=-sqrt(2*(R2-%g)*%g)+%g"},
    .arguments = {&CurveFields::b, &CurveFields::p, &CurveFields::a},
    .formulaKind = FORMULA_CONIC,
};
static_assert(FormulasFillable(kParabolaZCurve));

} // namespace curves
