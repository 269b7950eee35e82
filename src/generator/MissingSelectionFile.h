#pragma once
// Without the selection file the installation is broken: both of its readers
// tell the user, open the home page for a new download and end the program.

namespace platform {
class CDialog;
}

// The message over `dialog`, then the home page, then the end of the process with
// exit code 0. Returns only where a test hook keeps the process alive.
void QuitForMissingSelectionFile(platform::CDialog& dialog);
