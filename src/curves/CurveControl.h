#pragma once
// One step of a curve dialog's data exchange: a float edit and the field of the OK
// sequence its member is, or the direction radios and the field of their index.

#include "curves/logic/CurveFields.h"

namespace curves {

struct CurveControl {
    using RadioField = int* CurveFields::*;

    constexpr CurveControl(int editId, FloatField field) : id(editId), edit(field) {}
    // `firstRadioId` is the first radio of the group.
    constexpr CurveControl(int firstRadioId, RadioField field) : id(firstRadioId), radios(field) {}

    int id;
    FloatField edit = nullptr;
    RadioField radios = nullptr;
};

} // namespace curves
