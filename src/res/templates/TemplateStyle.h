#pragma once
// Styles shared by the templates of the modal dialogs.

#include "platform/DialogTemplate.h"

namespace res::style {

inline constexpr unsigned kModalDialog =
    platform::DS_POPUP | platform::DS_MODALFRAME | platform::DS_CAPTION | platform::DS_SYSMENU;
// The curve, generator and CNC system dialogs' font.
inline constexpr const char* kFont = "宋体";
inline constexpr int kPointSize = 11;

inline constexpr unsigned kEdit = platform::CS_BORDER | platform::CS_TABSTOP | platform::CS_AUTOHSCROLL;
inline constexpr unsigned kButton = platform::CS_TABSTOP;
inline constexpr unsigned kFirstRadio = platform::CS_GROUP | platform::CS_TABSTOP;

} // namespace res::style
