#include "platform/ManualResetEvent.h"

namespace platform {

void ManualResetEvent::Set()
{
    {
        const std::lock_guard lock(m_mutex);
        m_bSet = true;
    }
    m_signalled.notify_all();
}

void ManualResetEvent::Reset()
{
    const std::lock_guard lock(m_mutex);
    m_bSet = false;
}

bool ManualResetEvent::WaitFor(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    return m_signalled.wait_for(lock, timeout, [this] { return m_bSet; });
}

} // namespace platform
