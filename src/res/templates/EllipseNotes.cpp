#include "res/DialogTemplates.h"
#include "res/resource.h"
#include "res/templates/TemplateStyle.h"

namespace res {

using namespace platform;

namespace {

constexpr ControlTemplate kControls[] = {
    {IDOK, ControlKind::DefPushButton, "确定", 77, 135, 50, 14, CS_TABSTOP},
    {IDCANCEL, ControlKind::PushButton, "取消", 134, 135, 50, 14, CS_TABSTOP},
    {IDC_STATIC, ControlKind::Bitmap, "", 7, 7, 177, 126, CS_BORDER, IDB_ELLIPSE_NOTES},
};

} // namespace

const DialogTemplate kEllipseNotes{
    IDD_ELLIPSE_NOTES, "合理输入椭圆注意事项", 191, 156, "System", 10,
    style::kModalDialog, kControls};

} // namespace res
