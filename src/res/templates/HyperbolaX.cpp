#include "res/DialogTemplates.h"
#include "res/resource.h"
#include "res/templates/TemplateStyle.h"

namespace res {

using namespace platform;
using namespace style;

namespace {

constexpr ControlTemplate kControls[] = {
    {IDC_STATIC, ControlKind::Text, "双曲线Z轴起点(z1)", 12, 13, 95, 8},
    {IDC_Z_START, ControlKind::Edit, "", 115, 10, 62, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "双曲线Z轴终点(z2)", 12, 33, 95, 8},
    {IDC_Z_END, ControlKind::Edit, "", 115, 30, 62, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "双曲线方程中(a)的值", 12, 53, 95, 8},
    {IDC_PARAM_A, ControlKind::Edit, "", 115, 50, 62, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "双曲线方程中(b)的值", 12, 73, 95, 8},
    {IDC_PARAM_B, ControlKind::Edit, "", 115, 70, 62, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "双曲线方程中(c)的值", 12, 93, 95, 8},
    {IDC_PARAM_C, ControlKind::Edit, "", 115, 90, 62, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "双曲线方程中(d)的值", 12, 113, 95, 8},
    {IDC_PARAM_D, ControlKind::Edit, "", 115, 110, 62, 14, kEdit},
    {IDC_STATIC, ControlKind::GroupBox, "双曲线类型", 12, 128, 165, 30, CS_GROUP},
    {IDC_RADIO_FIRST, ControlKind::AutoRadio, "顺时针", 27, 142, 50, 10, kFirstRadio},
    {IDC_RADIO_SECOND, ControlKind::AutoRadio, "逆时针", 105, 142, 50, 10},
    {IDC_STATIC, ControlKind::Text, "方程：(X-d)*(X-d)/b*b-(Z-c)*(Z-c)/a*a=1", 12, 167, 175, 8, CS_GROUP},
    {IDC_HOW_TO_INPUT, ControlKind::PushButton, "如何输入", 12, 184, 50, 14, kButton},
    {IDOK, ControlKind::DefPushButton, "确定", 70, 184, 50, 14, kButton},
    {IDCANCEL, ControlKind::PushButton, "取消", 127, 184, 50, 14, kButton},
};

} // namespace

const DialogTemplate kHyperbolaX{
    IDD_HYPERBOLA_X, "在X轴上的双曲线", 192, 205, kFont, kPointSize, kModalDialog, kControls};

} // namespace res
