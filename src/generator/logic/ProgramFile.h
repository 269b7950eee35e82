#pragma once
// The program file "宏程序G代码.TXT" in the working directory.

#include <string>
#include <vector>

namespace generator {

inline constexpr const char* kProgramFileName = "宏程序G代码.TXT";

// Replaces the file with `lines`, each ended by CR LF, through ReplaceFileContent:
// false when the file cannot be created or written, and then an earlier program
// stays as it was, byte for byte, and no partial program is left.
bool WriteProgramFile(const std::vector<std::string>& lines);

} // namespace generator
