#include "res/DialogTemplates.h"
#include "res/resource.h"

namespace res {

using namespace platform;

namespace {

constexpr unsigned kColumnButton = CS_NOTIFY | CS_STATICEDGE | CS_MODALFRAME | CS_FLAT | CS_TABSTOP;

constexpr ControlTemplate kControls[] = {
    {IDC_BANNER, ControlKind::BlackRect, "", 107, 15, 13, 13, CS_HIDDEN},
    {IDC_PREVIEW_FRAME, ControlKind::BlackFrame, "", 94, 0, 525, 421, CS_HIDDEN},
    {IDC_ELLIPSE, ControlKind::PushButton, "椭圆", 17, 114, 60, 20, kColumnButton},
    {IDC_HYPERBOLA_X, ControlKind::PushButton, "双曲线(X)", 17, 160, 60, 20, kColumnButton},
    {IDC_PARABOLA_X, ControlKind::PushButton, "抛物线(X)", 17, 206, 60, 20, kColumnButton},
    {IDC_COSINE, ControlKind::PushButton, "余弦线", 17, 252, 60, 20, kColumnButton},
    {IDC_COTANGENT, ControlKind::PushButton, "余切线", 17, 298, 60, 20, kColumnButton},
    {IDC_GENERATE, ControlKind::PushButton, "生成宏程序", 17, 344, 60, 20, kColumnButton},
    {IDC_VIDEOS, ControlKind::PushButton, "进入官网下载操作视频", 17, 9, 60, 27,
     CS_MULTILINE | CS_MODALFRAME | CS_FLAT | CS_TABSTOP},
    {IDC_STATIC, ControlKind::Text,
     "如果您是第一次使用vorna系列软件建议您去vorna官网上下载详细使用视频！数控车床高级编程必备工具！",
     17, 42, 60, 65},
    {IDC_ABOUT, ControlKind::PushButton, "关于VORNA", 17, 367, 60, 20, kColumnButton},
    {IDC_SINE, ControlKind::PushButton, "正弦线", 17, 229, 60, 20, kColumnButton},
    {IDC_TANGENT, ControlKind::PushButton, "正切线", 17, 275, 60, 20, kColumnButton},
    {IDC_HYPERBOLA_Z, ControlKind::PushButton, "双曲线(Z)", 17, 137, 60, 20, kColumnButton},
    {IDC_PARABOLA_Z, ControlKind::PushButton, "抛物线(Z)", 17, 183, 60, 20, kColumnButton},
    {IDC_CNC_SYSTEM, ControlKind::PushButton, "数控系统设置", 17, 321, 60, 20, kColumnButton},
    {IDC_FORUM, ControlKind::PushButton, "信息反馈", 17, 390, 60, 20, kColumnButton},
};

} // namespace

const DialogTemplate kVornaDialog{
    IDD_VORNA_DIALOG, "VORNA-宏程序生成器", 620, 421, "宋体", 9,
    DS_POPUP | DS_VISIBLE | DS_CAPTION | DS_SYSMENU | DS_SIZING | DS_MINIMIZEBOX |
        DS_MAXIMIZEBOX | DS_APPWINDOW,
    kControls};

} // namespace res
