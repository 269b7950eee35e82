#pragma once
// Texts of the menu entries that the program adds.

namespace res {

// String 101: the About entry of the main window's system menu.
inline constexpr const char* kAboutBoxMenuText = "关于 VORNA(&A)...";

} // namespace res
