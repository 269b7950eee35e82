#pragma once
// Read access to the evaluator's tokenizer and parser state for the tests and
// the fuzz targets.

#include "eval/CMathParser.h"

struct CMathParserProbe {
    static int NextToken(CMathParser& parser) { return parser.NextToken(); }
    static void EvaluateByTables(CMathParser& parser) { parser.EvaluateByTables(); }
    static int Pos(const CMathParser& parser) { return parser.m_nPos; }
    static int TokenLen(const CMathParser& parser) { return parser.m_nTokenLen; }
    static const ParseItem& Token(const CMathParser& parser) { return parser.m_token; }
    static int Error(const CMathParser& parser) { return parser.m_nError; }
    static int MathError(const CMathParser& parser) { return parser.m_bMathError; }
    static int Top(const CMathParser& parser) { return parser.m_nTop; }
    static int TopState(const CMathParser& parser) { return parser.m_stack[parser.m_nTop].nCode; }
};
