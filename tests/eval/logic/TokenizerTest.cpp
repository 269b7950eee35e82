#include "CMathParserProbe.h"

#include "eval/TokenCode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Token {
    int nCode;
    int nLength;
    int nPosAfter;
    double dValue = 0;      // checked for operands
    std::string text = {};  // checked for function names and MOD
};

struct TokenizerCase {
    const char* what;
    std::string text;
    std::vector<Token> tokens;  // up to and including the last one checked
};

const TokenizerCase kCases[] = {
    {"exponent form of %g", "1e+006", {{TOKEN_OPERAND, 6, 6, 1e6}, {TOKEN_END, 0, 6}}},
    {"negative exponent, lower case", "2.5e-3", {{TOKEN_OPERAND, 6, 6, 0.0025}}},
    {"at most four exponent digits", "1E00001", {{TOKEN_OPERAND, 6, 6, 1}, {TOKEN_OPERAND, 1, 7, 1}, {TOKEN_END, 0, 7}}},
    {"four digits after a sign", "1e-00005", {{TOKEN_OPERAND, 7, 7, 1}, {TOKEN_OPERAND, 1, 8, 5}}},
    {"exponent letter without digits", "2E", {{TOKEN_OPERAND, 2, 2, 2}, {TOKEN_END, 0, 2}}},
    {"exponent sign without digits", "2E+", {{TOKEN_OPERAND, 3, 3, 2}, {TOKEN_END, 0, 3}}},
    {"an exponent has no point", "2e3.5", {{TOKEN_OPERAND, 3, 3, 2000}, {TOKEN_OPERAND, 2, 5, 0.5}}},
    {"leading point", ".5+", {{TOKEN_OPERAND, 2, 2, 0.5}, {TOKEN_PLUS, 1, 3}, {TOKEN_END, 0, 3}}},
    {"trailing point", "3.", {{TOKEN_OPERAND, 2, 2, 3}}},
    {"lone point", ".", {{TOKEN_ERROR, 0, 0}}},
    {"one point per number", "1.2.3", {{TOKEN_OPERAND, 3, 3, 1.2}, {TOKEN_OPERAND, 2, 5, 0.3}, {TOKEN_END, 0, 5}}},
    {"no hexadecimal", "0x1F", {{TOKEN_OPERAND, 1, 1, 0}, {TOKEN_ERROR, 0, 4}}},
    {"comma is no decimal point", "1,5", {{TOKEN_OPERAND, 1, 1, 1}, {TOKEN_ERROR, 0, 1}, {TOKEN_ERROR, 0, 1}}},
    {"blanks only", "   ", {{TOKEN_END, 0, 3}}},
    {"empty text", "", {{TOKEN_END, 0, 0}, {TOKEN_END, 0, 0}}},
    {"trailing blank", "3 ", {{TOKEN_OPERAND, 1, 1, 3}, {TOKEN_END, 0, 2}}},
    {"tab is no blank", "\t1", {{TOKEN_ERROR, 0, 0}}},
    {"byte of 128 or more", "\xC2\xB0", {{TOKEN_ERROR, 0, 0}}},
    {"bang does not advance", "!1", {{TOKEN_BANG, 0, 0}, {TOKEN_BANG, 0, 0}}},
    {"operators", " + - * / ^ ( ) ",
     {{TOKEN_PLUS, 1, 2}, {TOKEN_MINUS, 1, 4}, {TOKEN_MULTIPLY, 1, 6}, {TOKEN_DIVIDE, 1, 8},
      {TOKEN_POWER, 1, 10}, {TOKEN_LPAREN, 1, 12}, {TOKEN_RPAREN, 1, 14}, {TOKEN_END, 0, 15}}},
    {"function name, upper-cased", "sqrt(4)",
     {{TOKEN_FUNCTION, 4, 4, 0, "SQRT"}, {TOKEN_LPAREN, 1, 5}, {TOKEN_OPERAND, 1, 6, 4}, {TOKEN_RPAREN, 1, 7}}},
    {"shorter function name", "Sqr(4)", {{TOKEN_FUNCTION, 3, 3, 0, "SQR"}}},
    {"every function name", "abs atan cos exp ln round sin sqrt sqr trunc not bool sgn",
     {{TOKEN_FUNCTION, 3, 3, 0, "ABS"}, {TOKEN_FUNCTION, 4, 8, 0, "ATAN"}, {TOKEN_FUNCTION, 3, 12, 0, "COS"},
      {TOKEN_FUNCTION, 3, 16, 0, "EXP"}, {TOKEN_FUNCTION, 2, 19, 0, "LN"}, {TOKEN_FUNCTION, 5, 25, 0, "ROUND"},
      {TOKEN_FUNCTION, 3, 29, 0, "SIN"}, {TOKEN_FUNCTION, 4, 34, 0, "SQRT"}, {TOKEN_FUNCTION, 3, 38, 0, "SQR"},
      {TOKEN_FUNCTION, 5, 44, 0, "TRUNC"}, {TOKEN_FUNCTION, 3, 48, 0, "NOT"}, {TOKEN_FUNCTION, 4, 53, 0, "BOOL"},
      {TOKEN_FUNCTION, 3, 57, 0, "SGN"}, {TOKEN_END, 0, 57}}},
    {"keyword MOD", "7 mod 3", {{TOKEN_OPERAND, 1, 1, 7}, {TOKEN_MOD, 3, 5, 0, "MOD"}, {TOKEN_OPERAND, 1, 7, 3}}},
    {"a keyword must be the whole identifier", "sinx", {{TOKEN_ERROR, 0, 4}}},
    {"MOD must be the whole identifier", "MODX", {{TOKEN_ERROR, 0, 4}}},
    {"identifier with digits and underscore", "x_1+", {{TOKEN_ERROR, 0, 3}, {TOKEN_PLUS, 1, 4}}},
    {"underscore cannot begin one", "_x", {{TOKEN_ERROR, 0, 0}}},
};

TEST(Tokenizer, GivesCodesLengthsPositionsAndValues)
{
    for (const TokenizerCase& c : kCases) {
        SCOPED_TRACE(c.what);
        CMathParser parser(c.text);
        for (std::size_t i = 0; i < c.tokens.size(); ++i) {
            SCOPED_TRACE("token " + std::to_string(i));
            const Token& expected = c.tokens[i];
            ASSERT_EQ(CMathParserProbe::NextToken(parser), expected.nCode);
            EXPECT_EQ(CMathParserProbe::TokenLen(parser), expected.nLength);
            EXPECT_EQ(CMathParserProbe::Pos(parser), expected.nPosAfter);
            if (expected.nCode == TOKEN_OPERAND) {
                EXPECT_DOUBLE_EQ(CMathParserProbe::Token(parser).dValue, expected.dValue);
            }
            if (expected.nCode == TOKEN_FUNCTION || expected.nCode == TOKEN_MOD) {
                EXPECT_EQ(CMathParserProbe::Token(parser).strText, expected.text);
            }
        }
    }
}

struct VariableCase {
    const char* what;
    std::vector<std::pair<double, std::string>> variables;
    std::string text;
    int nCode;
    double dValue;
};

const VariableCase kVariableCases[] = {
    {"no variables", {}, "x", TOKEN_ERROR, 0},
    {"name added in lower case", {{3, "x"}}, "X", TOKEN_OPERAND, 3},
    {"name added in upper case", {{3, "X"}}, "x", TOKEN_OPERAND, 3},
    {"the first of two same names", {{1, "x"}, {2, "X"}}, "x", TOKEN_OPERAND, 1},
    {"a later name", {{1, "x"}, {2, "depth_2"}}, "DEPTH_2", TOKEN_OPERAND, 2},
    {"unknown name", {{1, "x"}}, "y", TOKEN_ERROR, 0},
    {"a prefix is not the name", {{1, "xy"}}, "x", TOKEN_ERROR, 0},
    {"the name cut to 29 characters", {{5, std::string(40, 'a')}}, std::string(29, 'a'), TOKEN_OPERAND, 5},
    {"the full long name no longer matches", {{5, std::string(40, 'a')}}, std::string(40, 'a'), TOKEN_ERROR, 0},
    {"keywords come first", {{4, "sin"}}, "sin", TOKEN_FUNCTION, 0},
    {"a name that starts like a keyword", {{4, "SINX"}}, "sinx", TOKEN_OPERAND, 4},
};

TEST(Tokenizer, LooksUpVariables)
{
    for (const VariableCase& c : kVariableCases) {
        SCOPED_TRACE(c.what);
        CMathParser parser(c.text);
        for (const auto& [dValue, name] : c.variables)
            parser.AddVariable(dValue, name);
        ASSERT_EQ(CMathParserProbe::NextToken(parser), c.nCode);
        EXPECT_EQ(CMathParserProbe::Pos(parser), static_cast<int>(c.text.size()));
        if (c.nCode == TOKEN_OPERAND) {
            EXPECT_EQ(CMathParserProbe::Token(parser).dValue, c.dValue);
        }
    }
}

} // namespace
