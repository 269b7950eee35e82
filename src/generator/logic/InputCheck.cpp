#include "generator/logic/InputCheck.h"

namespace generator {

InputRange CheckInputRange(const MachiningParams& params)
{
    if (!(params.blankDia > 0 && params.feed > 0 && params.roughStep > 0 && params.finishStep > 0
          && params.retractX > 0 && params.allowanceX >= 0))
        return InputRange::NotPositive;
    if (params.feed < kSmallestStep || params.roughStep < kSmallestStep || params.finishStep < kSmallestStep)
        return InputRange::BelowSmallestStep;
    return InputRange::Accepted;
}

} // namespace generator
