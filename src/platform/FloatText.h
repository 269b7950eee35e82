#pragma once
// The float text of the dialogs' edit fields: how a float member is shown and read.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The text an edit shows for a float member: six significant digits ("%g").
std::string FloatToText(float value);

// Reads an edit's text as a float: a decimal number with optional blanks (spaces
// and tabs) around it. Refused (nullopt): an empty text, anything else around the
// number, "inf", "nan" and hexadecimal forms, a number beyond the float range, and a
// zero whose first non-blank character is not the digit 0 ("-0", "+0", ".0").
std::optional<float> ParseFloatText(std::string_view text);

} // namespace platform
