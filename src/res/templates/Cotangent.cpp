#include "res/DialogTemplates.h"
#include "res/resource.h"
#include "res/templates/TemplateStyle.h"

namespace res {

using namespace platform;
using namespace style;

namespace {

constexpr ControlTemplate kControls[] = {
    {IDOK, ControlKind::DefPushButton, "确定", 23, 133, 50, 14, kButton},
    {IDCANCEL, ControlKind::PushButton, "取消", 75, 133, 50, 14, kButton},
    {IDC_STATIC, ControlKind::Text, "方程：(x-d)=a*ctg(b*(z-c))", 23, 115, 105, 12},
    {IDC_STATIC, ControlKind::Text, "余切线Z轴终点(z2)", 19, 26, 66, 8},
    {IDC_STATIC, ControlKind::Text, "余切线值(a)", 19, 43, 42, 8},
    {IDC_STATIC, ControlKind::Text, "余切线值(b)", 19, 60, 42, 8},
    {IDC_STATIC, ControlKind::Text, "余切线值(d)", 19, 94, 42, 8},
    {IDC_STATIC, ControlKind::Text, "余切线Z轴起点(z1)", 19, 9, 67, 8},
    {IDC_Z_START, ControlKind::Edit, "", 104, 7, 40, 14, kEdit},
    {IDC_Z_END, ControlKind::Edit, "", 104, 24, 40, 14, kEdit},
    {IDC_PARAM_A, ControlKind::Edit, "", 104, 41, 40, 14, kEdit},
    {IDC_PARAM_B, ControlKind::Edit, "", 104, 58, 40, 14, kEdit},
    {IDC_PARAM_C, ControlKind::Edit, "", 104, 75, 40, 14, kEdit},
    {IDC_PARAM_D, ControlKind::Edit, "", 104, 92, 40, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "余切线值(c)", 19, 77, 42, 8},
};

} // namespace

const DialogTemplate kCotangent{IDD_COTANGENT, "余切线", 173, 154, kFont, kPointSize, kModalDialog, kControls};

} // namespace res
