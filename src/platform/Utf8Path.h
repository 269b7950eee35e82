#pragma once
// File names are kept as UTF-8 texts; the file system gets them as paths. A path
// made from a plain std::string would be read in the ANSI code page on Windows,
// so the text goes in as char8_t.

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

inline std::filesystem::path Utf8Path(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace platform
