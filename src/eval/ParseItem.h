#pragma once
// A token or a reduced symbol on the evaluator's parse stack.

#include <cstdint>
#include <string>

struct ParseItem {
    std::uint8_t nCode = 0;  // the parser state the item carries
    double dValue = 0;       // an operand's value, or the value computed for a reduced symbol
    std::string strText;     // the keyword of a function-name or MOD token, upper-case
};
