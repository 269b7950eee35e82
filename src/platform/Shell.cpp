#include "platform/Shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QString>
#include <QUrl>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace platform {

namespace {

// Empty while the desktop and the process serve; user-interface thread only.
ShellOpenHook g_openHook;
ExitProcessHook g_exitHook;

bool IsWebAddress(const std::string& target)
{
    return target.starts_with("http://") || target.starts_with("https://");
}

QString AbsoluteFilePath(const std::string& file)
{
    return QDir::current().absoluteFilePath(QString::fromStdString(file));
}

bool OpenWithDesktop(const std::string& target)
{
    const QUrl url = IsWebAddress(target) ? QUrl(QString::fromStdString(target))
                                          : QUrl::fromLocalFile(AbsoluteFilePath(target));
    return QDesktopServices::openUrl(url);
}

} // namespace

bool ShellOpen(const std::string& target)
{
    return g_openHook ? g_openHook(target) : OpenWithDesktop(target);
}

std::string ShellFilePath(const std::string& file)
{
    return QDir::toNativeSeparators(AbsoluteFilePath(file)).toStdString();
}

void ExitProcess(int code)
{
    if (g_exitHook) {
        g_exitHook(code);
        return;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(code);
}

ShellOpenHook SetShellOpenHook(ShellOpenHook hook)
{
    return std::exchange(g_openHook, std::move(hook));
}

ExitProcessHook SetExitProcessHook(ExitProcessHook hook)
{
    return std::exchange(g_exitHook, std::move(hook));
}

} // namespace platform
