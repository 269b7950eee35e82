#pragma once
// The tables of ParseTables.h prepared for CMathParser's fast loop, at compile
// time and from those tables alone, so that the grammar's knowledge stays there:
// - the states the tables reach are numbered densely, plus one dead state whose
//   row has no action (the fast loop then leaves the text to the table loop);
// - every chain of one-symbol reductions (P → operand, U → P, G → U, F → G,
//   T → F, E → T) only relabels the item on top, so it is folded, together with
//   the GOTO before it and the ACTION after it, into one look-up from the state
//   below, the state pushed (or the left side reduced to) and the lookahead.

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

constexpr bool IsChainReduction(const Action& action)
{
    return action.kind == ActionKind::Reduce && RuleOf(action.nArg).nLength == 1;
}

// The tables' state reached from nTop over the stack state nBelow, kNoState where
// a GOTO entry is missing (no text gets there).
constexpr int FoldChain(int nBelow, int nTop, int nToken)
{
    for (int nSteps = 0; nSteps < kStateCount && nTop != kNoState && IsChainReduction(kAction[nTop][nToken]); ++nSteps)
        nTop = GotoOf(RuleOf(kAction[nTop][nToken].nArg).nLeft, nBelow);
    return nTop;
}

// The state to push, in dense numbers, and the action it then takes on the
// lookahead; four bytes, so that a step is found by shifts.
struct alignas(4) Step {
    std::uint8_t nState = kDeadState;
    Action action;
};

// Rows padded to a power of two, so that a step is found without a multiplication.
constexpr int kTokenStride = 16;
static_assert(kTokenStride >= TOKEN_COUNT);
using StepsByToken = std::array<Step, kTokenStride>;

struct FoldedTables {
    std::array<std::uint8_t, kStateCount> dense{};  // kDeadState for a state never reached
    std::array<std::uint8_t, kFoldedStateCount> state{};  // the tables' number of each dense state
    // ACTION with shift targets in dense numbers; rule numbers and error codes as they are.
    std::array<std::array<Action, TOKEN_COUNT>, kFoldedStateCount> action{};
    // After a shift: by the state below, the state shifted to and the next lookahead.
    std::array<std::array<StepsByToken, kFoldedStateCount>, kFoldedStateCount> afterShift{};
    // After a reduction: by the rule's left side, the state below and the lookahead.
    std::array<std::array<StepsByToken, kFoldedStateCount>, kNonTerminalCount> afterReduce{};
};

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
    }
    // From the state below and the state just pushed (tables' numbers), the lookahead.
    const auto step = [&](int nBelow, int nTop, int nToken) {
        const std::uint8_t nState = dense(FoldChain(nBelow, nTop, nToken));
        return Step{nState, tables.action[nState][nToken]};
    };
    for (int b = 0; b < kDeadState; ++b) {
        const int nBelow = tables.state[b];
        for (int t = 0; t < TOKEN_COUNT; ++t) {
            for (int d = 0; d < kDeadState; ++d)
                tables.afterShift[b][d][t] = step(nBelow, tables.state[d], t);
            for (int n = 0; n < kNonTerminalCount; ++n)
                tables.afterReduce[n][b][t] = step(nBelow, kGoto[n][nBelow], t);
        }
    }
    return tables;
}
inline constexpr FoldedTables kFolded = BuildFoldedTables();

// Every step ends on a state that does not ask for a one-symbol reduction.
template <class Planes>
constexpr bool StepsEndOnOtherActions(const Planes& planes)
{
    for (const auto& plane : planes)
        for (const StepsByToken& row : plane)
            for (const Step& step : row)
                if (IsChainReduction(step.action))
                    return false;
    return true;
}
static_assert(StepsEndOnOtherActions(kFolded.afterShift) && StepsEndOnOtherActions(kFolded.afterReduce),
              "a chain of one-symbol reductions is longer than the states");

} // namespace eval
