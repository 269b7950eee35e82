#include "platform/SystemMenu.h"

#ifdef _WIN32
#include <QGuiApplication>
#include <QString>

#include <windows.h>
#endif

namespace platform {

#ifdef _WIN32

bool AppendSystemMenuEntry(void* hwnd, unsigned command, const std::string& text)
{
    const HMENU menu = GetSystemMenu(static_cast<HWND>(hwnd), FALSE);
    if (menu == nullptr)
        return false;
    const std::wstring wide = QString::fromStdString(text).toStdWString();
    return AppendMenuW(menu, MF_SEPARATOR, 0, nullptr) && AppendMenuW(menu, MF_STRING, command, wide.c_str());
}

bool AppendSystemMenuEntry(QWidget& window, unsigned command, const std::string& text)
{
    // Only Windows' own platform gives a window an HWND.
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return false;
    return AppendSystemMenuEntry(reinterpret_cast<void*>(window.winId()), command, text);
}

std::optional<unsigned> SystemMenuCommand(const QByteArray& eventType, void* message)
{
    if (eventType != "windows_generic_MSG")
        return std::nullopt;
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message != WM_SYSCOMMAND)
        return std::nullopt;
    return static_cast<unsigned>(msg->wParam & 0xFFF0);
}

#else

bool AppendSystemMenuEntry(QWidget&, unsigned, const std::string&)
{
    return false;
}

std::optional<unsigned> SystemMenuCommand(const QByteArray&, void*)
{
    return std::nullopt;
}

#endif

} // namespace platform
