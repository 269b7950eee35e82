#include "res/DialogTemplates.h"
#include "res/resource.h"
#include "res/templates/TemplateStyle.h"

namespace res {

using namespace platform;

namespace {

constexpr ControlTemplate kControls[] = {
    {IDOK, ControlKind::DefPushButton, "确定", 68, 122, 44, 14, CS_TABSTOP},
    {IDCANCEL, ControlKind::PushButton, "取消", 117, 122, 44, 14, CS_TABSTOP},
    {IDC_STATIC, ControlKind::GroupBox, "选择正在使用的数控系统", 13, 13, 139, 79, CS_GROUP},
    {IDC_SAVE_SELECTION, ControlKind::DefPushButton, "保存选择", 19, 122, 44, 14, CS_TABSTOP},
    {IDC_STATIC, ControlKind::Text, "要求数控系统型号支持B类宏程序", 21, 100, 129, 8, CS_GROUP},
    {IDC_GUANGSHU, ControlKind::AutoRadio, "广数系统", 23, 29, 46, 10, CS_GROUP},
    {IDC_FANUC, ControlKind::AutoRadio, "FANUC 系统", 75, 27, 55, 10},
    {IDC_SIEMENS, ControlKind::AutoRadio, "西门子系统", 23, 51, 54, 10},
    {IDC_HUAZHONG, ControlKind::AutoRadio, "华中系统", 81, 50, 46, 10},
    {IDC_DASEN, ControlKind::AutoRadio, "大森系统", 26, 69, 46, 10},
    {IDC_MITSUBISHI, ControlKind::AutoRadio, "MITSUBISH系统", 83, 68, 67, 10},
};

} // namespace

// The template names no point size; 11 points, as its sibling the generator dialog.
const DialogTemplate kCncSystem{
    IDD_CNC_SYSTEM, "数控系统设置", 172, 143, style::kFont, style::kPointSize,
    style::kModalDialog, kControls};

} // namespace res
