#include "platform/FloatText.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace {

struct Accepted {
    const char* text;
    float value;
};

TEST(ParseFloatText, AcceptsDecimalNumbersWithBlanksAround)
{
    const Accepted rows[] = {
        {"0", 0.0f},
        {"0.0", 0.0f},              // a zero written with a leading 0 digit
        {"0e5", 0.0f},
        {"000", 0.0f},
        {"1", 1.0f},
        {"-2.5", -2.5f},
        {"+3", 3.0f},
        {" \t12.5\t ", 12.5f},      // spaces and tabs on both sides
        {".5", 0.5f},
        {"-.5", -0.5f},
        {"5.", 5.0f},
        {"1e3", 1000.0f},
        {"1E-3", 0.001f},
        {"-1.5e+2", -150.0f},
        {"123456789", 123456789.0f}, // rounded to the nearest float
        {"3.4e38", 3.4e38f},         // just inside the float range
        {"1e-40", 1e-40f},           // a denormal, not zero
    };
    for (const Accepted& row : rows) {
        const std::optional<float> value = platform::ParseFloatText(row.text);
        ASSERT_TRUE(value.has_value()) << '"' << row.text << '"';
        EXPECT_EQ(*value, row.value) << '"' << row.text << '"';
    }
}

TEST(ParseFloatText, RefusesEverythingElse)
{
    const char* const rows[] = {
        "", " ", "\t",
        "abc", "1a", "1 2", "1,5", "1.2.3", "--1", "+-1", "-", "+", ".",
        "1e", "1e+", "e5", ".e1",
        "\n1", "1\n",              // only spaces and tabs count as blanks
        "inf", "-inf", "infinity", "nan", "0x10", "1e0x",
        "1e39", "-1e39", "3.5e38", "1e400", // beyond the float range
        "1e-50", "-1e-50", "1e-400",         // underflow to zero
        "-0", "+0", ".0", "-0.0",            // zero not written from a leading 0
        "\xef\xbc\x91",                      // a full-width digit one
    };
    for (const char* text : rows)
        EXPECT_FALSE(platform::ParseFloatText(text).has_value()) << '"' << text << '"';
}

TEST(FloatToText, ShowsSixSignificantDigits)
{
    const struct {
        float value;
        const char* text;
    } rows[] = {
        {0.0f, "0"},
        {-0.0f, "0"},
        {1.5f, "1.5"},
        {0.1f, "0.1"},
        {-3.25f, "-3.25"},
        {123456.0f, "123456"},
        {1234567.0f, "1.23457e+006"},
        {100000.0f, "100000"},
        {1e-5f, "1e-005"},
        {FLT_MAX, "3.40282e+038"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(platform::FloatToText(row.value), row.text) << row.value;
}

} // namespace
