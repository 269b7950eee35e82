#include "platform/FormatG.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatG, WritesTheReferenceCharacters)
{
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {1e-5, "1e-005"},
        {0.00001, "1e-005"},
        {0.0001, "0.0001"},
        {1e6, "1e+006"},
        {100000.0, "100000"},
        {123456.0, "123456"},
        {1234567.0, "1.23457e+006"},
        {999999.5, "1e+006"},          // rounding carries into the exponent
        {0.1 + 0.2, "0.3"},
        {200.0 / 46.0, "4.34783"},
        {-2.5, "-2.5"},
        {-1234567.0, "-1.23457e+006"},
        {-0.000012345, "-1.2345e-005"},
        {1e100, "1e+100"},             // three digits needed anyway
        {1.5e-300, "1.5e-300"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(platform::FormatG(row.value), row.text) << row.value;
}

} // namespace
