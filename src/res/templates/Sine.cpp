#include "res/DialogTemplates.h"
#include "res/resource.h"
#include "res/templates/TemplateStyle.h"

namespace res {

using namespace platform;
using namespace style;

namespace {

constexpr ControlTemplate kControls[] = {
    {IDOK, ControlKind::DefPushButton, "确定", 19, 138, 50, 12, kButton},
    {IDCANCEL, ControlKind::PushButton, "取消", 74, 138, 50, 12, kButton},
    {IDC_STATIC, ControlKind::Text, "正弦线Z轴起点(z1)", 15, 17, 65, 8},
    {IDC_Z_START, ControlKind::Edit, "", 91, 16, 40, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "正弦线Z轴终点(z2)", 15, 34, 66, 8},
    {IDC_Z_END, ControlKind::Edit, "", 91, 33, 40, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "正弦线值(a)", 15, 51, 42, 8},
    {IDC_PARAM_A, ControlKind::Edit, "", 91, 50, 40, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "正弦线值(b)", 15, 68, 42, 8},
    {IDC_PARAM_B, ControlKind::Edit, "", 91, 67, 40, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "正弦线值(c)", 15, 85, 42, 8},
    {IDC_PARAM_C, ControlKind::Edit, "", 91, 84, 40, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "正弦线值(d)", 15, 102, 42, 8},
    {IDC_PARAM_D, ControlKind::Edit, "", 91, 101, 40, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "方程：(x-d)=a*sin(b*(z-c))", 16, 120, 105, 8},
};

} // namespace

const DialogTemplate kSine{IDD_SINE, "正弦线", 148, 158, kFont, kPointSize, kModalDialog, kControls};

} // namespace res
