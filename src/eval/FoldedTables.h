#pragma once
// The tables of ParseTables.h prepared for CMathParser's parse loop, at compile
// time and from those tables alone, so that the grammar's knowledge stays there:
// - the states the tables reach are numbered densely, plus one dead state whose
//   row has no action, for the pairs of states no text puts on the stack;
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
// lookahead, with a reduction's shape at hand; four bytes, so that a step is
// found by shifts.
struct alignas(4) Step {
    std::uint8_t nState = kDeadState;
    ActionKind kind = ActionKind::None;
    std::uint8_t nArg = 0;        // the dense state to shift to, the rule to reduce by or the error code
    std::uint8_t nPop : 4 = 0;    // a reduction's right side length less one
    std::uint8_t nLeft : 4 = 0;   // a reduction's left side less TOKEN_COUNT
};

// Rows padded to a power of two, so that a step is found without a multiplication.
constexpr int kTokenStride = 16;
static_assert(kTokenStride >= TOKEN_COUNT);
using StepsByToken = std::array<Step, kTokenStride>;

struct FoldedTables {
    std::array<std::uint8_t, kFoldedStateCount> state{};  // the tables' number of each dense state
    StepsByToken start{};  // from the bottom state, by the first lookahead
    // After a shift: by the state below, the state shifted to and the next lookahead.
    std::array<std::array<StepsByToken, kFoldedStateCount>, kFoldedStateCount> afterShift{};
    // After a reduction: by the rule's left side, the state below and the lookahead.
    std::array<std::array<StepsByToken, kFoldedStateCount>, kNonTerminalCount> afterReduce{};
};

constexpr FoldedTables BuildFoldedTables()
{
    FoldedTables tables{};
    const auto reached = ReachedStates();
    std::array<std::uint8_t, kStateCount> denseOf{};
    denseOf.fill(kDeadState);
    tables.state.fill(kNoState);
    int nDense = 0;
    for (int s = 0; s < kStateCount; ++s) {
        if (!reached[s])
            continue;
        denseOf[s] = static_cast<std::uint8_t>(nDense);
        tables.state[nDense] = static_cast<std::uint8_t>(s);
        ++nDense;
    }
    const auto dense = [&denseOf](int nState) {
        return nState == kNoState ? kDeadState : denseOf[nState];
    };
    // The state nTop pushed over nBelow (tables' numbers), folded for the lookahead.
    const auto step = [&](int nBelow, int nTop, int nToken) {
        const int nFolded = nBelow == kNoState ? kNoState : FoldChain(nBelow, nTop, nToken);
        Step result{.nState = dense(nFolded)};
        if (nFolded == kNoState)
            return result;
        const Action action = kAction[nFolded][nToken];
        result.kind = action.kind;
        result.nArg = action.kind == ActionKind::Shift ? dense(action.nArg) : action.nArg;
        if (action.kind == ActionKind::Reduce) {
            result.nPop = static_cast<std::uint8_t>(RuleOf(action.nArg).nLength - 1);
            result.nLeft = static_cast<std::uint8_t>(RuleOf(action.nArg).nLeft - TOKEN_COUNT);
        }
        return result;
    };
    for (int t = 0; t < TOKEN_COUNT; ++t)
        tables.start[t] = step(0, 0, t);
    // Only the pairs a shift makes are filled; the others stay dead, which keeps
    // the work within what compilers evaluate at compile time.
    for (int b = 0; b < kDeadState; ++b) {
        const int nBelow = tables.state[b];
        for (const Action& shift : kAction[nBelow]) {
            if (shift.kind != ActionKind::Shift)
                continue;
            for (int t = 0; t < TOKEN_COUNT; ++t)
                tables.afterShift[b][dense(shift.nArg)][t] = step(nBelow, shift.nArg, t);
        }
        for (int n = 0; n < kNonTerminalCount; ++n)
            for (int t = 0; t < TOKEN_COUNT; ++t)
                tables.afterReduce[n][b][t] = step(nBelow, kGoto[n][nBelow], t);
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
                if (step.kind == ActionKind::Reduce && step.nPop == 0)
                    return false;
    return true;
}
static_assert(StepsEndOnOtherActions(kFolded.afterShift) && StepsEndOnOtherActions(kFolded.afterReduce),
              "a chain of one-symbol reductions is longer than the states");

// Every step a text can meet has an action: the first one, those after a shift,
// and those after a reduction over a state with a GOTO entry for its left side,
// which is every state a reduction uncovers (ParseTablesCheck.cpp). The parse
// loop thus meets only Shift, Reduce, Accept, Error and Stop.
constexpr bool StepsHaveActions(const StepsByToken& steps)
{
    for (int t = 0; t < TOKEN_COUNT; ++t)
        if (steps[t].kind == ActionKind::None)
            return false;
    return true;
}

constexpr int DenseOf(int nState)
{
    for (int d = 0; d < kDeadState; ++d)
        if (kFolded.state[d] == nState)
            return d;
    return kDeadState;
}

constexpr bool ReachedStepsHaveActions()
{
    if (!StepsHaveActions(kFolded.start))
        return false;
    for (int b = 0; b < kDeadState; ++b) {
        const int nBelow = kFolded.state[b];
        for (const Action& shift : kAction[nBelow])
            if (shift.kind == ActionKind::Shift && !StepsHaveActions(kFolded.afterShift[b][DenseOf(shift.nArg)]))
                return false;
        for (int n = 0; n < kNonTerminalCount; ++n)
            if (kGoto[n][nBelow] != kNoState && !StepsHaveActions(kFolded.afterReduce[n][b]))
                return false;
    }
    return true;
}
static_assert(ReachedStepsHaveActions(), "a step a text can meet has no action");

} // namespace eval
