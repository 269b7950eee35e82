// Compile-time proof of what CMathParser assumes of its tables: every state the
// tables can reach has a full ACTION row, and every reduction pops exactly the
// rule's right side and finds a GOTO entry for the rule's left side.

#include "eval/ParseTables.h"

namespace eval {
namespace {

constexpr int kNoSymbol = -1;
constexpr int kAmbiguous = -2;

using StateSet = std::array<bool, kStateCount>;

// The symbol read to enter each state (the last one of the stack prefix it stands for).
constexpr std::array<int, kStateCount> EntrySymbols()
{
    std::array<int, kStateCount> entry{};
    entry.fill(kNoSymbol);
    const auto enter = [&entry](int nState, int nSymbol) {
        entry[nState] = entry[nState] == kNoSymbol || entry[nState] == nSymbol ? nSymbol : kAmbiguous;
    };
    for (int s = 0; s < kStateCount; ++s)
        for (int t = 0; t < TOKEN_COUNT; ++t)
            if (kAction[s][t].kind == ActionKind::Shift)
                enter(kAction[s][t].nArg, t);
    for (int n = TOKEN_COUNT; n < SYMBOL_COUNT; ++n)
        for (int s = 0; s < kStateCount; ++s)
            if (GotoOf(n, s) != kNoState)
                enter(GotoOf(n, s), n);
    return entry;
}
constexpr auto kEntry = EntrySymbols();

constexpr bool EveryStateHasOneEntrySymbol()
{
    for (const int nSymbol : kEntry)
        if (nSymbol == kAmbiguous)
            return false;
    return true;
}

constexpr bool RowsCoverExactlyTheReachableStates()
{
    for (int s = 0; s < kStateCount; ++s) {
        const bool bReachable = s == 0 || kEntry[s] != kNoSymbol;
        for (const Action& action : kAction[s])
            if ((action.kind != ActionKind::None) != bReachable)
                return false;
    }
    return true;
}

constexpr StateSet Predecessors(const StateSet& states)
{
    StateSet result{};
    for (int s = 0; s < kStateCount; ++s) {
        for (const Action& action : kAction[s])
            if (action.kind == ActionKind::Shift && states[action.nArg])
                result[s] = true;
        for (int n = TOKEN_COUNT; n < SYMBOL_COUNT; ++n)
            if (GotoOf(n, s) != kNoState && states[GotoOf(n, s)])
                result[s] = true;
    }
    return result;
}

// Walks back from the reducing state over the rule's right side: each state on the
// way must have been entered by the matching symbol, and every state uncovered
// must have a GOTO entry for the rule's left side.
constexpr bool ReductionFits(int nState, const Rule& rule)
{
    StateSet states{};
    states[nState] = true;
    for (int k = rule.nLength - 1; k >= 0; --k) {
        bool bAny = false;
        for (int s = 0; s < kStateCount; ++s) {
            if (!states[s])
                continue;
            if (kEntry[s] != rule.right[k])
                return false;
            bAny = true;
        }
        if (!bAny)
            return false;
        states = Predecessors(states);
    }
    bool bAny = false;
    for (int s = 0; s < kStateCount; ++s) {
        if (!states[s])
            continue;
        if (GotoOf(rule.nLeft, s) == kNoState)
            return false;
        bAny = true;
    }
    return bAny;
}

constexpr bool EveryReductionFitsItsRule()
{
    for (int s = 0; s < kStateCount; ++s) {
        for (const Action& action : kAction[s])
            if (action.kind == ActionKind::Reduce && (action.nArg > kMaxRuleNumber || RuleOf(action.nArg).nNumber != action.nArg))
                return false;
        for (const Rule& rule : kRules) {
            bool bUsed = false;
            for (const Action& action : kAction[s])
                bUsed = bUsed || (action.kind == ActionKind::Reduce && action.nArg == rule.nNumber);
            if (bUsed && !ReductionFits(s, rule))
                return false;
        }
    }
    return true;
}

constexpr bool RulesFitTheirBounds()
{
    for (const Rule& rule : kRules)
        if (rule.nLength < 1 || rule.nLength > kMaxRuleLength || rule.nLeft < TOKEN_COUNT || rule.nLeft >= SYMBOL_COUNT)
            return false;
    return true;
}

static_assert(RulesFitTheirBounds(), "a rule has an impossible length or left side");
static_assert(EveryStateHasOneEntrySymbol(), "a state is entered by two different symbols");
static_assert(RowsCoverExactlyTheReachableStates(), "a reachable state lacks actions, or an unreachable one has some");
static_assert(EveryReductionFitsItsRule(), "a reduction does not match its rule's right side or left side");

} // namespace
} // namespace eval
