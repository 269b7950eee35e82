#include "generator/logic/ProgramText.h"

#include "curves/logic/CurveState.h"
#include "generator/logic/Machining.h"
#include "generator/logic/ProgramNumber.h"
#include "platform/FillTemplate.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace generator {
namespace {

enum class DialectFamily {
    Bracketed,  // Guangshu, FANUC, Dasen, Mitsubishi: #-variables, WHILE[...]DO n ... END n
    Huazhong,   // #-variables, WHILE ... ENDW
    Siemens,    // R-parameters, labels and backward jumps
};

constexpr DialectFamily FamilyOf(CncControl control)
{
    switch (control) {
    case CncControl::Huazhong: return DialectFamily::Huazhong;
    case CncControl::Siemens: return DialectFamily::Siemens;
    case CncControl::Guangshu: case CncControl::Fanuc: case CncControl::Dasen: case CncControl::Mitsubishi:
        break;
    }
    return DialectFamily::Bracketed;
}

// The six columns of the slot table: one per dialect family and machining type.
enum SlotColumn {
    kBracketedShaft,
    kBracketedHole,
    kHuazhongShaft,
    kHuazhongHole,
    kSiemensShaft,
    kSiemensHole,
    kSlotColumns,
};

constexpr SlotColumn ColumnOf(DialectFamily family, bool hole)
{
    return static_cast<SlotColumn>(static_cast<int>(family) * 2 + (hole ? 1 : 0));
}
static_assert(ColumnOf(DialectFamily::Huazhong, false) == kHuazhongShaft
              && ColumnOf(DialectFamily::Siemens, true) == kSiemensHole);

// One statement slot: a template for every SlotColumn, and the numbers that fill
// its "%g" in order; a template with fewer placeholders takes the first ones.
struct SlotTemplate {
    std::array<const char*, kSlotColumns> forms;
    std::array<double ProgramNumbers::*, 2> values;
};

using N = ProgramNumbers;

// Columns in SlotColumn order: bracketed shaft, bracketed hole, Huazhong shaft,
// Huazhong hole, Siemens shaft, Siemens hole. The bracketed shaft and hole loops
// differ in their blanks on purpose ("]DO 2", "END 2" against "] DO2", "END2").
constexpr std::array<SlotTemplate, 33> kSlotTemplates = {{
    // Roughing: passes of #1 from T down by the feed, each an inner loop over #2.
    /*  1 */ {{"G00z-%g", "G00z-%g", "G00z-%g", "G00z-%g", "G00z-%g", "G00z-%g"}, {&N::zStart}},
    /*  2 */ {{"G00x%g", "G00x%g", "G00x%g", "G00x%g", "G00x%g", "G00x%g"}, {&N::blankDia}},
    /*  3 */ {{"#1=%g", "#1=%g", "#1=%g", "#1=%g", "R1=%g", "R1=%g"}, {&N::stock}},
    /*  4 */ {{"WHILE[#1GT0]DO 1", "WHILE[#1GT0] DO1", "WHILE #1GT0", "WHILE #1GT0", "VORNA1:", "VORNA1:"}, {}},
    /*  5 */ {{"#2=%g", "#2=%g", "#2=%g", "#2=%g", "R2=%g", "R2=%g"}, {&N::zStart}},
    /*  6 */ {{"G00z-%g", "G00z-%g", "G00z-%g", "G00z-%g", "G00z-%g", "G00z-%g"}, {&N::zStart}},
    /*  7 */ {{"WHILE[#2LT%g]DO 2", "WHILE[#2LT%g] DO2", "WHILE #2LT%g", "WHILE #2LT%g", "VORNA2:", "VORNA2:"}, {&N::zEnd}},
    /*  8 */ {{"G01x[2*#3+#1]z[-#2]", "G01x[2*#3-#1]z[-#2]", "G01x[2*#3+#1]z[-#2]", "G01x[2*#3-#1]z[-#2]", "G01x(2*R3+R1)z(-R2)", "G01x(2*R3-R1)z(-R2)"}, {}},
    /*  9 */ {{"#2=#2+%g", "#2=#2+%g", "#2=#2+%g", "#2=#2+%g", "R2=R2+%g", "R2=R2+%g"}, {&N::roughStep}},
    /* 10 */ {{"END 2", "END2", "ENDW", "ENDW", "IF R2<%g GOTOB VORNA2", "IF R2<%g GOTOB VORNA2"}, {&N::zEnd}},
    /* 11 */ {{"G01x[%g+#1]z-%g", "G01x[%g-#1]z-%g", "G01x[%g+#1]z-%g", "G01x[%g-#1]z-%g", "G01x(%g+R1)z-%g", "G01x(%g-R1)z-%g"}, {&N::endDia, &N::zEnd}},
    /* 12 */ {{"G00x%g", "G00x%g", "G00x%g", "G00x%g", "G00x%g", "G00x%g"}, {&N::retractX}},
    /* 13 */ {{"#1=#1-%g", "#1=#1-%g", "#1=#1-%g", "#1=#1-%g", "R1=R1-%g", "R1=R1-%g"}, {&N::feed}},
    /* 14 */ {{"END 1", "END1", "ENDW", "ENDW", "IF R1>0 GOTOB VORNA1", "IF R1>0 GOTOB VORNA1"}, {}},
    // Semi-finishing at rem off the curve.
    /* 15 */ {{"#2=%g", "#2=%g", "#2=%g", "#2=%g", "R2=%g", "R2=%g"}, {&N::zStart}},
    /* 16 */ {{"G00z-%g", "G00z-%g", "G00z-%g", "G00z-%g", "G00z-%g", "G00z-%g"}, {&N::zStart}},
    /* 17 */ {{"G00x%g", "G00x%g", "G00x%g", "G00x%g", "G00x%g", "G00x%g"}, {&N::semiStartDia}},
    /* 18 */ {{"WHILE[#2LT%g]DO 1", "WHILE[#2LT%g] DO1", "WHILE #2LT%g", "WHILE #2LT%g", "VORNA3:", "VORNA3:"}, {&N::zEnd}},
    /* 19 */ {{"G01x[2*#3+%g]z[-#2]", "G01x[2*#3-%g]z[-#2]", "G01x[2*#3+%g]z[-#2]", "G01x[2*#3-%g]z[-#2]", "G01x(2*R3+%g)z(-R2)", "G01x(2*R3-%g)z(-R2)"}, {&N::rem}},
    /* 20 */ {{"#2=#2+%g", "#2=#2+%g", "#2=#2+%g", "#2=#2+%g", "R2=R2+%g", "R2=R2+%g"}, {&N::finishStep}},
    /* 21 */ {{"END 1", "END1", "ENDW", "ENDW", "IF R2<%g GOTOB VORNA3", "IF R2<%g GOTOB VORNA3"}, {&N::zEnd}},
    /* 22 */ {{"G01x%gz-%g", "G01x%gz-%g", "G01x%gz-%g", "G01x%gz-%g", "G01x%gz-%g", "G01x%gz-%g"}, {&N::semiEndDia, &N::zEnd}},
    /* 23 */ {{"G00x%g", "G00x%g", "G00x%g", "G00x%g", "G00x%g", "G00x%g"}, {&N::retractX}},
    /* 24 */ {{"M00M05", "M00M05", "M00M05", "M00M05", "M00M05", "M00M05"}, {}},
    // Finishing on the curve itself.
    /* 25 */ {{"#2=%g", "#2=%g", "#2=%g", "#2=%g", "R2=%g", "R2=%g"}, {&N::zStart}},
    /* 26 */ {{"G00z-%g", "G00z-%g", "G00z-%g", "G00z-%g", "G00z-%g", "G00z-%g"}, {&N::zStart}},
    /* 27 */ {{"G00x%g", "G00x%g", "G00x%g", "G00x%g", "G00x%g", "G00x%g"}, {&N::startDia}},
    /* 28 */ {{"WHILE[#2LT%g]DO 1", "WHILE[#2LT%g] DO1", "WHILE #2LT%g", "WHILE #2LT%g", "VORNA4:", "VORNA4:"}, {&N::zEnd}},
    /* 29 */ {{"G01x[2*#3]z[-#2]", "G01x[2*#3]z[-#2]", "G01x[2*#3]z[-#2]", "G01x[2*#3]z[-#2]", "G01x(2*R3)z(-R2)", "G01x(2*R3)z(-R2)"}, {}},
    /* 30 */ {{"#2=#2+%g", "#2=#2+%g", "#2=#2+%g", "#2=#2+%g", "R2=R2+%g", "R2=R2+%g"}, {&N::finishStep}},
    /* 31 */ {{"END 1", "END1", "ENDW", "ENDW", "IF R2<%g GOTOB VORNA4", "IF R2<%g GOTOB VORNA4"}, {&N::zEnd}},
    /* 32 */ {{"G01x%gz-%g", "G01x%gz-%g", "G01x%gz-%g", "G01x%gz-%g", "G01x%gz-%g", "G01x%gz-%g"}, {&N::endDia, &N::zEnd}},
    /* 33 */ {{"G00x%g", "G00x%g", "G00x%g", "G00x%g", "G00x%g", "G00x%g"}, {&N::retractX}},
}};

// The slot after which each of the three copies of the formula line stands.
constexpr std::array<int, 3> kFormulaLineAfterSlot = {7, 18, 28};

constexpr bool SlotTemplatesAreFillable()
{
    for (const SlotTemplate& slot : kSlotTemplates) {
        const int given = (slot.values[0] != nullptr) + (slot.values[1] != nullptr);
        if (slot.values[0] == nullptr && slot.values[1] != nullptr)
            return false;
        for (const char* form : slot.forms) {
            const int wanted = platform::CountPlaceholders(form);
            if (wanted < 0 || wanted > given)
                return false;
        }
    }
    return true;
}
static_assert(SlotTemplatesAreFillable(),
              "every template's placeholders need values, taken from the front");

std::string FillSlot(const SlotTemplate& slot, SlotColumn column, const ProgramNumbers& numbers)
{
    std::array<double, 2> values{};
    std::size_t count = 0;
    for (double ProgramNumbers::*value : slot.values) {
        if (value)
            values[count++] = numbers.*value;
    }
    return platform::FillTemplate(slot.forms[column], std::span(values.data(), count),
                                  FormatProgramNumber);
}

const std::string* ChooseFormulaLine(CncControl control, const CurveSnapshot& curve)
{
    if (control == CncControl::Siemens)
        return &curve.formulaR;
    if (control == CncControl::Huazhong)
        return &curve.formulaHash;
    if (curve.formulaKind == FORMULA_CONIC)
        return &curve.formulaHash;
    if (curve.formulaKind == FORMULA_TRIG)
        return &curve.formulaHashDeg;
    return nullptr;
}

} // namespace

bool WritesOnlyFiniteNumbers(const ProgramNumbers& numbers)
{
    for (const SlotTemplate& slot : kSlotTemplates) {
        for (double ProgramNumbers::*value : slot.values) {
            if (value && !std::isfinite(numbers.*value))
                return false;
        }
    }
    return true;
}

std::vector<std::string> ProgramLines(CncControl control, int machining, const ProgramNumbers& numbers,
                                      const CurveSnapshot& curve)
{
    const SlotColumn column = ColumnOf(FamilyOf(control), machining == MACHINING_HOLE);
    const std::string* formulaLine = ChooseFormulaLine(control, curve);
    std::vector<std::string> lines;
    lines.reserve(kSlotTemplates.size() + kFormulaLineAfterSlot.size());
    for (int slot = 1; slot <= int(kSlotTemplates.size()); ++slot) {
        lines.push_back(FillSlot(kSlotTemplates[slot - 1], column, numbers));
        if (formulaLine && std::ranges::count(kFormulaLineAfterSlot, slot) != 0)
            lines.push_back(*formulaLine);
    }
    return lines;
}

} // namespace generator
