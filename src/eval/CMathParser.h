#pragma once
// Evaluates one arithmetic formula over named double variables: numbers, variables,
// + - * / ^, MOD, unary minus, parentheses and thirteen functions. One object per
// evaluation: construct it from the text, AddVariable, Evaluate, read m_dResult and
// m_bError. On any failure m_bError is 1 and m_dResult exactly 0; nothing is thrown.

#include "eval/ParseItem.h"
#include "eval/VariableList.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

class CMathParser {
public:
    // The object views the text, which must outlive it: a caller keeps its formula
    // text for the evaluation, so that nothing is copied or allocated per point.
    explicit CMathParser(std::string_view strExpr);
    // A temporary string, const or not, would be gone before Evaluate reads it.
    template <class Text>
        requires std::is_same_v<std::remove_const_t<Text>, std::string>
    CMathParser(Text&&) = delete;

    // Appends a variable; a name already added keeps its first value. Names are
    // matched without regard to case and cut to kMaxVariableName characters.
    void AddVariable(double dValue, std::string_view strName);

    // Parses and evaluates the text; may be called again with the same outcome.
    // A text longer than 65535 characters, beyond the 16-bit positions, is a
    // syntax error. Flattened: the tokenizer runs inside the parse loop, without calls.
    [[gnu::flatten]] void Evaluate();

    // The nearest integer, a tie going to the lower neighbour (2.5 → 2, -2.5 → -3).
    // The result must fit in an int.
    static int RoundToInt(double v);

private:
    friend struct CMathParserProbe;  // tests look into the tokenizer and the error state

    static constexpr int kStackSize = 100;

    bool FindVariable(std::string_view strName, double* pdValue) const;
    bool MatchKeyword(std::string_view strIdentifier, std::string_view strKeyword);
    bool ReadVariable(std::string_view strIdentifier, double* pdValue);
    int NextToken();
    int ScanNumber();
    int ScanIdentifier();

    std::string_view m_strExpr;       // matched without regard to case
    ParseItem m_token{};              // the lookahead's value or keyword
    int m_bMathError = 0;             // a computation was refused, or "!" met
    int m_nError = 0;                 // a SyntaxError code, 0 for none
    std::uint16_t m_nTokenLen = 0;    // the last token's length
    int m_nFunction = 0;              // a function-name token's index in kFunctionNames
    VariableList m_varList;           // in the order added
    std::uint16_t m_nPos = 0;         // the next character to read

public:
    int m_bError = 0;      // 1 when the last Evaluate met a syntax or math error
    double m_dResult = 0;  // the last Evaluate's value; 0 after an error
};
