#include "res/DialogTemplates.h"
#include "res/resource.h"
#include "res/templates/TemplateStyle.h"

namespace res {

using namespace platform;

namespace {

constexpr ControlTemplate kControls[] = {
    {IDOK, ControlKind::DefPushButton, "确定", 185, 202, 50, 14, CS_TABSTOP},
    {IDC_STATIC, ControlKind::Bitmap, "", 7, 7, 228, 192, CS_NONE, IDB_CURVE_CHECK},
};

} // namespace

const DialogTemplate kCurveCheck{
    IDD_CURVE_CHECK, "曲线合理性检查", 242, 223, "宋体", 12,
    style::kModalDialog, kControls};

} // namespace res
