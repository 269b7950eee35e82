#pragma once
// A token or a reduced symbol on the evaluator's parse stack. Without member
// initializers, so that the parse stack costs nothing until items are pushed.

#include <cstdint>

struct ParseItem {
    std::uint8_t nCode;  // the parser state the item carries
    double dValue;       // an operand's value, or the value computed for a reduced symbol
    // The keyword of a function-name or MOD token, upper-case and NUL-terminated, or
    // null; it points at the evaluator's own keyword constant, so that items copy
    // without allocating.
    const char* strText;
};
