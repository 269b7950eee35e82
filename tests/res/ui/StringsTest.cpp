#include "res/Strings.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

struct StringCase {
    int id;
    const char* text;  // nullptr: not in the table
};

constexpr StringCase kStrings[] = {
    {IDS_ABOUTBOX, "关于 VORNA(&A)..."},
    {0, nullptr},
    {IDM_ABOUTBOX, nullptr},
    {IDD_ABOUTBOX, nullptr},
};

TEST(Strings, LoadResString)
{
    for (const StringCase& c : kStrings) {
        SCOPED_TRACE(c.id);
        EXPECT_STREQ(res::LoadResString(c.id), c.text);
    }
}

} // namespace
