#pragma once
// A picture file read whole into memory, within a bound on its size.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace picture {

enum class FileRead {
    kRead,
    kNotOpened,  // missing, or no regular file
    kNotRead,    // opened, but its size or its bytes could not be read
    kEmpty,
    kOverBound,  // more bytes than the bound: refused before anything is allocated or read
    kNoMemory,
};

struct FileBytes {
    FileRead m_result = FileRead::kNotOpened;
    std::vector<std::uint8_t> m_bytes; // the whole file when kRead, else empty
};

// Only a regular file is opened: a folder is refused, and so is a named pipe, whose
// open would wait for a writer.
FileBytes ReadFileBytes(const std::filesystem::path& path, std::int64_t nMaxBytes);

} // namespace picture
