#include "res/DialogTemplates.h"
#include "res/resource.h"
#include "res/templates/TemplateStyle.h"

namespace res {

using namespace platform;

namespace {

constexpr ControlTemplate kControls[] = {
    {IDOK, ControlKind::DefPushButton, "确定", 79, 126, 50, 14, CS_TABSTOP},
    {IDCANCEL, ControlKind::PushButton, "取消", 134, 126, 50, 14, CS_TABSTOP},
    {IDC_STATIC, ControlKind::Bitmap, "", 7, 7, 177, 117, CS_BORDER, IDB_PARABOLA_NOTES},
};

} // namespace

const DialogTemplate kParabolaNotes{
    IDD_PARABOLA_NOTES, "输入抛物线注意事项", 191, 147, "System", 10,
    style::kModalDialog, kControls};

} // namespace res
