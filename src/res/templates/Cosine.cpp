#include "res/DialogTemplates.h"
#include "res/resource.h"
#include "res/templates/TemplateStyle.h"

namespace res {

using namespace platform;
using namespace style;

namespace {

constexpr ControlTemplate kControls[] = {
    {IDOK, ControlKind::DefPushButton, "确定", 21, 133, 50, 13, kButton},
    {IDCANCEL, ControlKind::PushButton, "取消", 79, 133, 50, 13, kButton},
    {IDC_STATIC, ControlKind::Text, "余弦线Z轴起点(z1)", 18, 9, 65, 8},
    {IDC_Z_START, ControlKind::Edit, "", 95, 7, 40, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "余弦线Z轴终点(z2)", 18, 26, 66, 8},
    {IDC_Z_END, ControlKind::Edit, "", 95, 24, 40, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "余弦线值(a)", 18, 43, 42, 8},
    {IDC_PARAM_A, ControlKind::Edit, "", 95, 41, 40, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "余弦线值(b)", 18, 60, 42, 8},
    {IDC_PARAM_B, ControlKind::Edit, "", 95, 58, 40, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "余弦线值(c)", 18, 77, 42, 8},
    {IDC_PARAM_C, ControlKind::Edit, "", 95, 75, 40, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "余弦线值(d)", 18, 94, 42, 8},
    {IDC_PARAM_D, ControlKind::Edit, "", 95, 92, 40, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "方程：(x-d)=acos(b*(z-c))", 21, 115, 107, 8},
};

} // namespace

const DialogTemplate kCosine{IDD_COSINE, "余弦线", 161, 152, kFont, kPointSize, kModalDialog, kControls};

} // namespace res
