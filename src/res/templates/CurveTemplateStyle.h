#pragma once
// Styles shared by the curve dialogs' templates.

#include "platform/DialogTemplate.h"

namespace res::curve_style {

inline constexpr unsigned kDialog =
    platform::DS_POPUP | platform::DS_MODALFRAME | platform::DS_CAPTION | platform::DS_SYSMENU;
inline constexpr const char* kFont = "宋体";
inline constexpr int kPointSize = 11;

inline constexpr unsigned kEdit = platform::CS_BORDER | platform::CS_TABSTOP | platform::CS_AUTOHSCROLL;
inline constexpr unsigned kButton = platform::CS_TABSTOP;
inline constexpr unsigned kFirstRadio = platform::CS_GROUP | platform::CS_TABSTOP;

} // namespace res::curve_style
