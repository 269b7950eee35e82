#pragma once
// The system menu of a window: the menu of its caption icon (Alt+Space) on Windows,
// where a program may add its own commands. Other desktops draw that menu in the
// window manager, with no entry a program can add.

#include <QByteArray>
#include <QWidget>

#include <optional>
#include <string>

namespace platform {

// Appends a separator and then an entry with `command` and `text` (UTF-8, "&" before
// the access key) to the system menu of `window`, which must be shown or have a native
// window. False where the window has no such menu: on Windows without one, and
// wherever the platform is not Windows' own (Linux, the offscreen platform).
bool AppendSystemMenuEntry(QWidget& window, unsigned command, const std::string& text);

#ifdef _WIN32
// The same for the native window `hwnd` (an HWND).
bool AppendSystemMenuEntry(void* hwnd, unsigned command, const std::string& text);
#endif

// The command of a system menu message (WM_SYSCOMMAND) handed to QWidget::nativeEvent,
// with its four low bits, which Windows uses itself, cleared; nothing for any other
// message.
std::optional<unsigned> SystemMenuCommand(const QByteArray& eventType, void* message);

} // namespace platform
