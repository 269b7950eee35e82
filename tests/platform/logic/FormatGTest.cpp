#include "platform/FormatG.h"

#include "platform/FillTemplate.h"
#include "platform/FloatText.h"
#include "support/CommaLocale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

struct NumberRow {
    double value;
    const char* text;
};

const NumberRow kFormatGRows[] = {
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
    {1.5, "1.5"},
    {2.25f, "2.25"},
    {13.2f, "13.2"},               // a float widened to double
    {-1234567.0, "-1.23457e+006"},
    {-0.000012345, "-1.2345e-005"},
    {1e100, "1e+100"},             // three digits needed anyway
    {1.5e-300, "1.5e-300"},
};

const NumberRow kFixedRows[] = {
    {1.5, "1.500000"},
    {-0.00005, "-0.000050"},
    {3.7997961044311523e-07, "0.000000"},
    {-3.7997961044311523e-07, "-0.000000"},
    {1234567.125, "1234567.125000"},
    {1e+20, "100000000000000000000.000000"},
};

// The rows, each with the formatter that writes it; the same under every locale.
void ExpectTheTables()
{
    for (const NumberRow& row : kFormatGRows) {
        EXPECT_EQ(platform::FormatG(row.value), row.text) << row.value;
        if (row.value == static_cast<float>(row.value)) {  // what a float edit shows
            EXPECT_EQ(platform::FloatToText(static_cast<float>(row.value)), row.text) << row.value;
        }
    }
    for (const NumberRow& row : kFixedRows)
        EXPECT_EQ(platform::FormatFixed(row.value, 6), row.text) << row.value;
    EXPECT_EQ(platform::FormatFixed(5, 0), "5");
    const double parabola[] = {1.5, 2.25, 10};
    EXPECT_EQ(platform::FillTemplate("sqrt(2*(x-%g)*%g)+%g", parabola), "sqrt(2*(x-1.5)*2.25)+10");
}

TEST(FormatG, WritesTheTable)
{
    ExpectTheTables();
}

TEST(FormatG, WritesAPointUnderACommaLocale)
{
    CommaLocale comma;
    if (!comma.Active())
        GTEST_SKIP() << CommaLocale::kMissing;
    char printed[16];
    std::snprintf(printed, sizeof printed, "%g", 1.5);
    ASSERT_STREQ(printed, "1,5");  // what printf would have written
    ExpectTheTables();
}

// printf's text with the exponent widened to three digits.
std::string PrintfG(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    std::string text = buffer;
    const auto e = text.find('e');
    if (e != std::string::npos && text.size() - (e + 2) == 2)
        text.insert(e + 2, "0");
    return text;
}

std::string PrintfFixed(double value, int places)
{
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", places, value);
    return buffer;
}

// The digits are the ones printf wrote before, rounding included: random doubles
// of every magnitude, floats widened as the dialogs' members are, and decimal
// fractions that sit on or next to a rounding boundary.
TEST(FormatG, WritesTheDigitsPrintfWritesInTheCLocale)
{
    std::mt19937_64 random(20261210);
    std::vector<double> values;
    for (int i = 0; i < 20000; ++i) {
        double bits;
        const std::uint64_t pattern = random();
        std::memcpy(&bits, &pattern, sizeof bits);
        values.push_back(bits);
        values.push_back(static_cast<float>(std::ldexp(static_cast<double>(random() % 100000000), static_cast<int>(random() % 120) - 80)));
        const double decimal = static_cast<double>(random() % 20000000) / std::pow(10.0, static_cast<int>(random() % 12));
        values.push_back(decimal);
        values.push_back(std::nextafter(decimal, 0.0));
        values.push_back(-decimal);
    }
    for (const double value : values) {
        if (value == 0.0)
            continue;  // the one case where the text differs on purpose
        if (std::isnan(value))
            continue;  // printf's sign of a NaN is each C library's own: glibc "-nan", MinGW "nan"
        ASSERT_EQ(platform::FormatG(value), PrintfG(value)) << std::hexfloat << value;
        if (std::isfinite(value) && std::fabs(value) < 1e30) {
            ASSERT_EQ(platform::FormatFixed(value, 6), PrintfFixed(value, 6)) << std::hexfloat << value;
            ASSERT_EQ(platform::FormatFixed(value, 0), PrintfFixed(value, 0)) << std::hexfloat << value;
        }
    }
}

} // namespace
