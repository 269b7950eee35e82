#include "platform/Trace.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <utility>

namespace platform {

namespace {

// The animation thread traces too, so the sink is swapped and read under a lock.
std::mutex g_sinkMutex;
TraceSink g_sink;

void DefaultSink([[maybe_unused]] const std::string& line)
{
#ifndef NDEBUG
    std::fputs(line.c_str(), stderr);
#endif
}

} // namespace

void Trace(const char* format, ...)
{
    std::va_list args;
    va_start(args, format);
    std::va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string line;
    if (length > 0) {
        line.resize(static_cast<std::size_t>(length));
        std::vsnprintf(line.data(), line.size() + 1, format, again);
    }
    va_end(again);

    TraceSink sink;
    {
        const std::lock_guard lock(g_sinkMutex);
        sink = g_sink;
    }
    if (sink)
        sink(line);
    else
        DefaultSink(line);
}

TraceSink SetTraceSink(TraceSink sink)
{
    const std::lock_guard lock(g_sinkMutex);
    return std::exchange(g_sink, std::move(sink));
}

} // namespace platform
