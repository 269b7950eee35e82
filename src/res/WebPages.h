#pragma once
// The maker's web pages that the program opens.

namespace res {

inline constexpr const char* kHomePageUrl = "https://www.vorna.cn/";
inline constexpr const char* kHomePageNoSlash = "https://www.vorna.cn";
inline constexpr const char* kForumUrl = "https://www.vorna.cn/bbs";

} // namespace res
