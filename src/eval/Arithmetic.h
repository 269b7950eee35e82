#pragma once
// The evaluator's computations. Each gives false, and leaves dValue alone, when
// it refuses its operands: that is a math error, and the evaluation's result 0.

#include <string_view>

namespace eval {

// A function-name token carries its name's index in this list (CMathParser::m_nFunction),
// and ApplyFunction takes that index into a table of the same order, checked at compile
// time in Arithmetic.cpp. The tokenizer compares whole identifiers, so the order decides
// no match: "SQRT" never reads as "SQR".
inline constexpr std::string_view kFunctionNames[] = {"ABS", "ATAN", "COS", "EXP", "LN", "ROUND", "SIN",
                                                      "SQRT", "SQR", "TRUNC", "NOT", "BOOL", "SGN"};

bool Divide(double a, double b, double& dValue);
bool Power(double dBase, double dExponent, double& dValue);
bool Modulo(double a, double b, double& dValue);
bool ApplyFunction(int nFunction, double v, double& dValue);

} // namespace eval
