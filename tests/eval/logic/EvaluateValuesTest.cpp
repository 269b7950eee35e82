#include "eval/CMathParser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

struct ValueCase {
    std::string text;
    double x;  // the value of the variable "x"
    double dExpected;
};

const ValueCase kCases[] = {
    // precedence and associativity
    {"2+3*4", 0, 14},
    {"(2+3)*4", 0, 20},
    {"8/2/2", 0, 2},
    {"2-3-4", 0, -5},
    {"2^3^2", 0, 512},
    {"2^-2", 0, 0.25},
    {"4^0.5", 0, 2},
    {"4^-0.5", 0, 0.5},
    {"0-2^2", 0, -4},
    {"2^2000", 0, HUGE_VAL},  // inside the bound on ln(b)·e, beyond the double range
    {"2^3 MOD 3", 0, 2},
    {"-(2+3)", 0, -5},
    {"2*-3", 0, -6},
    {"x--3", 1, 4},
    {"-sqrt(4)+1", 0, -1},
    {" 2 + 3 ", 0, 5},
    {"Sqrt(4)", 0, 2},
    {"1/0.000001", 0, 1000000},
    {"1/-2", 0, -0.5},  // the divisor test is on the magnitude
    {std::string(97, '(') + "1" + std::string(97, ')'), 0, 1},  // the ")" is the 100th item
    {"1" + std::string(65534, ' '), 0, 1},
    // MOD: rounded operands, the sign of the left one, left-associative, above "*"
    {"7 MOD 3", 0, 1},
    {"-7 MOD 3", 0, -1},
    {"7 MOD -3", 0, 1},
    {"7.5 MOD 2", 0, 1},
    {"-2.5 MOD 10", 0, -3},
    {"7 MOD 3 MOD 2", 0, 1},
    {"7 MOD 4*2", 0, 6},
    {"2+7 MOD 3", 0, 3},
    {"2147483647.5 MOD 10", 0, 7},
    {"-2147483648 MOD -1", 0, 0},
    // functions
    {"ABS(-3)", 0, 3},
    {"ATAN(1)", 0, std::atan(1.0)},
    {"COS(0)*2", 0, 2},
    {"EXP(1)", 0, std::exp(1.0)},
    {"EXP(710)", 0, HUGE_VAL},
    {"EXP(11356)", 0, HUGE_VAL},  // the range bounds belong to the range
    {"LN(EXP(2))", 0, 2},
    {"ROUND(2.5)", 0, 2},
    {"ROUND(-2.5)", 0, -3},
    {"ROUND(2.7)", 0, 3},
    {"ROUND(-2.3)", 0, -2},
    {"ROUND(-1e9)", 0, -1e9},
    {"SIN(0)", 0, 0},
    {"SQRT(2.25)", 0, 1.5},
    {"SQR(9)", 0, 3},
    {"TRUNC(-2.7)", 0, -2},
    {"TRUNC(2.7)", 0, 2},
    {"TRUNC(1e9)", 0, 1e9},
    {"NOT(0.0005)", 0, 1},
    {"NOT(2)", 0, 0},
    {"BOOL(-0.002)", 0, 1},
    {"BOOL(0)", 0, 0},
    {"SGN(-5)", 0, 0},
    {"SGN(5)", 0, 1},
    // a value that is not a number passes these three
    {"NOT(EXP(800)*0)", 0, 0},
    {"BOOL(EXP(800)*0)", 0, 1},
    {"SGN(EXP(800)*0)", 0, 0},
    // the formula texts the curve dialogs write
    {"sqrt((1-((x-10)*(x-10)/(10*10)))*5*5)+20", 2, 23},
    {"((x-0)*(x-0))/(2*10)+5", 4, 5.8},
    {"sqrt((((x-10)*(x-10))/(4*4)+1)*(3*3))+20", 10, 23},
    {"-sqrt(2*(x-1)*4)+5", 3, 1},
    {"-1*sin(-1*(x-0))+10", 1, 10 + std::sin(1.0)},
    {"-3*cos(-2*(x--5))+-4", -5, -7},
    {"-3*sin(-0.25*(x-5))/cos(-0.25*(x-5))+20", 1, 20 - 3 * std::tan(1.0)},
    {"x*1e-005+1e+006", 2, 1000000.00002},
};

void ExpectValue(const CMathParser& parser, double dExpected)
{
    EXPECT_EQ(parser.m_bError, 0);
    if (std::isinf(dExpected)) {
        EXPECT_EQ(parser.m_dResult, dExpected);
    } else {  // powers go through exp and ln
        EXPECT_NEAR(parser.m_dResult, dExpected, 1e-12 * std::max(1.0, std::fabs(dExpected)));
    }
}

TEST(EvaluateValues, GivesTheValueOnAFreshObjectAndAgain)
{
    for (const ValueCase& c : kCases) {
        SCOPED_TRACE(c.text.substr(0, 60));
        CMathParser parser(c.text);
        parser.AddVariable(c.x, "x");
        parser.Evaluate();
        ExpectValue(parser, c.dExpected);
        parser.Evaluate();
        ExpectValue(parser, c.dExpected);
    }
}

} // namespace
