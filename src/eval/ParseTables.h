#pragma once
// The evaluator's grammar and its shift-reduce tables. Rule and state numbers are
// the parser's own: there are no rules 11 and 13 and no states 7, 18 and 26.
// ParseTablesCheck.cpp proves at compile time that the tables fit the rules;
// FoldedTables.h derives the parse loop's tables from these.
//
// The grammar (kRules below is the one the parser uses):
//
//   E → E "+" T          1   expression
//     | E "-" T          2
//     | T                3
//   T → T "*" F          4   term
//     | T "/" F          5   division: a divisor below 1e-6 in magnitude fails
//     | F                6
//   F → G "^" F          7   factor; power as exp(ln(G) × F): G ≤ 0 fails
//     | F MOD F        100   remainder of the rounded operands
//     | G                8
//   G → "-" U            9   signed primary
//     | U               10
//   U → P               12   primary after an optional minus
//   P → "(" E ")"       14   primary
//     | operand         15   a number or a variable
//     | function "(" E ")"  16
//
// What the tables make of it: a unary minus binds tightest ("-2^2" is (-2)^2) and
// only one stands in a row ("--2" fails), but one may follow any operator or "(";
// "^" is right-associative; MOD is left-associative and binds tighter than "*"
// and "/", yet after the right operand of "*" or "/" it is a syntax error
// ("2*7 MOD 3"); "*", "/", "+" and "-" are left-associative, "*" and "/" above
// "+" and "-". A "!" where an operand belongs is a math failure.

#include "eval/SyntaxError.h"
#include "eval/TokenCode.h"

#include <array>
#include <cstdint>
#include <initializer_list>

namespace eval {

// Grammar symbols: the token codes, then the non-terminals.
enum Symbol : int {
    SYMBOL_E = TOKEN_COUNT,  // expression
    SYMBOL_T,                // term
    SYMBOL_F,                // factor
    SYMBOL_G,                // signed primary
    SYMBOL_U,                // primary after an optional minus
    SYMBOL_P,                // primary
    SYMBOL_COUNT
};
constexpr int kNonTerminalCount = SYMBOL_COUNT - TOKEN_COUNT;

constexpr int kStateCount = 81;
constexpr int kMaxRuleLength = 4;
constexpr int kMaxRuleNumber = 100;

struct Rule {
    int nNumber;
    int nLeft;
    int nLength;
    std::array<int, kMaxRuleLength> right;
};

inline constexpr Rule kRules[] = {
    {1, SYMBOL_E, 3, {SYMBOL_E, TOKEN_PLUS, SYMBOL_T}},
    {2, SYMBOL_E, 3, {SYMBOL_E, TOKEN_MINUS, SYMBOL_T}},
    {3, SYMBOL_E, 1, {SYMBOL_T}},
    {4, SYMBOL_T, 3, {SYMBOL_T, TOKEN_MULTIPLY, SYMBOL_F}},
    {5, SYMBOL_T, 3, {SYMBOL_T, TOKEN_DIVIDE, SYMBOL_F}},
    {6, SYMBOL_T, 1, {SYMBOL_F}},
    {7, SYMBOL_F, 3, {SYMBOL_G, TOKEN_POWER, SYMBOL_F}},
    {8, SYMBOL_F, 1, {SYMBOL_G}},
    {9, SYMBOL_G, 2, {TOKEN_MINUS, SYMBOL_U}},
    {10, SYMBOL_G, 1, {SYMBOL_U}},
    {12, SYMBOL_U, 1, {SYMBOL_P}},
    {14, SYMBOL_P, 3, {TOKEN_LPAREN, SYMBOL_E, TOKEN_RPAREN}},
    {15, SYMBOL_P, 1, {TOKEN_OPERAND}},
    {16, SYMBOL_P, 4, {TOKEN_FUNCTION, TOKEN_LPAREN, SYMBOL_E, TOKEN_RPAREN}},
    {100, SYMBOL_F, 3, {SYMBOL_F, TOKEN_MOD, SYMBOL_F}},
};

// The rules by number, so that a reduction finds its rule in one step; numbers
// without a rule hold nNumber 0.
constexpr std::array<Rule, kMaxRuleNumber + 1> BuildRulesByNumber()
{
    std::array<Rule, kMaxRuleNumber + 1> rules{};
    for (const Rule& rule : kRules)
        rules[rule.nNumber] = rule;
    return rules;
}
inline constexpr auto kRulesByNumber = BuildRulesByNumber();

constexpr const Rule& RuleOf(int nRule)
{
    return kRulesByNumber[nRule];
}

enum class ActionKind : std::uint8_t { None, Shift, Reduce, Error, Accept, Stop };

struct Action {
    ActionKind kind = ActionKind::None;
    std::uint8_t nArg = 0;  // the state to shift to, the rule to reduce by or the error code
};

constexpr Action ShiftTo(int nState) { return {ActionKind::Shift, static_cast<std::uint8_t>(nState)}; }
constexpr Action ReduceBy(int nRule) { return {ActionKind::Reduce, static_cast<std::uint8_t>(nRule)}; }
constexpr Action Fail(int nError) { return {ActionKind::Error, static_cast<std::uint8_t>(nError)}; }
constexpr Action kAccept{ActionKind::Accept, 0};
constexpr Action kStop{ActionKind::Stop, 0};  // "!" where an operand belongs: a math failure

struct ActionCase {
    int nToken;
    Action action;
};

using ActionTable = std::array<std::array<Action, TOKEN_COUNT>, kStateCount>;

constexpr ActionTable BuildActionTable()
{
    ActionTable table{};
    const auto row = [&table](std::initializer_list<int> states, Action otherwise,
                              std::initializer_list<ActionCase> cases) {
        for (const int nState : states) {
            table[nState].fill(otherwise);
            for (const ActionCase& c : cases)
                table[nState][c.nToken] = c.action;
        }
    };
    // An operand is expected: at the start, after "(", E "+", E "-", T "*", T "/",
    // G "^", a function's "(" and F MOD.
    row({0, 9, 12, 13, 14, 15, 16, 20, 40}, Fail(SYNTAX_OPERAND_EXPECTED),
        {{TOKEN_OPERAND, ShiftTo(10)}, {TOKEN_FUNCTION, ShiftTo(11)}, {TOKEN_MINUS, ShiftTo(5)},
         {TOKEN_LPAREN, ShiftTo(9)}, {TOKEN_BANG, kStop}});
    // E at the outer level: E · end, E · "+" T, E · "-" T
    row({1}, Fail(SYNTAX_OPERATOR_EXPECTED),
        {{TOKEN_END, kAccept}, {TOKEN_PLUS, ShiftTo(12)}, {TOKEN_MINUS, ShiftTo(13)}});
    // E → T ·, T → T · "*" F, T → T · "/" F
    row({2}, ReduceBy(3), {{TOKEN_MULTIPLY, ShiftTo(14)}, {TOKEN_DIVIDE, ShiftTo(15)}});
    // T → F ·, F → F · MOD F
    row({3}, ReduceBy(6), {{TOKEN_MOD, ShiftTo(40)}});
    // F → G ·, F → G · "^" F
    row({4}, ReduceBy(8), {{TOKEN_POWER, ShiftTo(16)}});
    // G → "-" · U: a second minus cannot begin U
    row({5}, Fail(SYNTAX_OPERAND_EXPECTED),
        {{TOKEN_OPERAND, ShiftTo(10)}, {TOKEN_FUNCTION, ShiftTo(11)}, {TOKEN_LPAREN, ShiftTo(9)}});
    row({6}, ReduceBy(10), {});   // G → U ·
    row({8}, ReduceBy(12), {});   // U → P ·
    row({10}, ReduceBy(15), {});  // P → operand ·
    // P → function · "(" E ")"
    row({11}, Fail(SYNTAX_LPAREN_EXPECTED), {{TOKEN_LPAREN, ShiftTo(20)}});
    row({17}, ReduceBy(9), {});  // G → "-" U ·
    // P → "(" E · ")", E → E · "+" T, E → E · "-" T
    row({19}, Fail(SYNTAX_RPAREN_EXPECTED),
        {{TOKEN_PLUS, ShiftTo(12)}, {TOKEN_MINUS, ShiftTo(13)}, {TOKEN_RPAREN, ShiftTo(27)}});
    // E → E "+" T ·, T → T · "*" F, T → T · "/" F
    row({21}, ReduceBy(1), {{TOKEN_MULTIPLY, ShiftTo(14)}, {TOKEN_DIVIDE, ShiftTo(15)}});
    // E → E "-" T ·, T → T · "*" F, T → T · "/" F
    row({22}, ReduceBy(2), {{TOKEN_MULTIPLY, ShiftTo(14)}, {TOKEN_DIVIDE, ShiftTo(15)}});
    // T → T "*" F ·: a MOD here ends up at the outer level as an error
    row({23}, ReduceBy(4), {});
    row({24}, ReduceBy(5), {});   // T → T "/" F ·, likewise
    row({25}, ReduceBy(7), {});   // F → G "^" F ·
    row({27}, ReduceBy(14), {});  // P → "(" E ")" ·
    // P → function "(" E · ")", E → E · "+" T, E → E · "-" T
    row({28}, Fail(SYNTAX_RPAREN_EXPECTED),
        {{TOKEN_PLUS, ShiftTo(12)}, {TOKEN_MINUS, ShiftTo(13)}, {TOKEN_RPAREN, ShiftTo(29)}});
    row({29}, ReduceBy(16), {});   // P → function "(" E ")" ·
    row({80}, ReduceBy(100), {});  // F → F MOD F ·
    return table;
}
inline constexpr ActionTable kAction = BuildActionTable();

constexpr std::uint8_t kNoState = 0xFF;

// Next state for a non-terminal just reduced and the state now on top of the stack.
using GotoTable = std::array<std::array<std::uint8_t, kStateCount>, kNonTerminalCount>;

constexpr GotoTable BuildGotoTable()
{
    GotoTable table{};
    for (auto& row : table)
        row.fill(kNoState);
    const auto go = [&table](int nLeft, std::initializer_list<int> states, int nNext) {
        for (const int nState : states)
            table[nLeft - TOKEN_COUNT][nState] = static_cast<std::uint8_t>(nNext);
    };
    go(SYMBOL_E, {0}, 1);
    go(SYMBOL_E, {9}, 19);
    go(SYMBOL_E, {20}, 28);
    go(SYMBOL_T, {0, 9, 20}, 2);
    go(SYMBOL_T, {12}, 21);
    go(SYMBOL_T, {13}, 22);
    go(SYMBOL_F, {0, 9, 12, 13, 20}, 3);
    go(SYMBOL_F, {14}, 23);
    go(SYMBOL_F, {15}, 24);
    go(SYMBOL_F, {16}, 25);
    go(SYMBOL_F, {40}, 80);
    go(SYMBOL_G, {0, 9, 12, 13, 14, 15, 16, 20, 40}, 4);
    go(SYMBOL_U, {0, 9, 12, 13, 14, 15, 16, 20, 40}, 6);
    go(SYMBOL_U, {5}, 17);
    go(SYMBOL_P, {0, 5, 9, 12, 13, 14, 15, 16, 20, 40}, 8);
    return table;
}
inline constexpr GotoTable kGoto = BuildGotoTable();

constexpr std::uint8_t GotoOf(int nLeft, int nState)
{
    return kGoto[nLeft - TOKEN_COUNT][nState];
}

} // namespace eval
