#include "generator/logic/SelectionFile.h"

#include "generator/logic/ReplaceFileContent.h"
#include "platform/FormatG.h"
#include "platform/Utf8Path.h"

#include <climits>
#include <filesystem>
#include <fstream>
#include <string>

namespace generator {
namespace {

constexpr std::size_t kMaxCodeChars = 19;

bool IsCSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

} // namespace

int ParseSelectionCode(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    // Accumulates toward the sign's side so that INT_MIN itself is reachable.
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        value = negative ? value * 10 - digit : value * 10 + digit;
        if (value > INT_MAX)
            return INT_MAX;
        if (value < INT_MIN)
            return INT_MIN;
    }
    return static_cast<int>(value);
}

std::optional<int> ReadSelectionFile()
{
    const std::filesystem::path path = platform::Utf8Path(kSelectionFilePath);
    // Checked before the open, which would wait on a named pipe for a writer.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string line;
    char c;
    while (line.size() < kMaxCodeChars && in.get(c)) {
        line += c;
        if (c == '\n')
            break;
    }
    // A file that opens but cannot be read is as broken an installation as a
    // missing one.
    if (in.bad())
        return std::nullopt;
    return ParseSelectionCode(line);
}

bool WriteSelectionFile(int code)
{
    return ReplaceFileContent(platform::Utf8Path(kSelectionFilePath), platform::FormatFixed(code, 0) + "\r\n");
}

} // namespace generator
