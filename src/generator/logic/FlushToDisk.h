#pragma once
// Forcing what the system still holds in its cache onto the disk, so that a file
// renamed into place keeps its bytes through a power cut: some file systems write
// the rename before the data, and leave an empty file in place of the old one.

#include <filesystem>
#include <system_error>

namespace generator {

// Flushes the data of the written, closed file at `path` to the disk: fsync on
// Linux, _commit (FlushFileBuffers) on Windows. Sets `error` when the file cannot
// be opened or flushed, and clears it otherwise.
void FlushFileToDisk(const std::filesystem::path& path, std::error_code& error);

// Flushes the entries of `folder` (a rename within it) to the disk on Linux; best
// effort, as some file systems refuse fsync on a folder. Nothing on Windows, whose
// file systems journal their entries and offer no such call.
void FlushFolderToDisk(const std::filesystem::path& folder);

} // namespace generator
