#include "eval/CMathParser.h"

#include "eval/DecimalToDouble.h"
#include "eval/ParseTables.h"
#include "eval/SyntaxError.h"
#include "eval/TokenCode.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr std::size_t kMaxTextLength = 65535;  // positions and token lengths are 16-bit

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char ToUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return ToUpper(x) == ToUpper(y); });
}

// False for a value that is not a number, which thus counts as out of range.
bool InRange(double v, double dLow, double dHigh)
{
    return v >= dLow && v <= dHigh;
}

bool IsUsableDivisor(double v)
{
    return std::fabs(v) >= 1e-6;
}

// The values whose nearest integer fits in an int.
bool RoundsIntoInt(double v)
{
    return v > -2147483648.5 && v <= 2147483647.5;
}

std::optional<double> Divide(double a, double b)
{
    if (!IsUsableDivisor(b))
        return std::nullopt;
    return a / b;
}

// Through the logarithm, so that a zero or negative base is refused.
std::optional<double> Power(double dBase, double dExponent)
{
    if (dBase < 0)
        return std::nullopt;
    const double t = std::log(dBase) * dExponent;
    if (!InRange(t, -11356, 11356))
        return std::nullopt;
    return std::exp(t);
}

// The remainder of the rounded operands, its sign following the left one.
std::optional<double> Modulo(double a, double b)
{
    if (!IsUsableDivisor(b) || !RoundsIntoInt(a) || !RoundsIntoInt(b))
        return std::nullopt;
    const long long nDivisor = CMathParser::RoundToInt(b);
    if (nDivisor == 0)
        return std::nullopt;
    // Wider than int, so that INT_MIN MOD -1 gives 0 instead of overflowing.
    return static_cast<double>(CMathParser::RoundToInt(a) % nDivisor);
}

struct Function {
    std::string_view name;
    std::optional<double> (*apply)(double v);
};

// In the order the names are tried: "SQRT" before "SQR".
constexpr Function kFunctions[] = {
    {"ABS", [](double v) -> std::optional<double> { return std::fabs(v); }},
    {"ATAN", [](double v) -> std::optional<double> { return std::atan(v); }},
    {"COS", [](double v) -> std::optional<double> {
         return InRange(v, -9e18, 9e18) ? std::optional(std::cos(v)) : std::nullopt;
     }},
    {"EXP", [](double v) -> std::optional<double> {
         return InRange(v, -11356, 11356) ? std::optional(std::exp(v)) : std::nullopt;
     }},
    {"LN", [](double v) -> std::optional<double> {
         return v > 0 ? std::optional(std::log(v)) : std::nullopt;
     }},
    {"ROUND", [](double v) -> std::optional<double> {
         return InRange(v, -1e9, 1e9) ? std::optional<double>(CMathParser::RoundToInt(v)) : std::nullopt;
     }},
    {"SIN", [](double v) -> std::optional<double> {
         return InRange(v, -9e18, 9e18) ? std::optional(std::sin(v)) : std::nullopt;
     }},
    {"SQRT", [](double v) -> std::optional<double> {
         return v >= 0 ? std::optional(std::sqrt(v)) : std::nullopt;
     }},
    {"SQR", [](double v) -> std::optional<double> {
         return InRange(v, 0, 1e246) ? std::optional(std::sqrt(v)) : std::nullopt;
     }},
    {"TRUNC", [](double v) -> std::optional<double> {
         return InRange(v, -1e9, 1e9) ? std::optional<double>(static_cast<int>(v)) : std::nullopt;
     }},
    {"NOT", [](double v) -> std::optional<double> { return v > -0.001 && v < 0.001 ? 1.0 : 0.0; }},
    {"BOOL", [](double v) -> std::optional<double> { return v > -0.001 && v < 0.001 ? 0.0 : 1.0; }},
    {"SGN", [](double v) -> std::optional<double> { return v > 0 ? 1.0 : 0.0; }},
};

std::optional<double> ApplyFunction(std::string_view name, double v)
{
    for (const Function& function : kFunctions)
        if (function.name == name)
            return function.apply(v);
    return std::nullopt;
}

// The value of a rule's left side from its popped right side.
std::optional<double> RuleValue(int nRule, const std::array<ParseItem, eval::kMaxRuleLength>& right)
{
    switch (nRule) {
    case 1: return right[0].dValue + right[2].dValue;
    case 2: return right[0].dValue - right[2].dValue;
    case 4: return right[0].dValue * right[2].dValue;
    case 5: return Divide(right[0].dValue, right[2].dValue);
    case 7: return Power(right[0].dValue, right[2].dValue);
    case 100: return Modulo(right[0].dValue, right[2].dValue);
    case 9: return -right[1].dValue;
    case 14: return right[1].dValue;
    case 16: return ApplyFunction(right[0].strText, right[2].dValue);
    default: return right[0].dValue;  // the chain rules 3, 6, 8, 10, 12 and 15
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

std::string_view CMathParser::IdentifierAtPos() const
{
    std::size_t nEnd = m_nPos;
    while (nEnd < m_strExpr.size()
           && (IsLetter(m_strExpr[nEnd]) || IsDigit(m_strExpr[nEnd]) || m_strExpr[nEnd] == '_'))
        ++nEnd;
    return std::string_view(m_strExpr).substr(m_nPos, nEnd - m_nPos);
}

// The whole identifier must equal the keyword: "SQRT" is never "SQR" and "T".
bool CMathParser::MatchKeyword(std::string_view strKeyword)
{
    if (IdentifierAtPos() != strKeyword)
        return false;
    m_token.strText = strKeyword;
    m_nPos = static_cast<std::uint16_t>(m_nPos + strKeyword.size());
    return true;
}

bool CMathParser::ReadVariable(double* pdValue)
{
    const std::string_view identifier = IdentifierAtPos();
    m_nPos = static_cast<std::uint16_t>(m_nPos + identifier.size());
    return FindVariable(identifier, pdValue);
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
    else if (IsDigit(c) || c == '.')
        nToken = ScanNumber();
    else if (IsLetter(c))
        nToken = ScanIdentifier();
    else {
        constexpr std::string_view kOperators = "+-*/^()";
        constexpr int kOperatorCodes[] = {TOKEN_PLUS, TOKEN_MINUS, TOKEN_MULTIPLY, TOKEN_DIVIDE,
                                          TOKEN_POWER, TOKEN_LPAREN, TOKEN_RPAREN};
        const std::size_t nOperator = kOperators.find(c);
        if (nOperator != std::string_view::npos) {
            ++m_nPos;
            nToken = kOperatorCodes[nOperator];
        }
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
    while (i < nLength && (IsDigit(m_strExpr[i]) || (m_strExpr[i] == '.' && !bPoint))) {
        bPoint = bPoint || m_strExpr[i] == '.';
        ++i;
    }
    if (i == nStart + 1 && m_strExpr[nStart] == '.')
        return TOKEN_ERROR;
    if (i < nLength && m_strExpr[i] == 'E') {
        ++i;
        if (i < nLength && (m_strExpr[i] == '+' || m_strExpr[i] == '-'))
            ++i;
        for (int nDigits = 0; nDigits < 4 && i < nLength && IsDigit(m_strExpr[i]); ++nDigits)
            ++i;
    }
    m_token.dValue = eval::DecimalToDouble(std::string_view(m_strExpr).substr(nStart, i - nStart));
    m_nPos = static_cast<std::uint16_t>(i);
    return TOKEN_OPERAND;
}

int CMathParser::ScanIdentifier()
{
    for (const Function& function : kFunctions)
        if (MatchKeyword(function.name))
            return TOKEN_FUNCTION;
    if (MatchKeyword("MOD"))
        return TOKEN_MOD;
    return ReadVariable(&m_token.dValue) ? TOKEN_OPERAND : TOKEN_ERROR;
}

void CMathParser::Push(const ParseItem& item)
{
    if (m_nTop == kStackSize - 1) {
        m_nError = SYNTAX_STACK_FULL;
        return;
    }
    m_stack[++m_nTop] = item;
}

// The tables never pop below the bottom item (see ParseTablesCheck.cpp).
void CMathParser::Pop(ParseItem& item)
{
    item = m_stack[m_nTop--];
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
        bool bDone = false;
        while (!bDone && m_nError == 0) {
            const eval::Action action = eval::kAction[m_stack[m_nTop].nCode][m_nTokenType];
            switch (action.kind) {
            case eval::ActionKind::Shift:
                Shift(action.nArg);
                break;
            case eval::ActionKind::Reduce:
                Reduce(action.nArg);
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

void CMathParser::Shift(int nState)
{
    m_token.nCode = static_cast<std::uint8_t>(nState);
    Push(m_token);
    m_nTokenType = NextToken();
}

// A refused computation leaves the value alone; the parse goes on and the
// result will be 0.
void CMathParser::Reduce(int nRule)
{
    const eval::Rule& rule = eval::RuleOf(nRule);
    std::array<ParseItem, eval::kMaxRuleLength> right;
    for (int i = rule.nLength - 1; i >= 0; --i)
        Pop(right[i]);
    if (const std::optional<double> value = RuleValue(nRule, right))
        m_token.dValue = *value;
    else
        m_bMathError = 1;
    m_token.nCode = static_cast<std::uint8_t>(GotoState(nRule));
    Push(m_token);
}

int CMathParser::GotoState(int nRule) const
{
    return eval::GotoOf(eval::RuleOf(nRule).nLeft, m_stack[m_nTop].nCode);
}

int CMathParser::RoundToInt(double v)
{
    const double i = std::trunc(v);
    if (v > 0)
        return static_cast<int>((i + 1) - v < v - i ? i + 1 : i);
    return static_cast<int>(i - v < v - (i - 1) ? i : i - 1);
}
