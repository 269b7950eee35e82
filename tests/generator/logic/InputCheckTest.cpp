#include "generator/logic/InputCheck.h"

#include "generator/logic/Machining.h"
#include "generator/logic/ProgramNumber.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using generator::InputRange;
using generator::MachiningParams;

struct Change {
    float MachiningParams::*field;
    float value;
};

TEST(InputCheck, CheckInputRange)
{
    const MachiningParams ok{generator::MACHINING_SHAFT, 24, 1.5f, 0.5f, 0.1f, 30, 0.4f};
    struct Row {
        const char* what;
        std::vector<Change> changes;
        InputRange expected;
    };
    const Row rows[] = {
        {"the worked example", {}, InputRange::Accepted},
        {"allowance 0", {{&MachiningParams::allowanceX, 0}}, InputRange::Accepted},
        {"allowance below 0", {{&MachiningParams::allowanceX, -0.1f}}, InputRange::NotPositive},
        {"blank 0", {{&MachiningParams::blankDia, 0}}, InputRange::NotPositive},
        {"retract point below 0", {{&MachiningParams::retractX, -1}}, InputRange::NotPositive},
        {"feed 0", {{&MachiningParams::feed, 0}}, InputRange::NotPositive},
        {"feed below 0", {{&MachiningParams::feed, -1.5f}}, InputRange::NotPositive},
        // Written as 0 in plain decimals: "#1=#1-0" and "#2=#2+0" never end.
        {"feed written as 0", {{&MachiningParams::feed, 1e-7f}}, InputRange::BelowSmallestStep},
        {"roughing step written as 0", {{&MachiningParams::roughStep, 4e-7f}}, InputRange::BelowSmallestStep},
        {"finishing step written as 0", {{&MachiningParams::finishStep, 4e-7f}}, InputRange::BelowSmallestStep},
        {"a step written rounded up to 0.000001", {{&MachiningParams::finishStep, 9e-7f}},
         InputRange::BelowSmallestStep},
        {"the smallest step, 0.000001", {{&MachiningParams::finishStep, 1e-6f}}, InputRange::Accepted},
        {"a tiny blank is no loop step", {{&MachiningParams::blankDia, 4e-7f}}, InputRange::Accepted},
        {"a field at 0 is reported before a step too small, even after it",
         {{&MachiningParams::feed, 1e-7f}, {&MachiningParams::retractX, 0}}, InputRange::NotPositive},
    };
    for (const Row& row : rows) {
        MachiningParams params = ok;
        for (const Change& change : row.changes)
            params.*change.field = change.value;
        EXPECT_EQ(generator::CheckInputRange(params), row.expected) << row.what;
    }
}

TEST(InputCheck, TheSmallestStepIsWrittenAsTyped)
{
    EXPECT_EQ(generator::FormatProgramNumber(generator::kSmallestStep), "0.000001");
}

} // namespace
