#include "res/DialogTemplates.h"
#include "res/resource.h"
#include "res/templates/TemplateStyle.h"

namespace res {

using namespace platform;
using namespace style;

namespace {

constexpr ControlTemplate kControls[] = {
    {IDC_STATIC, ControlKind::Text, "双曲线Z轴起点(z1)", 8, 13, 95, 8},
    {IDC_Z_START, ControlKind::Edit, "", 110, 10, 62, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "双曲线Z轴终点(z2)", 8, 33, 95, 8},
    {IDC_Z_END, ControlKind::Edit, "", 110, 30, 62, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "双曲线方程中(a)的值", 8, 53, 95, 8},
    {IDC_PARAM_A, ControlKind::Edit, "", 110, 50, 62, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "双曲线方程中(b)的值", 8, 73, 95, 8},
    {IDC_PARAM_B, ControlKind::Edit, "", 110, 70, 62, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "双曲线方程中(c)的值", 8, 93, 95, 8},
    {IDC_PARAM_C, ControlKind::Edit, "", 110, 90, 62, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "双曲线方程中(d)的值", 8, 113, 95, 8},
    {IDC_PARAM_D, ControlKind::Edit, "", 110, 110, 62, 14, kEdit},
    {IDC_STATIC, ControlKind::GroupBox, "双曲线类型", 8, 128, 164, 30, CS_GROUP},
    {IDC_RADIO_FIRST, ControlKind::AutoRadio, "顺时针", 23, 142, 50, 10, kFirstRadio},
    {IDC_RADIO_SECOND, ControlKind::AutoRadio, "逆时针", 100, 142, 50, 10},
    {IDC_STATIC, ControlKind::Text, "方程：(Z-c)*(Z-c)/a*a-(X-d)*(X-d)/b*b=1", 8, 165, 175, 8, CS_GROUP},
    {IDC_HOW_TO_INPUT, ControlKind::PushButton, "如何输入", 8, 181, 50, 14, kButton},
    {IDOK, ControlKind::DefPushButton, "确定", 65, 181, 50, 14, kButton},
    {IDCANCEL, ControlKind::PushButton, "取消", 122, 181, 50, 14, kButton},
};

} // namespace

const DialogTemplate kHyperbolaZ{
    IDD_HYPERBOLA_Z, "在Z轴上的双曲线", 184, 202, kFont, kPointSize, kModalDialog, kControls};

} // namespace res
