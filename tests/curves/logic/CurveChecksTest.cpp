// The OK sequence's checks in their order, with the state each refusal leaves.
#include "FakeCurveDialog.h"

#include <array>

namespace {

enum class Outcome { Accepted, ZAboveZero, ZOrder, OwnCheck };

struct CheckRow {
    const char* what;
    Curve curve;
    Typed typed;
    Outcome outcome;
};

class CurveChecks : public CurveStateTest, public ::testing::WithParamInterface<CheckRow> {};

TEST_P(CurveChecks, AcceptOrRefuse)
{
    const CheckRow& row = GetParam();
    SCOPED_TRACE(std::string(row.curve.name) + ": " + row.what);
    FakeCurveDialog dialog;
    dialog.typed = row.typed;
    dialog.Ok(row.curve);

    if (row.outcome == Outcome::Accepted) {
        EXPECT_TRUE(dialog.messages.empty());
        EXPECT_TRUE(dialog.closed);
        EXPECT_EQ(g_nFormulaKind, row.curve.formulaKind);
        EXPECT_EQ(g_fZStart, -row.typed.z1);
        EXPECT_EQ(g_fZEnd, -row.typed.z2);
        return;
    }
    const char* message = row.outcome == Outcome::ZAboveZero ? "数据输入不合理:Z值要求输入小于等于零的数字"
                          : row.outcome == Outcome::ZOrder   ? "z轴终点坐标值应该小于起点坐标值"
                                                             : row.curve.ownMessage;
    EXPECT_EQ(dialog.messages, std::vector<std::string>{message});
    EXPECT_FALSE(dialog.closed);
    EXPECT_FALSE(dialog.invalidated);
    ExpectEarlierCurve();
    // Only the curve's own check comes after the Z range has been stored.
    const bool stored = row.outcome == Outcome::OwnCheck;
    EXPECT_EQ(g_fZStart, stored ? -row.typed.z1 : kEarlierZStart);
    EXPECT_EQ(g_fZEnd, stored ? -row.typed.z2 : kEarlierZEnd);
}

const CheckRow kFamilyRows[] = {
    {"both ends at 0", kSine, {.z1 = 0, .z2 = 0}, Outcome::Accepted},
    {"equal ends", kSine, {.z1 = -3, .z2 = -3}, Outcome::Accepted},
    {"start above 0", kSine, {.z1 = 0.5f, .z2 = -3}, Outcome::ZAboveZero},
    {"end above 0", kSine, {.z1 = 0, .z2 = 0.5f}, Outcome::ZAboveZero},
    {"end right of the start", kSine, {.z1 = -5, .z2 = -3}, Outcome::ZOrder},
    {"range before order", kSine, {.z1 = 2, .z2 = 1}, Outcome::ZAboveZero},
    {"range before the own check", kEllipse, {.z1 = 1, .z2 = -1, .a = 0}, Outcome::ZAboveZero},
    {"order before the own check", kEllipse, {.z1 = -5, .z2 = -3, .a = 0}, Outcome::ZOrder},
};
INSTANTIATE_TEST_SUITE_P(Family, CurveChecks, ::testing::ValuesIn(kFamilyRows));

// c' = 10 and a = 4 where not said otherwise: the ellipse spans depths 6 to 14, the
// Z hyperbola's branches end at 6 and at 14.
const CheckRow kConicRows[] = {
    {"ends at c'-a and c'+a", kEllipse, {.z1 = -6, .z2 = -14, .a = 4, .b = 3, .c = -10}, Outcome::Accepted},
    {"negative a and b as their absolute values",
     kEllipse, {.z1 = -6, .z2 = -14, .a = -4, .b = -3, .c = -10}, Outcome::Accepted},
    {"start short of c'-a", kEllipse, {.z1 = -5.9f, .z2 = -14, .a = 4, .b = 3, .c = -10}, Outcome::OwnCheck},
    {"end beyond c'+a", kEllipse, {.z1 = -6, .z2 = -14.1f, .a = 4, .b = 3, .c = -10}, Outcome::OwnCheck},
    {"zero a", kEllipse, {.z1 = -10, .z2 = -10, .a = 0, .b = 3, .c = -10}, Outcome::OwnCheck},
    {"any range", kHyperbolaX, {.z1 = 0, .z2 = -100, .a = 0.1f, .b = 3, .c = -10}, Outcome::Accepted},
    {"zero a, no end at c'", kHyperbolaX, {.z1 = -2, .z2 = -6, .a = 0, .b = 3, .c = -10}, Outcome::Accepted},
    {"zero a, an end at c'", kHyperbolaX, {.z1 = -2, .z2 = -10, .a = 0, .b = 3, .c = -10}, Outcome::OwnCheck},
    {"ends at 2 and 6 on one branch", kHyperbolaZ, {.z1 = -2, .z2 = -6, .a = 4, .b = 3, .c = -10},
     Outcome::Accepted},
    {"end at 8 between the branches", kHyperbolaZ, {.z1 = -2, .z2 = -8, .a = 4, .b = 3, .c = -10},
     Outcome::OwnCheck},
    {"ends at 6 and 14, the two vertices", kHyperbolaZ, {.z1 = -6, .z2 = -14, .a = 4, .b = 3, .c = -10},
     Outcome::Accepted},
    {"only the ends count", kHyperbolaZ, {.z1 = -2, .z2 = -20, .a = 4, .b = 3, .c = -10}, Outcome::Accepted},
    {"positive b, any range", kParabolaZ, {.z1 = 0, .z2 = -1, .b = 3, .p = 5}, Outcome::Accepted},
    {"negative b, end at b", kParabolaZ, {.z1 = 0, .z2 = -4, .b = -4, .p = -1}, Outcome::Accepted},
    {"negative b, range short of b", kParabolaZ, {.z1 = 0, .z2 = -3.9f, .b = -4, .p = -1}, Outcome::OwnCheck},
    {"zero b, negative P", kParabolaZ, {.z1 = 0, .z2 = -2, .b = 0, .p = -1}, Outcome::Accepted},
    {"zero b, zero P", kParabolaZ, {.z1 = 0, .z2 = -2, .b = 0, .p = 0}, Outcome::Accepted},
    {"zero b, positive P", kParabolaZ, {.z1 = 0, .z2 = -2, .b = 0, .p = 1}, Outcome::OwnCheck},
};
INSTANTIATE_TEST_SUITE_P(Conics, CurveChecks, ::testing::ValuesIn(kConicRows));

// With b = 1.00000072 the typed range from -3.86730648e-09 to -3.14159036 is, in
// double precision, exactly 3.1415926/b long. With b = 1 the range from -1e-07 to
// -3.1415927 is 3.14159264, beyond 3.1415926 by less than a float step.
constexpr float kPeriodB = 1.00000072f;
constexpr float kPeriodZ1 = -3.86730648e-09f;
constexpr float kPeriodZ2 = -3.14159036f;

const CheckRow kPeriodRows[] = {
    {"exactly one period", kTangent, {.z1 = kPeriodZ1, .z2 = kPeriodZ2, .b = kPeriodB}, Outcome::Accepted},
    {"just beyond one period", kTangent, {.z1 = -1e-07f, .z2 = -3.1415927f, .b = 1}, Outcome::OwnCheck},
    {"half a period for b = 2", kTangent, {.z1 = -1, .z2 = -2.5f, .b = 2}, Outcome::Accepted},
    {"beyond half a period for b = 2", kTangent, {.z1 = -1, .z2 = -2.6f, .b = 2}, Outcome::OwnCheck},
    {"equal ends", kTangent, {.z1 = -1, .z2 = -1, .b = 1}, Outcome::Accepted},
    {"negative b", kTangent, {.z1 = 0, .z2 = -1, .b = -1}, Outcome::OwnCheck},
    {"negative b, equal ends", kTangent, {.z1 = -1, .z2 = -1, .b = -1}, Outcome::OwnCheck},
    {"zero b", kTangent, {.z1 = 0, .z2 = -1000, .b = 0}, Outcome::Accepted},
    {"zero b with its sign bit set", kTangent, {.z1 = 0, .z2 = -1000, .b = -0.0f}, Outcome::Accepted},
    {"exactly one period", kCotangent, {.z1 = kPeriodZ1, .z2 = kPeriodZ2, .b = kPeriodB}, Outcome::Accepted},
    {"just beyond one period", kCotangent, {.z1 = -1e-07f, .z2 = -3.1415927f, .b = 1}, Outcome::OwnCheck},
    {"negative b", kCotangent, {.z1 = 0, .z2 = -1, .b = -1}, Outcome::OwnCheck},
    {"zero b: no point can be computed", kCotangent, {.z1 = 0, .z2 = -1, .b = 0}, Outcome::OwnCheck},
};
INSTANTIATE_TEST_SUITE_P(Period, CurveChecks, ::testing::ValuesIn(kPeriodRows));

// A refused attempt leaves the members negated until the next one reads the fields.
struct NegatedRow {
    Curve curve;
    std::array<float, 7> members;  // z1, z2, a, b, c, d, p after the attempt
};

class NegatedMembers : public CurveStateTest, public ::testing::WithParamInterface<NegatedRow> {};

TEST_P(NegatedMembers, AfterARefusedAttempt)
{
    const NegatedRow& row = GetParam();
    SCOPED_TRACE(row.curve.name);
    FakeCurveDialog dialog;
    dialog.typed = {.z1 = 1, .z2 = 2, .a = 3, .b = 4, .c = 5, .d = 6, .p = 7};
    dialog.Ok(row.curve);
    ASSERT_EQ(dialog.messages.size(), 1u);
    const std::array<float, 7> members{dialog.zStart, dialog.zEnd, dialog.a, dialog.b,
                                       dialog.c, dialog.d, dialog.p};
    EXPECT_EQ(members, row.members);
}

const NegatedRow kNegatedRows[] = {
    {kEllipse, {-1, -2, 3, 4, -5, 6, 7}},
    {kHyperbolaX, {-1, -2, 3, 4, -5, 6, 7}},
    {kHyperbolaZ, {-1, -2, 3, 4, -5, 6, 7}},
    {kParabolaX, {-1, -2, 3, -4, 5, 6, 7}},
    {kParabolaZ, {-1, -2, 3, -4, 5, 6, -7}},
    {kSine, {-1, -2, -3, -4, -5, 6, 7}},
    {kCosine, {-1, -2, -3, -4, -5, 6, 7}},
    {kTangent, {-1, -2, -3, -4, -5, 6, 7}},
    {kCotangent, {-1, -2, -3, -4, -5, 6, 7}},
};
INSTANTIATE_TEST_SUITE_P(Curves, NegatedMembers, ::testing::ValuesIn(kNegatedRows));

// A field the exchange refuses ends the attempt before anything is checked or stored.
struct RefusalRow {
    const char* what;
    std::vector<Typed> attempts;  // each but the last read in full, the last up to the refusal
    int refusedField;
    std::vector<std::string> messages;
};

class RefusedField : public CurveStateTest, public ::testing::WithParamInterface<RefusalRow> {};

TEST_P(RefusedField, ChangesNothingAndKeepsTheDialogOpen)
{
    const RefusalRow& row = GetParam();
    SCOPED_TRACE(row.what);
    FakeCurveDialog dialog;
    for (std::size_t i = 0; i < row.attempts.size(); ++i) {
        dialog.typed = row.attempts[i];
        dialog.refusedField = i + 1 == row.attempts.size() ? row.refusedField : FakeCurveDialog::kNoRefusal;
        dialog.Ok(kEllipse);
    }
    EXPECT_EQ(dialog.messages, row.messages);
    ExpectEarlierCurve();
    EXPECT_EQ(g_fZStart, kEarlierZStart);
    EXPECT_EQ(g_fZEnd, kEarlierZEnd);
    EXPECT_FALSE(dialog.invalidated);
    EXPECT_FALSE(dialog.closed);
}

const Typed kWorkedEllipse{.z1 = -2, .z2 = -18, .a = 10, .b = 5, .c = -10, .d = 20};

const RefusalRow kRefusalRows[] = {
    {"d refused at the first attempt: no curve with d 0", {kWorkedEllipse}, 5, {}},
    {"z1 refused after a refused range: no second message",
     {{.z1 = 0.5f, .z2 = -18, .a = 10, .b = 5, .c = -10, .d = 20}, kWorkedEllipse}, 0,
     {"数据输入不合理:Z值要求输入小于等于零的数字"}},
};
INSTANTIATE_TEST_SUITE_P(Ellipse, RefusedField, ::testing::ValuesIn(kRefusalRows));

} // namespace
