#pragma once
// Codes of the tokens the evaluator's tokenizer hands to its parse tables.

enum TokenCode : int {
    TOKEN_PLUS = 0,      // "+"
    TOKEN_MINUS = 1,     // "-": subtraction or negation, as the tables decide
    TOKEN_MULTIPLY = 2,  // "*"
    TOKEN_DIVIDE = 3,    // "/"
    TOKEN_POWER = 4,     // "^"
    TOKEN_LPAREN = 5,    // "("
    TOKEN_RPAREN = 6,    // ")"
    TOKEN_OPERAND = 7,   // a number or a known variable; its value is in m_token.dValue
    TOKEN_FUNCTION = 8,  // a function name; the name is in m_token.strText
    TOKEN_END = 9,       // nothing but blanks left
    TOKEN_ERROR = 10,    // an unknown character or identifier, or a lone "."
    TOKEN_BANG = 11,     // "!"
    TOKEN_MOD = 12       // the keyword "MOD"
};
constexpr int TOKEN_COUNT = 13;
