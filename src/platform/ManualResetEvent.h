#pragma once
// A manual-reset event: once set it stays set, waking every waiter, until reset.

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace platform {

class ManualResetEvent {
public:
    ManualResetEvent() = default;
    ManualResetEvent(const ManualResetEvent&) = delete;
    ManualResetEvent& operator=(const ManualResetEvent&) = delete;

    void Set();
    void Reset();

    // Waits until the event is set or `timeout` has passed; true when it is set.
    // Returns at once when it is set already. Timeouts of years are fine; one near
    // milliseconds::max() would overflow the clock.
    bool WaitFor(std::chrono::milliseconds timeout);

private:
    std::mutex m_mutex;
    std::condition_variable m_signalled;
    bool m_bSet = false;
};

} // namespace platform
