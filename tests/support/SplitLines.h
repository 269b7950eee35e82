#pragma once
// A program's text as its lines: the expected programs are written with "\n",
// the program file ends its lines with "\r\n".

#include <string>
#include <string_view>
#include <vector>

// The lines of `text`, each without `lineEnd`; a text that ends with `lineEnd`
// has no empty last line.
inline std::vector<std::string> SplitLines(std::string_view text, std::string_view lineEnd = "\n")
{
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find(lineEnd, start);
        lines.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            break;
        start = end + lineEnd.size();
    }
    return lines;
}
