#pragma once
// Evaluates one arithmetic formula over named double variables: numbers, variables,
// + - * / ^, MOD, unary minus, parentheses and thirteen functions. One object per
// evaluation: construct it from the text, AddVariable, Evaluate, read m_dResult and
// m_bError. On any failure m_bError is 1 and m_dResult exactly 0; nothing is thrown.

#include "eval/ParseItem.h"
#include "eval/ParseVar.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CMathParser {
public:
    explicit CMathParser(std::string strExpr);

    // Appends a variable; a name already added keeps its first value. Names are
    // matched without regard to case and cut to kMaxVariableName characters.
    void AddVariable(double dValue, const std::string& strName);

    // Parses and evaluates the text; may be called again with the same outcome.
    void Evaluate();

    // The nearest integer, a tie going to the lower neighbour (2.5 → 2, -2.5 → -3).
    // The result must fit in an int.
    static int RoundToInt(double v);

private:
    friend struct CMathParserProbe;  // tests look into the tokenizer and the parser

    static constexpr int kStackSize = 100;

    bool FindVariable(std::string_view strName, double* pdValue) const;
    bool MatchKeyword(std::string_view strKeyword);
    bool ReadVariable(double* pdValue);
    int NextToken();
    int ScanNumber();
    int ScanIdentifier();
    std::string_view IdentifierAtPos() const;

    void Push(const ParseItem& item);
    void Pop(ParseItem& item);
    void Shift(int nState);
    void Reduce(int nRule);
    int GotoState(int nRule) const;

    std::string m_strExpr;  // upper-cased at construction
    ParseItem m_token;      // the lookahead's value or keyword; a reduction's result
    int m_bMathError = 0;
    std::array<ParseItem, kStackSize> m_stack;
    int m_nTop = -1;
    int m_nError = 0;             // a SyntaxError code
    std::uint16_t m_nTokenLen = 0;  // the last token's length; its start while it is scanned
    int m_nTokenType = 0;
    std::vector<ParseVar> m_varList;  // in the order added
    std::uint16_t m_nPos = 0;

public:
    int m_bError = 0;
    double m_dResult = 0;
};
