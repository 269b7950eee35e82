#pragma once
// The program file "宏程序G代码.TXT" in the working directory.

#include <string>
#include <vector>

namespace generator {

inline constexpr const char* kProgramFileName = "宏程序G代码.TXT";

// Replaces the file with `lines`, each ended by CR LF. False when the file cannot
// be created, and also when writing or closing it fails (a full disk): a partial
// program must not pass for a finished one, so it is removed again.
bool WriteProgramFile(const std::vector<std::string>& lines);

} // namespace generator
