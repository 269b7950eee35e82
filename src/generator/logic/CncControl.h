#pragma once
// The six CNC controls a program is written for. The shared state keeps a control
// as its CNC_ code; the generator turns that code into a CncControl once, where it
// refuses an unknown code, so the program text is never handed one.

#include "curves/logic/CurveState.h"

#include <optional>

namespace generator {

enum class CncControl {
    Guangshu = CNC_GUANGSHU,
    Fanuc = CNC_FANUC,
    Siemens = CNC_SIEMENS,
    Huazhong = CNC_HUAZHONG,
    Dasen = CNC_DASEN,
    Mitsubishi = CNC_MITSUBISHI,
};

// None for a code of no control: 0 while none is chosen, or one written into the
// selection file by hand.
constexpr std::optional<CncControl> CncControlOfCode(int code)
{
    if (!IsKnownCncSystem(code))
        return std::nullopt;
    return static_cast<CncControl>(code);
}

} // namespace generator
