#include "generator/logic/ReplaceFileContent.h"

#include "generator/logic/FlushToDisk.h"

#include <charconv>
#include <chrono>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace generator {
namespace fs = std::filesystem;
namespace {

void WriteBytes(std::ostream& out, std::string_view bytes)
{
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void RenameOver(const fs::path& from, const fs::path& to, std::error_code& error)
{
    fs::rename(from, to, error);
}

FileReplacementSteps g_steps = {WriteBytes, FlushFileToDisk, RenameOver};

// A name beside `target` that nothing uses yet; empty when none is found.
fs::path FreeNameBeside(const fs::path& target)
{
    // Seeded from the clock, as std::random_device may throw where the system has no
    // entropy source; the name is tested before use anyway.
    std::minstd_rand random(static_cast<std::uint_fast32_t>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    for (int attempt = 0; attempt < 16; ++attempt) {
        char suffix[16] = ".";
        const auto end = std::to_chars(suffix + 1, std::end(suffix), random(), 16).ptr;
        fs::path candidate = target;
        candidate += std::string(suffix, end) + ".tmp";
        std::error_code error;
        if (fs::symlink_status(candidate, error).type() == fs::file_type::not_found)
            return candidate;
    }
    return {};
}

} // namespace

bool ReplaceFileContent(const fs::path& path, std::string_view bytes)
{
    std::error_code error;
    fs::path target = path;
    if (fs::is_symlink(fs::symlink_status(path, error))) {
        target = fs::canonical(path, error);
        if (error)
            return false;
    }
    const fs::file_status status = fs::status(target, error);
    const bool existed = status.type() != fs::file_type::not_found;
    if (existed) {
        // Checked before any open: opening a named pipe waits for a reader.
        if (!fs::is_regular_file(status))
            return false;
        if (!std::fstream(target, std::ios::in | std::ios::out | std::ios::binary))
            return false;
    }

    const fs::path temp = FreeNameBeside(target);
    if (temp.empty())
        return false;
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    g_steps.write(out, bytes);
    out.flush();
    out.close();
    bool written = !out.fail() && fs::file_size(temp, error) == bytes.size() && !error;
    if (written && existed)
        fs::permissions(temp, status.permissions(), error);  // best effort: the new file is written already
    if (written) {
        g_steps.flush(temp, error);
        if (!error)
            g_steps.rename(temp, target, error);
        written = !error;
    }
    if (!written) {
        fs::remove(temp, error);
        return false;
    }
    FlushFolderToDisk(target.has_parent_path() ? target.parent_path() : fs::path("."));
    return true;
}

FileReplacementSteps SetFileReplacementSteps(const FileReplacementSteps& steps)
{
    const FileReplacementSteps previous = g_steps;
    g_steps = steps;
    return previous;
}

} // namespace generator
