#pragma once
// The Qt event loop for widget tests: the preview paints, and the picture control
// turns its handed-over frames into repaints, only while events run.

#include <QCoreApplication>
#include <QElapsedTimer>

#include <chrono>
#include <thread>

// Runs events until `done` holds or `timeout` has passed; whether `done` holds.
template <typename Done>
bool RunEventsUntil(Done done, std::chrono::milliseconds timeout = std::chrono::milliseconds(3000))
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeout.count())
            return false;
        QCoreApplication::processEvents();
        // Leaves the picture control's worker its back buffer between two looks.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

inline void RunEventsFor(std::chrono::milliseconds duration)
{
    RunEventsUntil([] { return false; }, duration);
}
