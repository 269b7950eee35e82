#pragma once
// Read access to the evaluator's tokenizer and parser state for the tests and
// the fuzz targets.

#include "eval/CMathParser.h"

#include <cstring>

struct CMathParserProbe {
    static int NextToken(CMathParser& parser) { return parser.NextToken(); }
    static void EvaluateByTables(CMathParser& parser) { parser.EvaluateByTables(); }
    static bool EvaluateFolded(CMathParser& parser) { return parser.EvaluateFolded(); }
    static int Pos(const CMathParser& parser) { return parser.m_nPos; }
    static int TokenLen(const CMathParser& parser) { return parser.m_nTokenLen; }
    static const ParseItem& Token(const CMathParser& parser) { return parser.m_token; }
    static int Error(const CMathParser& parser) { return parser.m_nError; }
    static int MathError(const CMathParser& parser) { return parser.m_bMathError; }
    static int Top(const CMathParser& parser) { return parser.m_nTop; }
    static int TopState(const CMathParser& parser) { return parser.m_stack[parser.m_nTop].nCode; }

    // The whole outcome of an evaluation: the result to the bit, both error flags,
    // the syntax error code, where the scan stopped and the item left on top.
    static bool SameOutcome(const CMathParser& a, const CMathParser& b)
    {
        return std::memcmp(&a.m_dResult, &b.m_dResult, sizeof a.m_dResult) == 0 && a.m_bError == b.m_bError
               && a.m_nError == b.m_nError && a.m_bMathError == b.m_bMathError && a.m_nPos == b.m_nPos
               && a.m_nTop == b.m_nTop && (a.m_nTop < 0 || TopState(a) == TopState(b));
    }
};
