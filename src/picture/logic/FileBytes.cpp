#include "picture/logic/FileBytes.h"

#include <fstream>
#include <new>
#include <system_error>

namespace picture {

FileBytes ReadFileBytes(const std::filesystem::path& path, std::int64_t nMaxBytes)
{
    std::ifstream file;
    // Checked before the open, which would wait on a named pipe for a writer.
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error))
        file.open(path, std::ios::binary | std::ios::ate);
    if (!file.is_open())
        return {FileRead::kNotOpened, {}};
    const std::streamoff length = file.tellg();
    if (length < 0 || !file.seekg(0))
        return {FileRead::kNotRead, {}};
    if (length == 0)
        return {FileRead::kEmpty, {}};
    if (length > nMaxBytes)
        return {FileRead::kOverBound, {}};
    FileBytes read{FileRead::kRead, {}};
    try {
        read.m_bytes.resize(static_cast<std::size_t>(length));
    } catch (const std::bad_alloc&) {
        return {FileRead::kNoMemory, {}};
    }
    if (!file.read(reinterpret_cast<char*>(read.m_bytes.data()), length))
        return {FileRead::kNotRead, {}};
    return read;
}

} // namespace picture
