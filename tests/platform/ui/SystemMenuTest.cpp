#include "platform/SystemMenu.h"

#include <QWidget>

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <optional>
#include <string>

namespace {

// The tests run on the offscreen platform, whose windows have no system menu.
TEST(SystemMenu, AWindowWithoutANativeSystemMenuGetsNoEntry)
{
    QWidget window;
    EXPECT_FALSE(platform::AppendSystemMenuEntry(window, 0x0010, "关于 VORNA(&A)..."));
}

#ifdef _WIN32

std::wstring MenuText(HMENU menu, int position)
{
    wchar_t text[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
    return text;
}

// A native window with a caption and a system menu gets a separator and the entry,
// with its command and its Chinese text.
TEST(SystemMenu, AppendsASeparatorAndTheEntryToTheNativeMenu)
{
    const HWND hwnd = CreateWindowExW(0, L"STATIC", L"probe", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, 0, 100,
                                      100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    const int before = GetMenuItemCount(GetSystemMenu(hwnd, FALSE));
    ASSERT_TRUE(platform::AppendSystemMenuEntry(hwnd, 0x0010, "关于 VORNA(&A)..."));
    const HMENU menu = GetSystemMenu(hwnd, FALSE);
    ASSERT_EQ(GetMenuItemCount(menu), before + 2);
    EXPECT_EQ(GetMenuState(menu, static_cast<UINT>(before), MF_BYPOSITION) & MF_SEPARATOR, UINT{MF_SEPARATOR});
    EXPECT_EQ(GetMenuItemID(menu, before + 1), 0x0010u);
    EXPECT_EQ(MenuText(menu, before + 1), L"关于 VORNA(&A)...");
    DestroyWindow(hwnd);
}

TEST(SystemMenu, CommandsComeOnlyFromSystemMenuMessages)
{
    const struct {
        const char* what;
        QByteArray eventType;
        UINT message;
        WPARAM wParam;
        std::optional<unsigned> command;
    } rows[] = {
        {"the About entry", "windows_generic_MSG", WM_SYSCOMMAND, 0x0010, 0x0010u},
        {"the low bits that Windows adds are cleared", "windows_generic_MSG", WM_SYSCOMMAND, 0xF063, 0xF060u},
        {"a button's command is no system command", "windows_generic_MSG", WM_COMMAND, 0x0010, std::nullopt},
        {"another kind of native event", "windows_dispatcher_MSG", WM_SYSCOMMAND, 0x0010, std::nullopt},
    };
    for (const auto& row : rows) {
        MSG msg{};
        msg.message = row.message;
        msg.wParam = row.wParam;
        EXPECT_EQ(platform::SystemMenuCommand(row.eventType, &msg), row.command) << row.what;
    }
}

#endif

} // namespace
