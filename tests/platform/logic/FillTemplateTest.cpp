#include "platform/FillTemplate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(FillTemplate, FillsEachPlaceholderInOrder)
{
    const struct {
        const char* tmpl;
        std::vector<double> values;
        const char* text;
    } rows[] = {
        {"sqrt((1-((x-%g)*(x-%g)/(%g*%g)))*%g*%g)+%g", {10, 10, 10, 10, 5, 5, 20},
         "sqrt((1-((x-10)*(x-10)/(10*10)))*5*5)+20"},
        {"%g+%g", {1, -2}, "1+-2"},    // a negative value keeps its sign after the operator
        {"X%gZ%g", {1e-5, 1234567}, "X1e-005Z1.23457e+006"},
        {"100% %d", {}, "100% %d"},    // only "%g" is a placeholder
        {"", {}, ""},
        // Counts that differ cannot build at the callers; here they neither throw nor guess.
        {"%g*%g", {1}, "1*%g"},
        {"END 2", {10}, "END 2"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(platform::FillTemplate(row.tmpl, row.values), row.text) << row.tmpl;
}

} // namespace
