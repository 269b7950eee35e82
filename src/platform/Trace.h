#pragma once
// Diagnostic trace lines for the debug output.

#include <functional>
#include <string>

namespace platform {

using TraceSink = std::function<void(const std::string& line)>;

// Formats like printf and hands the line to the sink. By default the sink writes
// to stderr in debug builds and drops the line otherwise.
void Trace(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Replaces the sink (an empty function restores the default); returns the old one.
TraceSink SetTraceSink(TraceSink sink);

} // namespace platform
