#pragma once
// The tables of ParseTables.h prepared for CMathParser's fast loop, at compile
// time and from those tables alone, so that the grammar's knowledge stays there:
// - the states the tables reach are numbered densely, plus one dead state whose
//   row has no action (the fast loop then leaves the text to the table loop);
// - every chain of one-symbol reductions (P → operand, U → P, G → U, F → G,
//   T → F, E → T) only relabels the item on top, so it is folded into one look-up
//   from the state below, the state on top and the lookahead.

#include "eval/ParseTables.h"

#include <array>
#include <cstdint>

namespace eval {

constexpr std::array<bool, kStateCount> ReachedStates()
{
    std::array<bool, kStateCount> reached{};
    reached[0] = true;
    for (const auto& row : kAction)
        for (const Action& action : row)
            if (action.kind == ActionKind::Shift)
                reached[action.nArg] = true;
    for (const auto& row : kGoto)
        for (const std::uint8_t nNext : row)
            if (nNext != kNoState)
                reached[nNext] = true;
    return reached;
}

constexpr int CountReachedStates()
{
    int nCount = 0;
    for (const bool bReached : ReachedStates())
        nCount += bReached ? 1 : 0;
    return nCount;
}

constexpr int kFoldedStateCount = CountReachedStates() + 1;
constexpr std::uint8_t kDeadState = kFoldedStateCount - 1;

struct FoldedTables {
    std::array<std::uint8_t, kStateCount> dense{};  // kDeadState for a state never reached
    std::array<std::uint8_t, kFoldedStateCount> state{};  // the tables' number of each dense state
    // ACTION with shift targets in dense numbers; rule numbers and error codes as they are.
    std::array<std::array<Action, TOKEN_COUNT>, kFoldedStateCount> action{};
    // GOTO in dense numbers, by left side and the state below.
    std::array<std::array<std::uint8_t, kFoldedStateCount>, kNonTerminalCount> next{};
    // The state on top once the one-symbol reductions that the lookahead calls for are
    // done, by the state below, the state on top and the lookahead.
    std::array<std::array<std::array<std::uint8_t, TOKEN_COUNT>, kFoldedStateCount>, kFoldedStateCount> fold{};
};

constexpr bool IsChainReduction(const Action& action)
{
    return action.kind == ActionKind::Reduce && RuleOf(action.nArg).nLength == 1;
}

// The tables' state reached from nTop over the stack state nBelow, kNoState where
// a GOTO entry is missing (no text gets there).
constexpr int FoldChain(int nBelow, int nTop, int nToken)
{
    for (int nSteps = 0; nSteps < kStateCount && IsChainReduction(kAction[nTop][nToken]); ++nSteps) {
        nTop = GotoOf(RuleOf(kAction[nTop][nToken].nArg).nLeft, nBelow);
        if (nTop == kNoState)
            break;
    }
    return nTop;
}

constexpr FoldedTables BuildFoldedTables()
{
    FoldedTables tables{};
    const auto reached = ReachedStates();
    tables.dense.fill(kDeadState);
    tables.state.fill(kNoState);
    int nDense = 0;
    for (int s = 0; s < kStateCount; ++s) {
        if (!reached[s])
            continue;
        tables.dense[s] = static_cast<std::uint8_t>(nDense);
        tables.state[nDense] = static_cast<std::uint8_t>(s);
        ++nDense;
    }
    const auto dense = [&tables](int nState) {
        return nState == kNoState ? kDeadState : tables.dense[nState];
    };
    for (int d = 0; d < kDeadState; ++d) {
        for (int t = 0; t < TOKEN_COUNT; ++t) {
            Action action = kAction[tables.state[d]][t];
            if (action.kind == ActionKind::Shift)
                action.nArg = dense(action.nArg);
            tables.action[d][t] = action;
        }
        for (int n = 0; n < kNonTerminalCount; ++n)
            tables.next[n][d] = dense(kGoto[n][tables.state[d]]);
    }
    for (auto& row : tables.next)
        row[kDeadState] = kDeadState;
    for (int b = 0; b < kFoldedStateCount; ++b)
        for (int d = 0; d < kFoldedStateCount; ++d)
            for (int t = 0; t < TOKEN_COUNT; ++t)
                tables.fold[b][d][t] = b == kDeadState || d == kDeadState
                                           ? kDeadState
                                           : dense(FoldChain(tables.state[b], tables.state[d], t));
    return tables;
}
inline constexpr FoldedTables kFolded = BuildFoldedTables();

// A folded state never asks for a one-symbol reduction on the lookahead it was folded for.
constexpr bool FoldsEndOnOtherActions()
{
    for (const auto& plane : kFolded.fold)
        for (const auto& row : plane)
            for (int t = 0; t < TOKEN_COUNT; ++t)
                if (IsChainReduction(kFolded.action[row[t]][t]))
                    return false;
    return true;
}
static_assert(FoldsEndOnOtherActions(), "a chain of one-symbol reductions is longer than the states");

} // namespace eval
