#pragma once
// The application object: the whole run of the program is the main dialog's modal run.

class CVornaApp {
public:
    // Runs the main dialog to its end. False: nothing of the application follows it.
    bool InitInstance();
};

extern CVornaApp theApp;
