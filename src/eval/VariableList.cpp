#include "eval/VariableList.h"

#include "eval/AsciiCase.h"

#include <algorithm>

namespace {

// Without measuring the stored name first: it ends in a NUL.
bool HasName(const ParseVar& var, std::string_view strName)
{
    std::size_t i = 0;
    for (; i < strName.size(); ++i)
        if (var.szName[i] == '\0' || eval::ToUpper(var.szName[i]) != eval::ToUpper(strName[i]))
            return false;
    return var.szName[i] == '\0';
}

} // namespace

void VariableList::Add(double dValue, std::string_view strName)
{
    ParseVar& var = m_nInline < kInline ? m_inline[m_nInline++] : m_more.emplace_back();
    var.dValue = dValue;
    const std::size_t nLength = std::min<std::size_t>(strName.size(), kMaxVariableName);
    std::copy_n(strName.begin(), nLength, var.szName);
    var.szName[nLength] = '\0';
}

const ParseVar* VariableList::Find(std::string_view strName) const
{
    for (int i = 0; i < m_nInline; ++i)
        if (HasName(m_inline[i], strName))
            return &m_inline[i];
    for (const ParseVar& var : m_more)
        if (HasName(var, strName))
            return &var;
    return nullptr;
}
