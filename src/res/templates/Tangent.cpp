#include "res/DialogTemplates.h"
#include "res/resource.h"
#include "res/templates/TemplateStyle.h"

namespace res {

using namespace platform;
using namespace style;

namespace {

constexpr ControlTemplate kControls[] = {
    {IDOK, ControlKind::DefPushButton, "确定", 19, 132, 50, 13, kButton},
    {IDCANCEL, ControlKind::PushButton, "取消", 78, 132, 50, 13, kButton},
    {IDC_STATIC, ControlKind::Text, "方程：(x-d)=a*tan(b*(z-c))", 21, 116, 105, 8},
    {IDC_STATIC, ControlKind::Text, "正切线Z轴终点(z2)", 19, 26, 66, 8},
    {IDC_STATIC, ControlKind::Text, "正切线值(a)", 19, 43, 42, 8},
    {IDC_STATIC, ControlKind::Text, "正切线值(b)", 19, 60, 42, 8},
    {IDC_STATIC, ControlKind::Text, "正切线值(d)", 19, 94, 42, 8},
    {IDC_STATIC, ControlKind::Text, "正切线Z轴起点(z1)", 19, 9, 67, 8},
    {IDC_Z_START, ControlKind::Edit, "", 100, 7, 40, 14, kEdit},
    {IDC_Z_END, ControlKind::Edit, "", 100, 24, 40, 14, kEdit},
    {IDC_PARAM_A, ControlKind::Edit, "", 100, 41, 40, 14, kEdit},
    {IDC_PARAM_B, ControlKind::Edit, "", 100, 58, 40, 14, kEdit},
    {IDC_PARAM_C, ControlKind::Edit, "", 100, 75, 40, 14, kEdit},
    {IDC_PARAM_D, ControlKind::Edit, "", 100, 92, 40, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "正切线值(c)", 19, 77, 42, 8},
};

} // namespace

const DialogTemplate kTangent{IDD_TANGENT, "正切线", 156, 152, kFont, kPointSize, kModalDialog, kControls};

} // namespace res
