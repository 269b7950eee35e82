#pragma once
// What the evaluator's tokenizer found for the current token besides its code.

struct ParseItem {
    double dValue;  // an operand's value
    // The keyword of a function-name or MOD token, upper-case and NUL-terminated, or
    // null; it points at the evaluator's own keyword constant, so that nothing is
    // allocated.
    const char* strText;
};
