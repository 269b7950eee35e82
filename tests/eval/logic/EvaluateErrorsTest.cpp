#include "CMathParserProbe.h"

#include "eval/SyntaxError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

constexpr int kMath = 0;  // no syntax error: a math failure

struct ErrorCase {
    std::string text;
    int nError;  // a SyntaxError code, or kMath
    int nPos;    // where the scan stopped
    bool bWithX = false;
};

const ErrorCase kCases[] = {
    // math failures: the parse goes on to the end
    {"-2^2", kMath, 4},
    {"0^2", kMath, 3},
    {"0^0", kMath, 3},
    {"0^-1", kMath, 4},
    {"2^20000", kMath, 7},
    {"2^-20000", kMath, 8},
    {"1/0", kMath, 3},
    {"1/0.0000001", kMath, 11},
    {"1/-0.0000001", kMath, 12},
    {"7 MOD 0", kMath, 7},
    {"7 MOD 0.0000001", kMath, 15},
    {"7 MOD 0.3", kMath, 9},
    {"2147483648 MOD 3", kMath, 16},
    {"3 MOD -2147483649", kMath, 17},
    {"ROUND(2e9)", kMath, 10},
    {"TRUNC(-2e9)", kMath, 11},
    {"LN(0)", kMath, 5},
    {"SQRT(-1)", kMath, 8},
    {"SQR(-4)", kMath, 7},
    {"SQR(1e247)", kMath, 10},
    {"EXP(11357)", kMath, 10},
    {"EXP(-11357)", kMath, 11},
    {"COS(1e19)", kMath, 9},
    {"SIN(-1e19)", kMath, 10},
    {"1/0+2", kMath, 5},
    {"-sqrt(x-20)", kMath, 11, true},
    // a value that is not a number fails every range and divisor test
    {"SQRT(EXP(800)*0)", kMath, 16},
    {"1/(EXP(800)*0)", kMath, 14},
    {"(EXP(800)*0) MOD 2", kMath, 18},
    {"2^(EXP(800)*0)", kMath, 14},
    {"ROUND(EXP(800)*0)", kMath, 17},
    // "!" where an operand belongs stops at once
    {"!", kMath, 0},
    {"1+!2)", kMath, 2},
    // syntax errors stop at the offending token
    {"", SYNTAX_OPERAND_EXPECTED, 0},
    {"   ", SYNTAX_OPERAND_EXPECTED, 3},
    {"--2", SYNTAX_OPERAND_EXPECTED, 1},
    {"-!", SYNTAX_OPERAND_EXPECTED, 1},
    {"()", SYNTAX_OPERAND_EXPECTED, 1},
    {"2^", SYNTAX_OPERAND_EXPECTED, 2},
    {"SIN(", SYNTAX_OPERAND_EXPECTED, 4},
    {"x", SYNTAX_OPERAND_EXPECTED, 1},
    {"2*y", SYNTAX_OPERAND_EXPECTED, 3, true},
    {"sinx", SYNTAX_OPERAND_EXPECTED, 4},
    {".", SYNTAX_OPERAND_EXPECTED, 0},
    {"2)", SYNTAX_OPERATOR_EXPECTED, 1},
    {"2 3", SYNTAX_OPERATOR_EXPECTED, 2},
    {"2!", SYNTAX_OPERATOR_EXPECTED, 1},
    {"1\t+1", SYNTAX_OPERATOR_EXPECTED, 1},
    {"1,5", SYNTAX_OPERATOR_EXPECTED, 1},
    {"2(3)", SYNTAX_OPERATOR_EXPECTED, 1},
    {"2*7 MOD 3", SYNTAX_OPERATOR_EXPECTED, 4},
    {"2/7 MOD 3", SYNTAX_OPERATOR_EXPECTED, 4},
    {"1/0)", SYNTAX_OPERATOR_EXPECTED, 3},
    {"SIN 2", SYNTAX_LPAREN_EXPECTED, 4},
    {"SQRT", SYNTAX_LPAREN_EXPECTED, 4},
    {"(2", SYNTAX_RPAREN_EXPECTED, 2},
    {"SIN(2", SYNTAX_RPAREN_EXPECTED, 5},
    {"(2 3)", SYNTAX_RPAREN_EXPECTED, 3},
    {"SIN(2*3(", SYNTAX_RPAREN_EXPECTED, 7},
    // the 100th push fills the stack, the 101st fails
    {std::string(99, '(') + "1", SYNTAX_STACK_FULL, 100},
    {std::string(98, '(') + "1" + std::string(98, ')'), SYNTAX_STACK_FULL, 101},
    {std::string(65536, ' '), SYNTAX_TEXT_TOO_LONG, 0},
};

void ExpectFailure(const CMathParser& parser, const ErrorCase& c)
{
    EXPECT_EQ(parser.m_bError, 1);
    EXPECT_EQ(parser.m_dResult, 0.0);
    EXPECT_FALSE(std::signbit(parser.m_dResult));
    EXPECT_EQ(CMathParserProbe::Error(parser), c.nError);
    if (c.nError == kMath) {
        EXPECT_EQ(CMathParserProbe::MathError(parser), 1);
    }
    EXPECT_EQ(CMathParserProbe::Pos(parser), c.nPos);
}

TEST(EvaluateErrors, FailWithTheCodeAndPositionOnAFreshObjectAndAgain)
{
    for (const ErrorCase& c : kCases) {
        SCOPED_TRACE(c.text.substr(0, 60));
        CMathParser parser(c.text);
        if (c.bWithX)
            parser.AddVariable(1, "x");
        parser.Evaluate();
        ExpectFailure(parser, c);
        parser.Evaluate();
        ExpectFailure(parser, c);
    }
}

} // namespace
