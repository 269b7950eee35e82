#pragma once
// Replaces a file's bytes so that it never holds anything but its old bytes or
// all of the new ones: a full disk or a file held by another program must not
// leave a cut file behind.

#include <filesystem>
#include <ostream>
#include <string_view>
#include <system_error>

namespace generator {

// Writes `bytes` to a new file in the same folder, flushes and closes it, checks
// the stream and the size on disk, flushes the file to the disk, then renames it
// over `path` (over the file a symbolic link points to, for a link) and flushes
// the folder (FlushToDisk.h). False, with `path` untouched and the new file
// removed, when any step up to the rename fails; the folder's flush comes when
// the new bytes are in place already, so it is not reported. Also false at once
// when `path` is something other than a regular file (a folder, a named pipe, a
// device), so that nothing ever waits on a pipe's other end, and when an existing
// file cannot be opened for writing (read-only, or locked on Windows).
bool ReplaceFileContent(const std::filesystem::path& path, std::string_view bytes);

// The three steps that the file system can fail after the new file is made:
// writing (a full disk), flushing to the disk (an I/O error, a disk pulled out)
// and renaming (a file locked by another program). Each sets `error` when it
// fails and clears it otherwise, as std::filesystem does.
struct FileReplacementSteps {
    void (*write)(std::ostream& out, std::string_view bytes);
    void (*flush)(const std::filesystem::path& file, std::error_code& error);
    void (*rename)(const std::filesystem::path& from, const std::filesystem::path& to,
                   std::error_code& error);
};

// Replaces the steps (tests make them fail) and returns the previous ones.
FileReplacementSteps SetFileReplacementSteps(const FileReplacementSteps& steps);

} // namespace generator
