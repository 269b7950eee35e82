#include "generator/logic/FlushToDisk.h"

#include <cerrno>
#include <fcntl.h>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace generator {
namespace {

std::error_code LastError()
{
    return {errno, std::generic_category()};
}

} // namespace

#ifdef _WIN32

void FlushFileToDisk(const std::filesystem::path& path, std::error_code& error)
{
    error.clear();
    // FlushFileBuffers, under _commit, needs a handle with write access.
    const int fd = _wopen(path.c_str(), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
        error = LastError();
        return;
    }
    if (_commit(fd) != 0)
        error = LastError();
    _close(fd);
}

void FlushFolderToDisk(const std::filesystem::path&)
{
}

#else

void FlushFileToDisk(const std::filesystem::path& path, std::error_code& error)
{
    error.clear();
    // Linux flushes the file through any descriptor of it; a read-only one also
    // serves a file whose mode (the old file's, or the umask's) forbids writing.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = LastError();
        return;
    }
    if (::fsync(fd) != 0)
        error = LastError();
    ::close(fd);
}

void FlushFolderToDisk(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

#endif

} // namespace generator
