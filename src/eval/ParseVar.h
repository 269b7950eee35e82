#pragma once
// A named variable of the evaluator. Without member initializers, so that unused
// records cost nothing; AddVariable fills both fields.

constexpr int kMaxVariableName = 29;

struct ParseVar {
    double dValue;
    char szName[kMaxVariableName + 1];  // always NUL-terminated
};
