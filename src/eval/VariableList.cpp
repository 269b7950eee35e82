#include "eval/VariableList.h"

#include "eval/AsciiCase.h"

#include <algorithm>

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
        if (eval::EqualsIgnoringCase(m_inline[i].szName, strName))
            return &m_inline[i];
    for (const ParseVar& var : m_more)
        if (eval::EqualsIgnoringCase(var.szName, strName))
            return &var;
    return nullptr;
}
