#pragma once
// File names are kept as UTF-8 texts; the file system gets them as paths.

#include <filesystem>
#include <string>
#include <string_view>

namespace generator {

inline std::filesystem::path Utf8Path(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace generator
