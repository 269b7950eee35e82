#pragma once
// The selection file that keeps the chosen CNC dialect from one run to the next:
// one decimal code and a line end, relative to the working directory.

#include <optional>
#include <string_view>

namespace generator {

inline constexpr const char* kSelectionFilePath = "数控系统/保存选择数控系统删除将不能保存选择.txt";

// The code at the start of `text`, read as C's atoi reads it: leading white space,
// an optional sign, the digits up to the first non-digit; 0 without digits. A
// number beyond the range of int gives INT_MAX or INT_MIN.
int ParseSelectionCode(std::string_view text);

// The saved code: at most 19 characters of the file's first line, line end
// included, through ParseSelectionCode. None when the path is not a regular file
// (missing, a folder, a named pipe, a device) or cannot be opened or read.
std::optional<int> ReadSelectionFile();

// Replaces the file's content with `code` and CR LF through ReplaceFileContent;
// false when that fails, and the saved code is then still the one read before.
bool WriteSelectionFile(int code);

} // namespace generator
