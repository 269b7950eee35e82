#include "res/DialogTemplates.h"
#include "res/resource.h"
#include "res/templates/TemplateStyle.h"

namespace res {

using namespace platform;
using namespace style;

namespace {

// P, a and b sit on the edits 1044, 1045 and 1048.
constexpr ControlTemplate kControls[] = {
    {IDOK, ControlKind::DefPushButton, "确定", 68, 162, 50, 13, kButton},
    {IDCANCEL, ControlKind::PushButton, "取消", 120, 162, 50, 13, kButton},
    {IDC_STATIC, ControlKind::Text, "抛物线Z轴终点(z2)", 19, 34, 69, 8},
    {IDC_STATIC, ControlKind::Text, "抛物线方程中（P）的值", 19, 52, 83, 8},
    {IDC_STATIC, ControlKind::Text, "抛物线方程中（a）的值", 19, 70, 84, 8},
    {IDC_STATIC, ControlKind::Text, "方程：(X-a)*(X-a)=2*P*(Z-b)", 16, 148, 131, 8},
    {IDC_RADIO_FIRST, ControlKind::AutoRadio, "顺时针", 21, 123, 40, 10, kFirstRadio},
    {IDC_RADIO_SECOND, ControlKind::AutoRadio, "逆时针", 89, 122, 50, 10},
    {IDC_STATIC, ControlKind::GroupBox, "抛物线类型", 14, 108, 142, 33, CS_GROUP},
    {IDC_STATIC, ControlKind::Text, "抛物线Z轴起点(z1)", 19, 16, 76, 8},
    {IDC_Z_START, ControlKind::Edit, "", 113, 12, 40, 14, kEdit},
    {IDC_Z_END, ControlKind::Edit, "", 113, 31, 40, 14, kEdit},
    {IDC_PARAM_A, ControlKind::Edit, "", 113, 50, 40, 14, kEdit},
    {IDC_PARAM_B, ControlKind::Edit, "", 113, 69, 40, 14, kEdit},
    {IDC_STATIC, ControlKind::Text, "抛物线方程中（b）的值", 19, 88, 84, 8},
    {IDC_PARAM_C, ControlKind::Edit, "", 113, 88, 40, 14, kEdit},
    {IDC_HOW_TO_INPUT, ControlKind::PushButton, "如何输入", 16, 161, 50, 14, kButton},
};

} // namespace

const DialogTemplate kParabolaZ{
    IDD_PARABOLA_Z, "在Z轴上的抛物线", 179, 182, kFont, kPointSize, kModalDialog, kControls};

} // namespace res
