#pragma once
// A token or a reduced symbol on the evaluator's parse stack.

#include <cstdint>
#include <string_view>

struct ParseItem {
    std::uint8_t nCode = 0;  // the parser state the item carries
    double dValue = 0;       // an operand's value, or the value computed for a reduced symbol
    // The keyword of a function-name or MOD token, upper-case; it views the
    // evaluator's own keyword constant, so that items copy without allocating.
    std::string_view strText;
};
