#pragma once
// Opening web pages and files with the desktop, and ending the process, through
// hooks that tests can replace.

#include <functional>
#include <string>

namespace platform {

// Opens a web address ("http..."), or a file path (UTF-8, relative to the working
// directory) with the application the desktop associates with it. False when the
// desktop cannot open it, as where no application is registered for its type.
bool ShellOpen(const std::string& target);

// The full path of the file that ShellOpen opens for `file`: absolute, in the
// platform's native form (backslashes on Windows), UTF-8.
std::string ShellFilePath(const std::string& file);

// Ends the process at once with `code`, running no destructors. Callers return
// right after it, so a test hook that does not end the process is safe.
void ExitProcess(int code);

using ShellOpenHook = std::function<bool(const std::string& target)>;
using ExitProcessHook = std::function<void(int code)>;

// Each replaces its hook (an empty function restores the default); returns the old one.
ShellOpenHook SetShellOpenHook(ShellOpenHook hook);
ExitProcessHook SetExitProcessHook(ExitProcessHook hook);

} // namespace platform
