#include "res/DialogTemplates.h"
#include "res/resource.h"
#include "res/templates/TemplateStyle.h"

namespace res {

using namespace platform;

namespace {

constexpr ControlTemplate kControls[] = {
    {IDC_STATIC, ControlKind::Icon, "", 11, 17, 21, 20, CS_NONE, IDR_MAINFRAME},
    {IDC_STATIC, ControlKind::Text, "VORNA-数控车宏程序生成器 1.1 版  数控车高级编程必备工具！", 40, 19, 232, 10},
    {IDC_LEARN_MORE, ControlKind::PushButton, "了解详情", 172, 169, 50, 14, CS_TABSTOP},
    {IDOK, ControlKind::DefPushButton, "确定", 226, 169, 50, 14, CS_TABSTOP},
};

} // namespace

const DialogTemplate kAboutBox{
    IDD_ABOUTBOX, "关于 VORNA", 283, 190, "宋体", 11,
    style::kModalDialog, kControls};

} // namespace res
