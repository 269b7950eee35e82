#include "generator/logic/InputCheck.h"

#include "generator/logic/Machining.h"

#include <gtest/gtest.h>

namespace {

using generator::MachiningParams;

TEST(InputCheck, ValuesInRange)
{
    const MachiningParams ok{generator::MACHINING_SHAFT, 24, 1.5f, 0.5f, 0.1f, 30, 0.4f};
    struct Row {
        const char* what;
        float MachiningParams::*field;
        float value;
        bool accepted;
    };
    const Row rows[] = {
        {"the worked example", &MachiningParams::feed, 1.5f, true},
        {"allowance 0", &MachiningParams::allowanceX, 0, true},
        {"allowance below 0", &MachiningParams::allowanceX, -0.1f, false},
        {"blank 0", &MachiningParams::blankDia, 0, false},
        {"retract point below 0", &MachiningParams::retractX, -1, false},
        {"feed 0", &MachiningParams::feed, 0, false},
        // Written as 0 in plain decimals: "#1=#1-0" and "#2=#2+0" never end.
        {"feed written as 0", &MachiningParams::feed, 4e-7f, false},
        {"roughing step written as 0", &MachiningParams::roughStep, 4e-7f, false},
        {"finishing step written as 0", &MachiningParams::finishStep, 4e-7f, false},
        {"the smallest step written as 0.000001", &MachiningParams::finishStep, 1e-6f, true},
        {"a tiny blank is no loop step", &MachiningParams::blankDia, 4e-7f, true},
    };
    for (const Row& row : rows) {
        MachiningParams params = ok;
        params.*row.field = row.value;
        EXPECT_EQ(generator::ValuesInRange(params), row.accepted) << row.what;
    }
}

} // namespace
