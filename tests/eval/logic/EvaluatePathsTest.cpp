// Evaluate takes the folded parse loop for a text it accepts and the table loop
// for every other; both must leave the same outcome. fuzz/eval's fuzz_eval_paths
// tries arbitrary texts; these are the ones each path must get right.

#include "CMathParserProbe.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <type_traits>

namespace {

// The parser views its text: a temporary string must not compile, a kept one must.
static_assert(!std::is_constructible_v<CMathParser, std::string&&>);
static_assert(!std::is_constructible_v<CMathParser, const std::string&&>);
static_assert(std::is_constructible_v<CMathParser, const std::string&>);

struct PathCase {
    std::string text;
    bool bFolded;  // finished by the folded loop, with x added
};

const PathCase kCases[] = {
    // accepted, with a value
    {"sqrt((1-((x-10)*(x-10)/(10*10)))*5*5)+20", true},
    {"-sqrt((((x-10)*(x-10))/(4*4)-1)*(3*3))+20", true},
    {"((x-0)*(x-0))/(2*10)+5", true},
    {"-3*cos(-2*(x--5))+-4", true},
    {"-3*sin(-0.25*(x-5))/cos(-0.25*(x-5))+20", true},
    {"x*1e-005+1e+006", true},
    {"2^3^2-8/2/2-2-3-4", true},
    {"7 MOD 4*2+2+7 MOD 3 MOD 2-ROUND(-2.5)+TRUNC(2.7)", true},
    {"abs(x)+atan(1)+exp(ln(2))+sqr(4)+not(0)+bool(x)+sgn(-1)", true},
    {std::string(97, '(') + "1" + std::string(97, ')'), true},
    // accepted, with a math failure: the parse still runs to the end
    {"1/0+2", true},
    {"-2^2", true},
    {"-sqrt(x-20)", true},
    {"SQRT(EXP(800)*0)", true},
    {"7 MOD 0.3", true},
    // not accepted: left to the table loop
    {"", false},
    {"--2", false},
    {"2*7 MOD 3", false},
    {"1/0)", false},
    {"!", false},
    {"1+!2)", false},
    {"SIN 2", false},
    {"SIN(2", false},
    {"2 3", false},
    {"y+1", false},
    {std::string(99, '(') + "1", false},
    {std::string(98, '(') + "1" + std::string(98, ')'), false},
    {std::string(65536, ' '), false},
};

TEST(EvaluatePaths, TheFoldedLoopLeavesTheTableLoopsOutcome)
{
    for (const PathCase& c : kCases) {
        SCOPED_TRACE(c.text.substr(0, 60));
        for (const bool bWithX : {false, true}) {
            CMathParser evaluated(c.text);
            CMathParser folded(c.text);
            CMathParser tables(c.text);
            for (CMathParser* parser : {&evaluated, &folded, &tables})
                if (bWithX)
                    parser->AddVariable(1.5, "x");
            evaluated.Evaluate();
            CMathParserProbe::EvaluateByTables(tables);
            EXPECT_TRUE(CMathParserProbe::SameOutcome(evaluated, tables)) << (bWithX ? "with x" : "without x");
            if (bWithX) {
                EXPECT_EQ(CMathParserProbe::EvaluateFolded(folded), c.bFolded);
            }
        }
    }
}

} // namespace
