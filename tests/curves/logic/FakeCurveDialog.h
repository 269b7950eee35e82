#pragma once
// A curve dialog without a window: its members, the fields as the user typed them,
// and a record of what the OK sequence asked of it; and a fixture that puts a
// previous curve into the shared state.

#include "curves/logic/CurveKinds.h"
#include "curves/logic/CurveOkSequence.h"
#include "curves/logic/CurveState.h"
#include "support/ResetCurveState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A curve dialog as the tests see it: its kind, whether it has the direction radios,
// and what it must write or say.
struct Curve {
    const char* name;
    const curves::CurveKind* kind;
    bool radios;
    int formulaKind;
    const char* ownMessage;  // nullptr: no own check
};

inline constexpr const char* kNoCurve = "不能构成合理曲线";
inline constexpr const char* kPeriod = "不能构成连续的曲线，已经超出一个周期\n要求:3.1415926/b > z1-z2";

inline const Curve kEllipse{"ellipse", &curves::kEllipseCurve, true, FORMULA_CONIC, kNoCurve};
inline const Curve kHyperbolaX{"hyperbola X", &curves::kHyperbolaXCurve, true, FORMULA_CONIC, kNoCurve};
inline const Curve kHyperbolaZ{"hyperbola Z", &curves::kHyperbolaZCurve, true, FORMULA_CONIC, kNoCurve};
inline const Curve kParabolaX{"parabola X", &curves::kParabolaXCurve, false, FORMULA_CONIC, nullptr};
inline const Curve kParabolaZ{"parabola Z", &curves::kParabolaZCurve, true, FORMULA_CONIC, kNoCurve};
inline const Curve kSine{"sine", &curves::kSineCurve, false, FORMULA_TRIG, nullptr};
inline const Curve kCosine{"cosine", &curves::kCosineCurve, false, FORMULA_TRIG, nullptr};
inline const Curve kTangent{"tangent", &curves::kTangentCurve, false, FORMULA_TRIG, kPeriod};
inline const Curve kCotangent{"cotangent", &curves::kCotangentCurve, false, FORMULA_TRIG, kPeriod};

// The values typed into the fields; the parabolas keep P in `p`.
struct Typed {
    float z1 = 0, z2 = 0, a = 0, b = 0, c = 0, d = 0, p = 0;
    int direction = 0;
};

class FakeCurveDialog : public curves::CurveDialogHost {
public:
    static constexpr int kNoRefusal = -1;

    Typed typed;
    int refusedField = kNoRefusal;  // index in exchange order z1, z2, a, b, c, d, p

    float zStart = 0, zEnd = 0, a = 0, b = 0, c = 0, d = 0, p = 0;
    int direction = 0;

    std::vector<std::string> messages;
    bool invalidated = false;
    bool closed = false;

    void Ok(const Curve& curve)
    {
        const curves::CurveFields fields{&zStart, &zEnd, &a, &b, &c, &d, &p,
                                         curve.radios ? &direction : nullptr};
        curves::RunCurveOkSequence(*curve.kind, fields, *this);
    }

    // The exchange stops at a refused field: it and the members after it keep theirs.
    bool UpdateData() override
    {
        float* const members[] = {&zStart, &zEnd, &a, &b, &c, &d, &p};
        const float values[] = {typed.z1, typed.z2, typed.a, typed.b, typed.c, typed.d, typed.p};
        for (int i = 0; i < 7; ++i) {
            if (i == refusedField)
                return false;
            *members[i] = values[i];
        }
        direction = typed.direction;
        return true;
    }
    void MessageBox(const std::string& text) override { messages.push_back(text); }
    void InvalidatePreview() override { invalidated = true; }
    void CloseWithOk() override { closed = UpdateData(); }
};

// The shared state holds an earlier trigonometric curve before every test.
class CurveStateTest : public ::testing::Test {
public:
    static constexpr const char* kEarlierX = "earlier x";
    static constexpr const char* kEarlierHash = "earlier #3=";
    static constexpr const char* kEarlierHashDeg = "earlier #3= in degrees";
    static constexpr const char* kEarlierR = "earlier R3=";
    static constexpr float kEarlierZStart = 1.5f;
    static constexpr float kEarlierZEnd = 2.5f;
    static constexpr float kEarlierScale = 3.25f;

protected:
    void SetUp() override
    {
        g_strFormulaX = kEarlierX;
        g_strFormulaHash = kEarlierHash;
        g_strFormulaHashDeg = kEarlierHashDeg;
        g_strFormulaR = kEarlierR;
        g_nFormulaKind = FORMULA_TRIG;
        g_fZStart = kEarlierZStart;
        g_fZEnd = kEarlierZEnd;
        g_fPreviewScale = kEarlierScale;
    }
    void TearDown() override { ResetCurveState(); }

    static void ExpectEarlierCurve()
    {
        EXPECT_EQ(g_strFormulaX, kEarlierX);
        EXPECT_EQ(g_strFormulaHash, kEarlierHash);
        EXPECT_EQ(g_strFormulaHashDeg, kEarlierHashDeg);
        EXPECT_EQ(g_strFormulaR, kEarlierR);
        EXPECT_EQ(g_nFormulaKind, FORMULA_TRIG);
        EXPECT_EQ(g_fPreviewScale, kEarlierScale);
    }
};
