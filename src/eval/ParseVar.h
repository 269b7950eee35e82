#pragma once
// A named variable of the evaluator.

constexpr int kMaxVariableName = 29;

struct ParseVar {
    double dValue = 0;
    char szName[kMaxVariableName + 1] = {};  // always NUL-terminated
};
