#include "generator/logic/ProgramNumber.h"

#include <gtest/gtest.h>

namespace {

struct NumberCase {
    double value;
    const char* text;
};

TEST(ProgramNumber, WritesNoExponent)
{
    const NumberCase cases[] = {
        // "%g" as it stands wherever it has no exponent
        {0.0, "0"},
        {-0.0, "0"},
        {1.2, "1.2"},
        {-1.5, "-1.5"},
        {13.200000375509262, "13.2"},
        {0.0001, "0.0001"},
        {0.00012345678, "0.000123457"},
        {999999.0, "999999"},
        {-999999.0, "-999999"},
        // plain decimal, 6 places, where "%g" would write an exponent
        {3.7997961044311523e-07, "0"},
        {-3.7997961044311523e-07, "0"},
        {5e-05, "0.00005"},
        {-5e-05, "-0.00005"},
        {9.99999e-05, "0.0001"},
        {6e-07, "0.000001"},
        {1e+06, "1000000"},
        {-2.5e+06, "-2500000"},
        {999999.5, "999999.5"},
        {1234567.125, "1234567.125"},
        {1e+20, "100000000000000000000"},
    };
    for (const NumberCase& c : cases)
        EXPECT_EQ(generator::FormatProgramNumber(c.value), c.text) << c.value;
}

} // namespace
