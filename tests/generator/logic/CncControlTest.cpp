#include "generator/logic/CncControl.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using generator::CncControl;
using generator::CncControlOfCode;

TEST(CncControl, EachCodeOfTheSixNamesItsControlAndNoOtherCodeDoes)
{
    const struct {
        int code;
        std::optional<CncControl> control;
    } rows[] = {
        {CNC_GUANGSHU, CncControl::Guangshu},
        {CNC_FANUC, CncControl::Fanuc},
        {CNC_SIEMENS, CncControl::Siemens},
        {CNC_HUAZHONG, CncControl::Huazhong},
        {CNC_DASEN, CncControl::Dasen},
        {CNC_MITSUBISHI, CncControl::Mitsubishi},
        {0, std::nullopt},   // none chosen yet
        {7, std::nullopt},   // one past the six, as a hand-edited selection file may hold
        {-1, std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CncControlOfCode(row.code), row.control) << "code " << row.code;
}

} // namespace
