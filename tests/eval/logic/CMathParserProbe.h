#pragma once
// Read access to the evaluator's tokenizer and error state for the tests.

#include "eval/CMathParser.h"

struct CMathParserProbe {
    static int NextToken(CMathParser& parser) { return parser.NextToken(); }
    static int Pos(const CMathParser& parser) { return parser.m_nPos; }
    static int TokenLen(const CMathParser& parser) { return parser.m_nTokenLen; }
    static const ParseItem& Token(const CMathParser& parser) { return parser.m_token; }
    static int Error(const CMathParser& parser) { return parser.m_nError; }
    static int MathError(const CMathParser& parser) { return parser.m_bMathError; }
};
