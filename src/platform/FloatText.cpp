#include "platform/FloatText.h"

#include "platform/FormatG.h"

#include <charconv>
#include <cmath>

namespace platform {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return pos;
}

// number := digits ["." digits] [("e"|"E") ["+"|"-"] digits], at least one mantissa
// digit, the exponent digits required once "e" is written. Whether `text` is exactly
// one such number (without its sign).
bool IsUnsignedDecimal(std::string_view text)
{
    std::size_t pos = SkipDigits(text, 0);
    std::size_t mantissaDigits = pos;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fraction = pos + 1;
        pos = SkipDigits(text, fraction);
        mantissaDigits += pos - fraction;
    }
    if (mantissaDigits == 0)
        return false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            ++pos;
        const std::size_t exponent = pos;
        pos = SkipDigits(text, exponent);
        if (pos == exponent)
            return false;
    }
    return pos == text.size();
}

} // namespace

std::string FloatToText(float value)
{
    return FormatG(value);
}

std::optional<float> ParseFloatText(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;

    const char first = text.front();
    std::string_view magnitude = text;
    if (first == '+' || first == '-')
        magnitude.remove_prefix(1);
    if (!IsUnsignedDecimal(magnitude))
        return std::nullopt;

    // Read as a double, then narrowed. Out of range here is beyond the double's range
    // in either direction; both are refused with the float's own overflow below.
    double wide = 0.0;
    const char* end = magnitude.data() + magnitude.size();
    const auto [ptr, ec] = std::from_chars(magnitude.data(), end, wide);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;

    const float value = static_cast<float>(first == '-' ? -wide : wide);
    if (std::isinf(value))
        return std::nullopt;
    // A zero is taken only from a text that begins with the digit 0, so an underflow
    // such as "1e-50" is refused rather than silently becoming 0 (and so are "-0",
    // "+0" and ".0").
    if (value == 0.0f && first != '0')
        return std::nullopt;
    return value;
}

} // namespace platform
