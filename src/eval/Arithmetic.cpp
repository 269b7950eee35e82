#include "eval/Arithmetic.h"

#include "eval/CMathParser.h"

#include <cmath>
#include <iterator>

namespace eval {
namespace {

// False for a value that is not a number, which thus counts as out of range.
bool InRange(double v, double dLow, double dHigh)
{
    return v >= dLow && v <= dHigh;
}

bool IsUsableDivisor(double v)
{
    return std::fabs(v) >= 1e-6;
}

// The values whose nearest integer fits in an int.
bool RoundsIntoInt(double v)
{
    return v > -2147483648.5 && v <= 2147483647.5;
}

bool Anywhere(double)
{
    return true;
}

struct Function {
    std::string_view name;
    bool (*inDomain)(double v);
    double (*value)(double v);
};

// Radians for the trigonometric functions.
constexpr Function kFunctions[] = {
    {"ABS", Anywhere, [](double v) { return std::fabs(v); }},
    {"ATAN", Anywhere, [](double v) { return std::atan(v); }},
    {"COS", [](double v) { return InRange(v, -9e18, 9e18); }, [](double v) { return std::cos(v); }},
    // beyond the double range exp gives +infinity, which is no error
    {"EXP", [](double v) { return InRange(v, -11356, 11356); }, [](double v) { return std::exp(v); }},
    {"LN", [](double v) { return v > 0; }, [](double v) { return std::log(v); }},
    {"ROUND", [](double v) { return InRange(v, -1e9, 1e9); },
     [](double v) { return static_cast<double>(CMathParser::RoundToInt(v)); }},
    {"SIN", [](double v) { return InRange(v, -9e18, 9e18); }, [](double v) { return std::sin(v); }},
    {"SQRT", [](double v) { return v >= 0; }, [](double v) { return std::sqrt(v); }},
    {"SQR", [](double v) { return InRange(v, 0, 1e246); }, [](double v) { return std::sqrt(v); }},
    {"TRUNC", [](double v) { return InRange(v, -1e9, 1e9); },
     [](double v) { return static_cast<double>(static_cast<int>(v)); }},
    {"NOT", Anywhere, [](double v) { return v > -0.001 && v < 0.001 ? 1.0 : 0.0; }},
    {"BOOL", Anywhere, [](double v) { return v > -0.001 && v < 0.001 ? 0.0 : 1.0; }},
    {"SGN", Anywhere, [](double v) { return v > 0 ? 1.0 : 0.0; }},
};

constexpr bool NamesAgree()
{
    if (std::size(kFunctions) != std::size(kFunctionNames))
        return false;
    for (std::size_t i = 0; i < std::size(kFunctions); ++i)
        if (kFunctions[i].name != kFunctionNames[i])
            return false;
    return true;
}
static_assert(NamesAgree(), "the functions and their names are listed in different orders");

} // namespace

bool Divide(double a, double b, double& dValue)
{
    if (!IsUsableDivisor(b))
        return false;
    dValue = a / b;
    return true;
}

// Through the logarithm, so that a zero or negative base is refused.
bool Power(double dBase, double dExponent, double& dValue)
{
    if (dBase < 0)
        return false;
    const double t = std::log(dBase) * dExponent;
    if (!InRange(t, -11356, 11356))
        return false;
    dValue = std::exp(t);
    return true;
}

// The remainder of the rounded operands, its sign following the left one.
bool Modulo(double a, double b, double& dValue)
{
    if (!IsUsableDivisor(b) || !RoundsIntoInt(a) || !RoundsIntoInt(b))
        return false;
    const long long nDivisor = CMathParser::RoundToInt(b);
    if (nDivisor == 0)
        return false;
    // Wider than int, so that INT_MIN MOD -1 gives 0 instead of overflowing.
    dValue = static_cast<double>(CMathParser::RoundToInt(a) % nDivisor);
    return true;
}

bool ApplyFunction(int nFunction, double v, double& dValue)
{
    if (nFunction < 0 || nFunction >= static_cast<int>(std::size(kFunctions)))
        return false;
    const Function& function = kFunctions[nFunction];
    if (!function.inDomain(v))
        return false;
    dValue = function.value(v);
    return true;
}

} // namespace eval
