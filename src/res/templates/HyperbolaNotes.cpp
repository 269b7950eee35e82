#include "res/DialogTemplates.h"
#include "res/resource.h"
#include "res/templates/TemplateStyle.h"

namespace res {

using namespace platform;

namespace {

constexpr ControlTemplate kControls[] = {
    {IDOK, ControlKind::DefPushButton, "确定", 196, 140, 50, 14, CS_TABSTOP},
    {IDCANCEL, ControlKind::PushButton, "取消", 260, 140, 50, 14, CS_TABSTOP},
    {IDC_STATIC, ControlKind::Bitmap, "", 7, 7, 303, 131, CS_BORDER, IDB_HYPERBOLA_NOTES},
};

} // namespace

const DialogTemplate kHyperbolaNotes{
    IDD_HYPERBOLA_NOTES, "合理输入双曲线的注意事项", 317, 161, "System", 10,
    style::kModalDialog, kControls};

} // namespace res
