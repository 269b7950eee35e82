#pragma once
// Opening web pages and files with the desktop, and ending the process, through
// hooks that tests can replace.

#include <functional>
#include <string>

namespace platform {

// Opens a web address ("http..."), or a file path (UTF-8, relative to the working
// directory) with the application the desktop associates with it. The result is
// not reported, as the callers never use it.
void ShellOpen(const std::string& target);

// Ends the process at once with `code`, running no destructors. Callers return
// right after it, so a test hook that does not end the process is safe.
void ExitProcess(int code);

using ShellOpenHook = std::function<void(const std::string& target)>;
using ExitProcessHook = std::function<void(int code)>;

// Each replaces its hook (an empty function restores the default); returns the old one.
ShellOpenHook SetShellOpenHook(ShellOpenHook hook);
ExitProcessHook SetExitProcessHook(ExitProcessHook hook);

} // namespace platform
