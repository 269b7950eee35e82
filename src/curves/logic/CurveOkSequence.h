#pragma once
// The OK handler shared by the nine curve dialogs: reads and checks the fields, makes
// them the current curve, rescales and repaints the preview, and closes.

#include "curves/logic/CurveDialogHost.h"
#include "curves/logic/CurveFields.h"
#include "curves/logic/CurveKind.h"

namespace curves {

inline constexpr const char* kZAboveZeroMessage = "数据输入不合理:Z值要求输入小于等于零的数字";
inline constexpr const char* kZOrderMessage = "z轴终点坐标值应该小于起点坐标值";

// A field the exchange refuses ends the sequence at once: no check, nothing stored,
// the dialog open. A refused check shows its message and returns with the dialog
// open; the members stay negated until the next attempt reads the fields again.
void RunCurveOkSequence(const CurveKind& kind, const CurveFields& fields, CurveDialogHost& host);

} // namespace curves
