#include "eval/CMathParser.h"

#include "eval/Arithmetic.h"
#include "eval/AsciiCase.h"
#include "eval/DecimalToDouble.h"
#include "eval/FoldedTables.h"
#include "eval/RuleValue.h"
#include "eval/SyntaxError.h"
#include "eval/TokenCode.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr std::size_t kMaxTextLength = 65535;  // positions and token lengths are 16-bit
constexpr std::string_view kModKeyword = "MOD";

// The shortest and the longest keyword: no identifier outside is one.
constexpr std::pair<std::size_t, std::size_t> KeywordLengths()
{
    std::pair<std::size_t, std::size_t> lengths{kModKeyword.size(), kModKeyword.size()};
    for (const std::string_view name : eval::kFunctionNames)
        lengths = {std::min(lengths.first, name.size()), std::max(lengths.second, name.size())};
    return lengths;
}
constexpr std::size_t kShortestKeyword = KeywordLengths().first;
constexpr std::size_t kLongestKeyword = KeywordLengths().second;

// What a character begins: an operator's own TokenCode, TOKEN_BANG, TOKEN_ERROR,
// or one of these two.
constexpr std::uint8_t kBeginsNumber = TOKEN_COUNT;
constexpr std::uint8_t kBeginsIdentifier = TOKEN_COUNT + 1;

// By the byte's unsigned value: every byte of 128 or more is no letter, digit or operator.
constexpr std::array<std::uint8_t, 256> BuildCharClasses()
{
    std::array<std::uint8_t, 256> classes{};
    classes.fill(TOKEN_ERROR);
    for (int c = '0'; c <= '9'; ++c)
        classes[c] = kBeginsNumber;
    classes['.'] = kBeginsNumber;
    for (int c = 'A'; c <= 'Z'; ++c)
        classes[c] = classes[c - 'A' + 'a'] = kBeginsIdentifier;
    classes['+'] = TOKEN_PLUS;
    classes['-'] = TOKEN_MINUS;
    classes['*'] = TOKEN_MULTIPLY;
    classes['/'] = TOKEN_DIVIDE;
    classes['^'] = TOKEN_POWER;
    classes['('] = TOKEN_LPAREN;
    classes[')'] = TOKEN_RPAREN;
    classes['!'] = TOKEN_BANG;
    return classes;
}
constexpr auto kCharClasses = BuildCharClasses();

bool IsIdentifierChar(char c)
{
    return kCharClasses[static_cast<unsigned char>(c)] == kBeginsIdentifier || eval::IsDecimalDigit(c) || c == '_';
}

} // namespace

CMathParser::CMathParser(std::string_view strExpr)
    : m_strExpr(strExpr)
{
}

void CMathParser::AddVariable(double dValue, std::string_view strName)
{
    m_varList.Add(dValue, strName);
}

bool CMathParser::FindVariable(std::string_view strName, double* pdValue) const
{
    const ParseVar* var = m_varList.Find(strName);
    if (var)
        *pdValue = var->dValue;
    return var != nullptr;
}

// The whole identifier, upper-cased, must equal the keyword: "SQRT" is never "SQR" and "T".
// The keyword is one of the evaluator's own constants, which end in a NUL.
bool CMathParser::MatchKeyword(std::string_view strIdentifier, std::string_view strKeyword)
{
    if (strIdentifier[0] != strKeyword[0] || strIdentifier != strKeyword)
        return false;
    m_token.strText = strKeyword.data();
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
    const std::size_t nLength = m_strExpr.size();
    std::size_t nPos = m_nPos;
    while (nPos < nLength && m_strExpr[nPos] == ' ')
        ++nPos;
    m_nPos = static_cast<std::uint16_t>(nPos);
    if (nPos >= nLength) {
        m_nTokenLen = 0;
        return TOKEN_END;
    }
    const int nClass = kCharClasses[static_cast<unsigned char>(m_strExpr[nPos])];
    int nToken = nClass;
    if (nClass == kBeginsNumber)
        nToken = ScanNumber();
    else if (nClass == kBeginsIdentifier)
        nToken = ScanIdentifier();
    else if (nClass <= TOKEN_RPAREN)
        ++m_nPos;
    m_nTokenLen = nToken == TOKEN_ERROR || nToken == TOKEN_BANG ? 0 : static_cast<std::uint16_t>(m_nPos - nPos);
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
    if (i < nLength && eval::ToUpper(m_strExpr[i]) == 'E') {
        ++i;
        if (i < nLength && (m_strExpr[i] == '+' || m_strExpr[i] == '-'))
            ++i;
        for (int nDigits = 0; nDigits < 4 && i < nLength && eval::IsDecimalDigit(m_strExpr[i]); ++nDigits)
            ++i;
    }
    m_token.dValue = eval::DecimalToDouble(m_strExpr.substr(nStart, i - nStart));
    m_nPos = static_cast<std::uint16_t>(i);
    return TOKEN_OPERAND;
}

// An identifier is the longest run of letters, digits and "_" from a letter.
int CMathParser::ScanIdentifier()
{
    std::size_t nEnd = m_nPos;
    while (nEnd < m_strExpr.size() && IsIdentifierChar(m_strExpr[nEnd]))
        ++nEnd;
    const std::string_view identifier = m_strExpr.substr(m_nPos, nEnd - m_nPos);
    if (identifier.size() >= kShortestKeyword && identifier.size() <= kLongestKeyword) {
        char upper[kLongestKeyword];
        std::transform(identifier.begin(), identifier.end(), upper, eval::ToUpper);
        const std::string_view upperIdentifier(upper, identifier.size());
        for (m_nFunction = 0; m_nFunction < static_cast<int>(std::size(eval::kFunctionNames)); ++m_nFunction)
            if (MatchKeyword(upperIdentifier, eval::kFunctionNames[m_nFunction]))
                return TOKEN_FUNCTION;
        if (MatchKeyword(upperIdentifier, kModKeyword))
            return TOKEN_MOD;
    }
    return ReadVariable(identifier, &m_token.dValue) ? TOKEN_OPERAND : TOKEN_ERROR;
}

// The shifts and reductions of ParseTables.h, with the one-symbol reductions
// folded away (FoldedTables.h), on a stack of bare states and values. A refused
// computation only marks the math error and the parse goes on; a syntax error,
// "!" where an operand belongs or a full stack ends it.
void CMathParser::Evaluate()
{
    m_nPos = 0;
    m_nError = 0;
    m_bMathError = 0;
    m_bError = 1;
    m_dResult = 0;
    if (m_strExpr.size() > kMaxTextLength) {
        m_nError = SYNTAX_TEXT_TOO_LONG;
        return;
    }
    const eval::FoldedTables& tables = eval::kFolded;
    std::uint8_t states[kStackSize];
    double values[kStackSize];
    std::int8_t functions[kStackSize];  // for a function-name item, its index
    int nTop = 0;
    int nToken = NextToken();
    eval::Step step = tables.start[nToken];
    states[0] = step.nState;  // the bottom state
    for (;;) {
        if (step.kind == eval::ActionKind::Shift) {
            if (nTop == kStackSize - 1) {
                // The refused token is taken all the same: the scan stops after it.
                m_nError = SYNTAX_STACK_FULL;
                NextToken();
                return;
            }
            const int nBelow = step.nState;
            ++nTop;
            values[nTop] = m_token.dValue;
            functions[nTop] = static_cast<std::int8_t>(nToken == TOKEN_FUNCTION ? m_nFunction : -1);
            nToken = NextToken();
            step = tables.afterShift[nBelow][step.nArg][nToken];
        } else if (step.kind == eval::ActionKind::Reduce) {
            nTop -= step.nPop;  // the left side takes the place of the right side's first item
            if (!eval::RuleValue(step.nArg, &values[nTop], functions[nTop], values[nTop]))
                m_bMathError = 1;
            step = tables.afterReduce[step.nLeft][states[nTop - 1]][nToken];
        } else if (step.kind == eval::ActionKind::Accept) {
            break;
        } else if (step.kind == eval::ActionKind::Error) {
            // Back to the start of the offending token.
            m_nError = step.nArg;
            m_nPos = static_cast<std::uint16_t>(m_nPos - m_nTokenLen);
            return;
        } else {  // Stop, the tables' only other action (FoldedTables.h)
            m_bMathError = 1;
            return;
        }
        states[nTop] = step.nState;
    }
    if (!m_bMathError) {
        m_bError = 0;
        m_dResult = values[nTop];
    }
}

int CMathParser::RoundToInt(double v)
{
    const double i = std::trunc(v);
    if (v > 0)
        return static_cast<int>((i + 1) - v < v - i ? i + 1 : i);
    return static_cast<int>(i - v < v - (i - 1) ? i : i - 1);
}
