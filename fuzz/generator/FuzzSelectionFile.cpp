// Arbitrary bytes as the selection file: the code read must be what C's reading
// gives, fgets of at most 19 characters up to the first line end into a 20-byte
// buffer, then atoi, with a number beyond int clamped to its range.

#include "generator/logic/SelectionFile.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

namespace {

constexpr std::size_t kBufferSize = 20;

// The file lives relative to the working directory, which is this run's own only
// while an input is read: libFuzzer resolves its corpus folders from the other.
std::filesystem::path g_workDir;

int ExpectedCode(const std::uint8_t* data, std::size_t size)
{
    char buffer[kBufferSize] = {};
    for (std::size_t i = 0; i + 1 < kBufferSize && i < size; ++i) {
        buffer[i] = static_cast<char>(data[i]);
        if (data[i] == '\n')
            break;
    }
    // atoi leaves a number beyond int undefined; the reader clamps it.
    return static_cast<int>(std::clamp<long long>(std::strtoll(buffer, nullptr, 10), INT_MIN, INT_MAX));
}

std::optional<int> ReadInWorkDir(const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path home = std::filesystem::current_path();
    std::filesystem::current_path(g_workDir);
    {
        std::ofstream file(generator::kSelectionFilePath, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!file)
            std::abort();
    }
    const std::optional<int> code = generator::ReadSelectionFile();
    std::filesystem::current_path(home);
    return code;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char pattern[] = "/tmp/vorna_fuzz_selection_XXXXXX";
    if (!mkdtemp(pattern))
        std::abort();
    g_workDir = pattern;
    std::filesystem::create_directory(g_workDir / std::filesystem::path(generator::kSelectionFilePath).parent_path());
    std::atexit([] {
        std::error_code error;
        std::filesystem::remove_all(g_workDir, error);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (ReadInWorkDir(data, size) != ExpectedCode(data, size))
        std::abort();
    return 0;
}
