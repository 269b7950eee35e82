#include "res/DialogTemplates.h"
#include "res/resource.h"
#include "res/templates/TemplateStyle.h"

namespace res {

using namespace platform;
using namespace style;

namespace {

constexpr ControlTemplate kControls[] = {
    {IDC_STATIC, ControlKind::Text, "椭圆Z轴起点z1", 15, 13, 100, 8},
    {IDC_Z_START, ControlKind::Edit, "", 125, 10, 58, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "椭圆Z轴终点z2", 15, 33, 100, 8},
    {IDC_Z_END, ControlKind::Edit, "", 125, 30, 58, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "Z轴上的椭圆半轴(a)", 15, 53, 100, 8},
    {IDC_PARAM_A, ControlKind::Edit, "", 125, 50, 58, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "X轴上的椭圆半轴(b)", 15, 73, 100, 8},
    {IDC_PARAM_B, ControlKind::Edit, "", 125, 70, 58, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "椭圆在Z轴上的中心(c)", 15, 93, 100, 8},
    {IDC_PARAM_C, ControlKind::Edit, "", 125, 90, 58, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "椭圆在X轴上的中心(d)", 15, 113, 100, 8},
    {IDC_PARAM_D, ControlKind::Edit, "", 125, 110, 58, 14, kEdit},
    {IDC_STATIC, ControlKind::GroupBox, "椭圆类型", 15, 130, 168, 30, CS_GROUP},
    {IDC_RADIO_FIRST, ControlKind::AutoRadio, "顺时针", 30, 144, 50, 10, kFirstRadio},
    {IDC_RADIO_SECOND, ControlKind::AutoRadio, "逆时针", 110, 144, 50, 10},
    {IDC_STATIC, ControlKind::Text, "方程：(Z-c)*(Z-c)/a*a+(X-d)*(X-d)/b*b=1", 15, 170, 175, 8, CS_GROUP},
    {IDC_HOW_TO_INPUT, ControlKind::PushButton, "如何输入", 15, 190, 50, 14, kButton},
    {IDOK, ControlKind::DefPushButton, "确定", 74, 190, 50, 14, kButton},
    {IDCANCEL, ControlKind::PushButton, "取消", 133, 190, 50, 14, kButton},
};

} // namespace

const DialogTemplate kEllipse{IDD_ELLIPSE, "椭圆", 198, 212, kFont, kPointSize, kModalDialog, kControls};

} // namespace res
