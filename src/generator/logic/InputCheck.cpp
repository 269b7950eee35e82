#include "generator/logic/InputCheck.h"

#include "generator/logic/ProgramNumber.h"

namespace generator {

namespace {

bool WrittenAboveZero(float value)
{
    return value > 0 && FormatProgramNumber(value) != "0";
}

} // namespace

bool ValuesInRange(const MachiningParams& params)
{
    return params.blankDia > 0 && WrittenAboveZero(params.feed) && WrittenAboveZero(params.roughStep)
           && WrittenAboveZero(params.finishStep) && params.retractX > 0 && params.allowanceX >= 0;
}

} // namespace generator
