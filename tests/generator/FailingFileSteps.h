#pragma once
// Steps of ReplaceFileContent that fail as the file system can, for the tests of
// both saved files and of the dialogs that report them.

#include "generator/logic/ReplaceFileContent.h"

#include <filesystem>
#include <ostream>
#include <string_view>
#include <system_error>

// A full disk: half the bytes reach the file, then the stream reports the failure.
inline void WriteHalfThenFail(std::ostream& out, std::string_view bytes)
{
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size() / 2));
    out.flush();
    out.setstate(std::ios::badbit);
}

// An I/O error, or a disk pulled out, while the file is flushed to it.
inline void FailToFlush(const std::filesystem::path&, std::error_code& error)
{
    error = std::make_error_code(std::errc::io_error);
}

// The file is held by another program.
inline void FailToRename(const std::filesystem::path&, const std::filesystem::path&, std::error_code& error)
{
    error = std::make_error_code(std::errc::permission_denied);
}
