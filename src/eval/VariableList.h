#pragma once
// The evaluator's variables in the order added. The first few live inside the
// object, so that the usual one variable per evaluation costs no allocation.

#include "eval/ParseVar.h"

#include <array>
#include <string_view>
#include <vector>

class VariableList {
public:
    // The name is cut to kMaxVariableName characters.
    void Add(double dValue, std::string_view strName);

    // The first variable of the name, compared without regard to case; null if none.
    const ParseVar* Find(std::string_view strName) const;

private:
    static constexpr int kInline = 4;

    std::array<ParseVar, kInline> m_inline;
    int m_nInline = 0;
    std::vector<ParseVar> m_more;  // beyond the inline ones
};
