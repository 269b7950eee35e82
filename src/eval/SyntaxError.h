#pragma once
// Syntax error codes an evaluation leaves in CMathParser::m_nError; 0 is none.

enum SyntaxError : int {
    SYNTAX_STACK_FULL = 1,          // a push met the parse stack full
    SYNTAX_TEXT_TOO_LONG = 2,       // more characters than 16-bit positions address
    SYNTAX_OPERAND_EXPECTED = 3,    // the lookahead cannot begin an operand
    SYNTAX_OPERATOR_EXPECTED = 4,   // after a whole expression only the end, "+" or "-"
    SYNTAX_LPAREN_EXPECTED = 5,     // a function name without its "("
    SYNTAX_RPAREN_EXPECTED = 6      // inside parentheses only "+", "-" or ")"
};
