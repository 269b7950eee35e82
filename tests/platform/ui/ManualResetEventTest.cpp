#include "platform/ManualResetEvent.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>

using namespace std::chrono_literals;

namespace {

TEST(ManualResetEvent, WaitSeesTheStateLeftBySetAndReset)
{
    const struct {
        const char* name;
        std::function<void(platform::ManualResetEvent&)> prepare;
        bool signalled;
    } rows[] = {
        {"never set: times out", [](platform::ManualResetEvent&) {}, false},
        {"set: stays set for every wait", [](platform::ManualResetEvent& e) { e.Set(); e.WaitFor(0ms); }, true},
        {"set twice", [](platform::ManualResetEvent& e) { e.Set(); e.Set(); }, true},
        {"set then reset", [](platform::ManualResetEvent& e) { e.Set(); e.Reset(); }, false},
        {"reset then set", [](platform::ManualResetEvent& e) { e.Reset(); e.Set(); }, true},
    };
    for (const auto& row : rows) {
        platform::ManualResetEvent event;
        row.prepare(event);
        EXPECT_EQ(event.WaitFor(row.signalled ? 30s : 20ms), row.signalled) << row.name;
    }
}

TEST(ManualResetEvent, SetWakesEveryWaitingThread)
{
    platform::ManualResetEvent event;
    auto first = std::async(std::launch::async, [&event] { return event.WaitFor(30s); });
    auto second = std::async(std::launch::async, [&event] { return event.WaitFor(30s); });
    event.Set();
    EXPECT_TRUE(first.get());
    EXPECT_TRUE(second.get());
}

} // namespace
