#include "res/DialogTemplates.h"
#include "res/resource.h"
#include "res/templates/TemplateStyle.h"

namespace res {

using namespace platform;
using namespace style;

namespace {

// P, a and b sit on the edits 1044, 1045 and 1048.
constexpr ControlTemplate kControls[] = {
    {IDOK, ControlKind::DefPushButton, "确定", 60, 128, 50, 13, kButton},
    {IDCANCEL, ControlKind::PushButton, "取消", 113, 128, 50, 13, kButton},
    {IDC_STATIC, ControlKind::Text, "抛物线Z轴起点", 22, 15, 54, 8},
    {IDC_STATIC, ControlKind::Text, "抛物线方程中（P）的值", 22, 55, 81, 8},
    {IDC_STATIC, ControlKind::Text, "抛物线方程中（a）的值", 22, 75, 83, 8},
    {IDC_STATIC, ControlKind::Text, "方程：(Z-b)*(Z-b)=2*P*(X-a)", 22, 114, 120, 8},
    {IDC_STATIC, ControlKind::Text, "抛物线Z轴终点", 22, 35, 54, 8},
    {IDC_Z_START, ControlKind::Edit, "", 113, 12, 40, 14, kEdit},
    {IDC_Z_END, ControlKind::Edit, "", 113, 32, 40, 14, kEdit},
    {IDC_PARAM_A, ControlKind::Edit, "", 113, 52, 40, 14, kEdit},
    {IDC_PARAM_B, ControlKind::Edit, "", 113, 72, 40, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "抛物线方程中（b）的值", 20, 95, 83, 8},
    {IDC_PARAM_C, ControlKind::Edit, "", 113, 92, 40, 14, kEdit},
    {IDC_HOW_TO_INPUT, ControlKind::PushButton, "如何输入", 7, 127, 50, 14, kButton},
};

} // namespace

const DialogTemplate kParabolaX{
    IDD_PARABOLA_X, "在X轴上的抛物线", 170, 148, kFont, kPointSize, kModalDialog, kControls};

} // namespace res
