#include "eval/DecimalToDouble.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

struct DecimalCase {
    std::string text;
    double dExpected;
};

const DecimalCase kCases[] = {
    {"12.5", 12.5},
    {".5", 0.5},
    {"3.", 3},
    {"007", 7},
    {"1e-005", 1e-5},
    {"1E+006", 1e6},
    {"2.5E-3", 0.0025},
    {"2E", 2},
    {"2E+", 2},
    {"1E0000", 1},
    {"1E-310", 1e-310},
    {"0E9999", 0},
    {"1E9999", HUGE_VAL},
    {"0.001E9999", HUGE_VAL},
    {"1" + std::string(400, '0'), HUGE_VAL},
    {"1E-9999", 0},
    {"1000E-9999", 0},
    {"0." + std::string(400, '0') + "1", 0},
    {"0." + std::string(400, '0') + "1E9999", HUGE_VAL},
};

TEST(DecimalToDouble, ConvertsLikeAtof)
{
    for (const DecimalCase& c : kCases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        EXPECT_EQ(eval::DecimalToDouble(c.text), c.dExpected);
    }
}

// Ordinary numbers, on both sides of the exact short path, against the C
// library's own conversion in the "C" locale the test runs in.
const char* const kOrdinary[] = {
    "0",    "0.1",  "0.3",   "2.675",  "123456789012345",     "1234567890123456", "9007199254740993",
    "1e22", "1e23", "1E-22", "1e-23",  "0.0000000000000000000001", "3.14159265358979323846",
    "5e-324", "2.2250738585072014E-308", "1.7976931348623157e308", "8.5e-005", "12.5e+006",
};

TEST(DecimalToDouble, AgreesWithStrtod)
{
    for (const char* text : kOrdinary) {
        SCOPED_TRACE(text);
        EXPECT_EQ(eval::DecimalToDouble(text), std::strtod(text, nullptr));
    }
}

} // namespace
