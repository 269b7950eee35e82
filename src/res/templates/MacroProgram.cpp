#include "res/DialogTemplates.h"
#include "res/resource.h"
#include "res/templates/TemplateStyle.h"

namespace res {

using namespace platform;

namespace {

constexpr ControlTemplate kControls[] = {
    {IDOK, ControlKind::DefPushButton, "确定", 77, 176, 39, 14, CS_TABSTOP},
    {IDC_STATIC, ControlKind::Text, "毛坯直径", 26, 17, 33, 8, CS_GROUP},
    {IDC_STATIC, ControlKind::Text, "每次进刀量", 26, 36, 41, 8, CS_GROUP},
    {IDC_STATIC, ControlKind::Text, "粗加工精度", 26, 58, 41, 8, CS_GROUP},
    {IDC_STATIC, ControlKind::Text, "精加工精度", 26, 78, 41, 8, CS_GROUP},
    {IDC_STATIC, ControlKind::Text, "X轴退刀点", 26, 96, 38, 8, CS_GROUP},
    {IDCANCEL, ControlKind::PushButton, "取消", 119, 176, 39, 14, CS_TABSTOP},
    {IDC_STATIC, ControlKind::Text, "X轴精加工余量", 26, 113, 54, 8, CS_GROUP},
    {IDC_SHAFT, ControlKind::AutoRadio, "轴类加工", 38, 146, 41, 10, CS_GROUP},
    {IDC_HOLE, ControlKind::AutoRadio, "孔类加工", 90, 146, 41, 10},
    {IDC_STATIC, ControlKind::GroupBox, "加工类型", 25, 131, 123, 32},
    {IDC_BLANK_DIA, ControlKind::Edit, "", 95, 13, 40, 14, style::kEdit},
    {IDC_FEED, ControlKind::Edit, "", 95, 33, 40, 14, style::kEdit},
    {IDC_ROUGH_STEP, ControlKind::Edit, "", 95, 53, 40, 14, style::kEdit},
    {IDC_FINISH_STEP, ControlKind::Edit, "", 95, 73, 40, 14, style::kEdit},
    {IDC_RETRACT_X, ControlKind::Edit, "", 95, 93, 40, 14, style::kEdit},
    {IDC_ALLOWANCE_X, ControlKind::Edit, "", 95, 113, 40, 14, style::kEdit},
};

} // namespace

const DialogTemplate kMacroProgram{
    IDD_MACRO_PROGRAM, "生成宏程序代码", 165, 197, style::kFont, style::kPointSize,
    style::kModalDialog, kControls};

} // namespace res
