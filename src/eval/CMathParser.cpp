#include "eval/CMathParser.h"

#include "eval/Arithmetic.h"
#include "eval/DecimalToDouble.h"
#include "eval/ParseTables.h"
#include "eval/SyntaxError.h"
#include "eval/TokenCode.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t kMaxTextLength = 65535;  // positions and token lengths are 16-bit

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char ToUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The code of a one-character operator, TOKEN_ERROR for any other character.
int OperatorToken(char c)
{
    switch (c) {
    case '+': return TOKEN_PLUS;
    case '-': return TOKEN_MINUS;
    case '*': return TOKEN_MULTIPLY;
    case '/': return TOKEN_DIVIDE;
    case '^': return TOKEN_POWER;
    case '(': return TOKEN_LPAREN;
    case ')': return TOKEN_RPAREN;
    default: return TOKEN_ERROR;
    }
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return ToUpper(x) == ToUpper(y); });
}

// The value of a rule's left side from its right side; false, leaving dValue
// alone, when the computation is refused.
bool RuleValue(int nRule, const ParseItem* right, double& dValue)
{
    switch (nRule) {
    case 1: dValue = right[0].dValue + right[2].dValue; return true;
    case 2: dValue = right[0].dValue - right[2].dValue; return true;
    case 4: dValue = right[0].dValue * right[2].dValue; return true;
    case 5: return eval::Divide(right[0].dValue, right[2].dValue, dValue);
    case 7: return eval::Power(right[0].dValue, right[2].dValue, dValue);
    case 100: return eval::Modulo(right[0].dValue, right[2].dValue, dValue);
    case 9: dValue = -right[1].dValue; return true;
    case 14: dValue = right[1].dValue; return true;
    case 16: return eval::ApplyFunction(right[0].strText, right[2].dValue, dValue);
    default: dValue = right[0].dValue; return true;  // the chain rules 3, 6, 8, 10, 12 and 15
    }
}

} // namespace

CMathParser::CMathParser(std::string strExpr)
    : m_strExpr(std::move(strExpr))
{
    // Once here instead of at every token: keywords, the exponent letter and
    // variable names then match without regard to case.
    std::transform(m_strExpr.begin(), m_strExpr.end(), m_strExpr.begin(), ToUpper);
}

void CMathParser::AddVariable(double dValue, const std::string& strName)
{
    ParseVar& var = m_varList.emplace_back();
    var.dValue = dValue;
    std::copy_n(strName.begin(), std::min<std::size_t>(strName.size(), kMaxVariableName), var.szName);
}

bool CMathParser::FindVariable(std::string_view strName, double* pdValue) const
{
    for (const ParseVar& var : m_varList) {
        if (EqualsIgnoringCase(strName, var.szName)) {
            *pdValue = var.dValue;
            return true;
        }
    }
    return false;
}

// The whole identifier must equal the keyword: "SQRT" is never "SQR" and "T".
bool CMathParser::MatchKeyword(std::string_view strIdentifier, std::string_view strKeyword)
{
    if (strIdentifier != strKeyword)
        return false;
    m_token.strText = strKeyword;
    m_nPos = static_cast<std::uint16_t>(m_nPos + strKeyword.size());
    return true;
}

bool CMathParser::ReadVariable(std::string_view strIdentifier, double* pdValue)
{
    m_nPos = static_cast<std::uint16_t>(m_nPos + strIdentifier.size());
    return FindVariable(strIdentifier, pdValue);
}

int CMathParser::NextToken()
{
    while (m_nPos < m_strExpr.size() && m_strExpr[m_nPos] == ' ')
        ++m_nPos;
    m_nTokenLen = m_nPos;
    if (m_nPos >= m_strExpr.size()) {
        m_nTokenLen = 0;
        return TOKEN_END;
    }
    const char c = m_strExpr[m_nPos];
    int nToken = TOKEN_ERROR;
    if (c == '!')
        nToken = TOKEN_BANG;
    else if (eval::IsDecimalDigit(c) || c == '.')
        nToken = ScanNumber();
    else if (IsLetter(c))
        nToken = ScanIdentifier();
    else {
        nToken = OperatorToken(c);
        if (nToken != TOKEN_ERROR)
            ++m_nPos;
    }
    if (nToken == TOKEN_ERROR || nToken == TOKEN_BANG)
        m_nTokenLen = 0;
    else
        m_nTokenLen = static_cast<std::uint16_t>(m_nPos - m_nTokenLen);
    return nToken;
}

// Digits with at most one ".", then "E", an optional sign and up to four digits.
int CMathParser::ScanNumber()
{
    const std::size_t nStart = m_nPos;
    const std::size_t nLength = m_strExpr.size();
    std::size_t i = nStart;
    bool bPoint = false;
    while (i < nLength && (eval::IsDecimalDigit(m_strExpr[i]) || (m_strExpr[i] == '.' && !bPoint))) {
        bPoint = bPoint || m_strExpr[i] == '.';
        ++i;
    }
    if (i == nStart + 1 && m_strExpr[nStart] == '.')
        return TOKEN_ERROR;
    if (i < nLength && m_strExpr[i] == 'E') {
        ++i;
        if (i < nLength && (m_strExpr[i] == '+' || m_strExpr[i] == '-'))
            ++i;
        for (int nDigits = 0; nDigits < 4 && i < nLength && eval::IsDecimalDigit(m_strExpr[i]); ++nDigits)
            ++i;
    }
    m_token.dValue = eval::DecimalToDouble(std::string_view(m_strExpr).substr(nStart, i - nStart));
    m_nPos = static_cast<std::uint16_t>(i);
    return TOKEN_OPERAND;
}

// An identifier is the longest run of letters, digits and "_" from a letter.
int CMathParser::ScanIdentifier()
{
    std::size_t nEnd = m_nPos;
    while (nEnd < m_strExpr.size()
           && (IsLetter(m_strExpr[nEnd]) || eval::IsDecimalDigit(m_strExpr[nEnd]) || m_strExpr[nEnd] == '_'))
        ++nEnd;
    const std::string_view identifier = std::string_view(m_strExpr).substr(m_nPos, nEnd - m_nPos);
    for (const std::string_view name : eval::kFunctionNames)
        if (MatchKeyword(identifier, name))
            return TOKEN_FUNCTION;
    if (MatchKeyword(identifier, "MOD"))
        return TOKEN_MOD;
    return ReadVariable(identifier, &m_token.dValue) ? TOKEN_OPERAND : TOKEN_ERROR;
}

void CMathParser::Push(const ParseItem& item)
{
    if (m_nTop == kStackSize - 1) {
        m_nError = SYNTAX_STACK_FULL;
        return;
    }
    // Member by member: one wide copy would load the code just stored as a byte,
    // which the processor cannot forward from the store and stalls on.
    ParseItem& top = m_stack[++m_nTop];
    top.nCode = item.nCode;
    top.dValue = item.dValue;
    top.strText = item.strText;
}

// The popped items stay readable, in pushed order, until the next push. The
// tables never pop below the bottom item (see ParseTablesCheck.cpp).
const ParseItem* CMathParser::Pop(int nCount)
{
    m_nTop -= nCount;
    return &m_stack[m_nTop + 1];
}

void CMathParser::Shift(int nState)
{
    m_token.nCode = static_cast<std::uint8_t>(nState);
    Push(m_token);
    m_nTokenType = NextToken();
}

// A refused computation leaves the value alone; the parse goes on and the
// result will be 0.
int CMathParser::Reduce(int nRule)
{
    const ParseItem* right = Pop(eval::RuleOf(nRule).nLength);
    if (!RuleValue(nRule, right, m_token.dValue))
        m_bMathError = 1;
    m_token.nCode = static_cast<std::uint8_t>(GotoState(nRule));
    Push(m_token);
    return m_token.nCode;
}

int CMathParser::GotoState(int nRule) const
{
    return eval::GotoOf(eval::RuleOf(nRule).nLeft, m_stack[m_nTop].nCode);
}

void CMathParser::Evaluate()
{
    m_nPos = 0;
    m_nTop = -1;
    m_nError = 0;
    m_bMathError = 0;
    m_bError = 0;
    if (m_strExpr.size() > kMaxTextLength) {
        m_nError = SYNTAX_TEXT_TOO_LONG;
    } else {
        Push(ParseItem{});
        m_nTokenType = NextToken();
        // The top item's state, kept at hand instead of read back from the stack.
        int nState = 0;
        bool bDone = false;
        while (!bDone && m_nError == 0) {
            const eval::Action action = eval::kAction[nState][m_nTokenType];
            switch (action.kind) {
            case eval::ActionKind::Shift:
                Shift(action.nArg);
                nState = action.nArg;
                break;
            case eval::ActionKind::Reduce:
                nState = Reduce(action.nArg);
                break;
            case eval::ActionKind::Error:
                m_nError = action.nArg;
                m_nPos = static_cast<std::uint16_t>(m_nPos - m_nTokenLen);
                break;
            case eval::ActionKind::Stop:
                m_bMathError = 1;
                bDone = true;
                break;
            case eval::ActionKind::Accept:
            case eval::ActionKind::None:  // never met: every reachable state has a full row
                bDone = true;
                break;
            }
        }
    }
    if (m_bMathError || m_nError) {
        m_bError = 1;
        m_dResult = 0;
    } else {
        m_dResult = m_stack[m_nTop].dValue;
    }
}

int CMathParser::RoundToInt(double v)
{
    const double i = std::trunc(v);
    if (v > 0)
        return static_cast<int>((i + 1) - v < v - i ? i + 1 : i);
    return static_cast<int>(i - v < v - (i - 1) ? i : i - 1);
}
