#include "generator/logic/GenerateProgram.h"

#include "curves/logic/CurveState.h"
#include "generator/TempWorkDir.h"
#include "generator/logic/Machining.h"
#include "generator/logic/ProgramFile.h"
#include "generator/logic/Stock.h"
#include "platform/FormatG.h"
#include "support/SplitLines.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using generator::CncControl;
using generator::CurveSnapshot;
using generator::GenerateProgram;
using generator::MachiningParams;
using generator::MACHINING_HOLE;
using generator::MACHINING_SHAFT;

// radius x^2/20 + 5 between the depths 2 and 10; the degree line is a stale one
// from an earlier trigonometric curve, which a conic curve never uses
const CurveSnapshot kParabola{"((x-0)*(x-0))/(2*10)+5",
                              "#3=[[#2-0]*[#2-0]]/[2*10]+5",
                              "#3=-1*SIN[-1*[#2-0]*180/3.1415926]+10",
                              "R3=((R2-0)*(R2-0))/(2*10)+5",
                              FORMULA_CONIC, 2, 10, 5.2f, 10};

// radius sin(x) + 10 from a typed Z start of 0 (negated: a negative zero) to the depth 3
const CurveSnapshot kSine{"-1*sin(-1*(x-0))+10",
                          "#3=-1*SIN[-1*[#2-0]]+10",
                          "#3=-1*SIN[-1*[#2-0]*180/3.1415926]+10",
                          "R3=-1*SIN(-1*(R2-0)*180/3.1415926)+10",
                          FORMULA_TRIG, -0.0f, 3, 10, 10.1411f};

const MachiningParams kShaftWorked{MACHINING_SHAFT, 24, 1.5f, 0.5f, 0.1f, 30, 0.4f};
const MachiningParams kShaftFine{MACHINING_SHAFT, 26, 1, 0.3f, 0.05f, 30, 0.5f};
const MachiningParams kHoleDeep{MACHINING_HOLE, 16, 2, 0.5f, 0.1f, 10, 0.2f};
const MachiningParams kHoleSmall{MACHINING_HOLE, 8, 2, 0.5f, 0.1f, 6, 0.5f};

// Index in the program of a slot's line, past the formula lines before it.
std::size_t LineOfSlot(int slot)
{
    return slot - 1 + (slot > 7) + (slot > 18) + (slot > 28);
}

constexpr const char* kWorkedExample = R"(G00z-2
G00x24
#1=13.2
WHILE[#1GT0]DO 1
#2=2
G00z-2
WHILE[#2LT10]DO 2
#3=[[#2-0]*[#2-0]]/[2*10]+5
G01x[2*#3+#1]z[-#2]
#2=#2+0.5
END 2
G01x[20+#1]z-10
G00x30
#1=#1-1.5
END 1
#2=2
G00z-2
G00x11.6
WHILE[#2LT10]DO 1
#3=[[#2-0]*[#2-0]]/[2*10]+5
G01x[2*#3+1.2]z[-#2]
#2=#2+0.1
END 1
G01x21.2z-10
G00x30
M00M05
#2=2
G00z-2
G00x10.4
WHILE[#2LT10]DO 1
#3=[[#2-0]*[#2-0]]/[2*10]+5
G01x[2*#3]z[-#2]
#2=#2+0.1
END 1
G01x20z-10
G00x30
)";

constexpr const char* kGuangshuHoleSine = R"(G00z-0
G00x16
#1=5.79915
WHILE[#1GT0] DO1
#2=0
G00z-0
WHILE[#2LT3] DO2
#3=-1*SIN[-1*[#2-0]*180/3.1415926]+10
G01x[2*#3-#1]z[-#2]
#2=#2+0.5
END2
G01x[20.2822-#1]z-3
G00x10
#1=#1-2
END1
#2=0
G00z-0
G00x18.2009
WHILE[#2LT3] DO1
#3=-1*SIN[-1*[#2-0]*180/3.1415926]+10
G01x[2*#3-1.79915]z[-#2]
#2=#2+0.1
END1
G01x18.4831z-3
G00x10
M00M05
#2=0
G00z-0
G00x20
WHILE[#2LT3] DO1
#3=-1*SIN[-1*[#2-0]*180/3.1415926]+10
G01x[2*#3]z[-#2]
#2=#2+0.1
END1
G01x20.2822z-3
G00x10
)";

constexpr const char* kHuazhongShaftSine = R"(G00z-0
G00x26
#1=5.5
WHILE #1GT0
#2=0
G00z-0
WHILE #2LT3
#3=-1*SIN[-1*[#2-0]]+10
G01x[2*#3+#1]z[-#2]
#2=#2+0.3
ENDW
G01x[20.2822+#1]z-3
G00x30
#1=#1-1
ENDW
#2=0
G00z-0
G00x20.5
WHILE #2LT3
#3=-1*SIN[-1*[#2-0]]+10
G01x[2*#3+0.5]z[-#2]
#2=#2+0.05
ENDW
G01x20.7822z-3
G00x30
M00M05
#2=0
G00z-0
G00x20
WHILE #2LT3
#3=-1*SIN[-1*[#2-0]]+10
G01x[2*#3]z[-#2]
#2=#2+0.05
ENDW
G01x20.2822z-3
G00x30
)";

constexpr const char* kHuazhongHoleParabola = R"(G00z-2
G00x8
#1=11.5
WHILE #1GT0
#2=2
G00z-2
WHILE #2LT10
#3=[[#2-0]*[#2-0]]/[2*10]+5
G01x[2*#3-#1]z[-#2]
#2=#2+0.5
ENDW
G01x[20-#1]z-10
G00x6
#1=#1-2
ENDW
#2=2
G00z-2
G00x8.9
WHILE #2LT10
#3=[[#2-0]*[#2-0]]/[2*10]+5
G01x[2*#3-1.5]z[-#2]
#2=#2+0.1
ENDW
G01x18.5z-10
G00x6
M00M05
#2=2
G00z-2
G00x10.4
WHILE #2LT10
#3=[[#2-0]*[#2-0]]/[2*10]+5
G01x[2*#3]z[-#2]
#2=#2+0.1
ENDW
G01x20z-10
G00x6
)";

constexpr const char* kSiemensShaftParabola = R"(G00z-2
G00x24
R1=13.2
VORNA1:
R2=2
G00z-2
VORNA2:
R3=((R2-0)*(R2-0))/(2*10)+5
G01x(2*R3+R1)z(-R2)
R2=R2+0.5
IF R2<10 GOTOB VORNA2
G01x(20+R1)z-10
G00x30
R1=R1-1.5
IF R1>0 GOTOB VORNA1
R2=2
G00z-2
G00x11.6
VORNA3:
R3=((R2-0)*(R2-0))/(2*10)+5
G01x(2*R3+1.2)z(-R2)
R2=R2+0.1
IF R2<10 GOTOB VORNA3
G01x21.2z-10
G00x30
M00M05
R2=2
G00z-2
G00x10.4
VORNA4:
R3=((R2-0)*(R2-0))/(2*10)+5
G01x(2*R3)z(-R2)
R2=R2+0.1
IF R2<10 GOTOB VORNA4
G01x20z-10
G00x30
)";

constexpr const char* kSiemensHoleSine = R"(G00z-0
G00x16
R1=5.79915
VORNA1:
R2=0
G00z-0
VORNA2:
R3=-1*SIN(-1*(R2-0)*180/3.1415926)+10
G01x(2*R3-R1)z(-R2)
R2=R2+0.5
IF R2<3 GOTOB VORNA2
G01x(20.2822-R1)z-3
G00x10
R1=R1-2
IF R1>0 GOTOB VORNA1
R2=0
G00z-0
G00x18.2009
VORNA3:
R3=-1*SIN(-1*(R2-0)*180/3.1415926)+10
G01x(2*R3-1.79915)z(-R2)
R2=R2+0.1
IF R2<3 GOTOB VORNA3
G01x18.4831z-3
G00x10
M00M05
R2=0
G00z-0
G00x20
VORNA4:
R3=-1*SIN(-1*(R2-0)*180/3.1415926)+10
G01x(2*R3)z(-R2)
R2=R2+0.1
IF R2<3 GOTOB VORNA4
G01x20.2822z-3
G00x10
)";

struct WholeCase {
    const char* what;
    CncControl control;
    const MachiningParams& params;
    const CurveSnapshot& curve;
    const char* program;
};

TEST(GenerateProgram, WholeProgramsOfEachFamily)
{
    const WholeCase cases[] = {
        {"FANUC shaft, conic", CncControl::Fanuc, kShaftWorked, kParabola, kWorkedExample},
        {"Guangshu hole, trigonometric from Z 0", CncControl::Guangshu, kHoleDeep, kSine, kGuangshuHoleSine},
        {"Huazhong shaft, trigonometric", CncControl::Huazhong, kShaftFine, kSine, kHuazhongShaftSine},
        {"Huazhong hole, conic", CncControl::Huazhong, kHoleSmall, kParabola, kHuazhongHoleParabola},
        {"Siemens shaft, conic", CncControl::Siemens, kShaftWorked, kParabola, kSiemensShaftParabola},
        {"Siemens hole, trigonometric from Z 0", CncControl::Siemens, kHoleDeep, kSine, kSiemensHoleSine},
    };
    for (const WholeCase& c : cases)
        EXPECT_EQ(GenerateProgram(c.params, c.curve, c.control), SplitLines(c.program)) << c.what;
}

TEST(GenerateProgram, CodesOfOneFamilyWriteTheSameProgram)
{
    for (const CncControl control : {CncControl::Guangshu, CncControl::Dasen, CncControl::Mitsubishi}) {
        SCOPED_TRACE(testing::Message() << "code " << static_cast<int>(control));
        EXPECT_EQ(GenerateProgram(kShaftWorked, kParabola, control), SplitLines(kWorkedExample));
        EXPECT_EQ(GenerateProgram(kHoleDeep, kSine, control), SplitLines(kGuangshuHoleSine));
    }
}

struct FormulaCase {
    CncControl control;
    int formulaKind;
    const std::string* formulaLine;  // none: no formula line at all
};

TEST(GenerateProgram, FormulaLineByDialectAndKind)
{
    const FormulaCase cases[] = {
        {CncControl::Fanuc, FORMULA_TRIG, &kSine.formulaHashDeg},
        {CncControl::Huazhong, FORMULA_TRIG, &kSine.formulaHash},
        {CncControl::Siemens, FORMULA_CONIC, &kSine.formulaR},
        {CncControl::Siemens, 0, &kSine.formulaR},
        {CncControl::Huazhong, 0, &kSine.formulaHash},
        {CncControl::Fanuc, 0, nullptr},
    };
    for (const FormulaCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << static_cast<int>(c.control) << ", kind " << c.formulaKind);
        CurveSnapshot curve = kSine;
        curve.formulaKind = c.formulaKind;
        const std::vector<std::string> lines = GenerateProgram(kShaftFine, curve, c.control).value();
        if (!c.formulaLine) {
            EXPECT_EQ(lines.size(), 33u);
            continue;
        }
        ASSERT_EQ(lines.size(), 36u);
        for (const std::size_t at : {7u, 19u, 30u})
            EXPECT_EQ(lines[at], *c.formulaLine) << "line " << at + 1;
    }
}

struct SlotLine {
    int slot;
    const char* text;
};

// The worked example's program with the given slots replaced.
std::vector<std::string> WorkedExampleWith(std::initializer_list<SlotLine> changes)
{
    std::vector<std::string> lines = SplitLines(kWorkedExample);
    for (const SlotLine& change : changes)
        lines[LineOfSlot(change.slot)] = change.text;
    return lines;
}

TEST(GenerateProgram, FloatNoiseInTheRemainderIsWrittenAsZero)
{
    const MachiningParams params{MACHINING_SHAFT, 24, 1.5f, 0.5f, 0.1f, 30, 0.1f};
    const float rem =
        generator::SplitStock(generator::StockDepth(MACHINING_SHAFT, 24, 10.4f, 0, 0.1f), 1.5f).rem;
    ASSERT_NE(platform::FormatG(rem).find('e'), std::string::npos) << "no noise: " << rem;

    EXPECT_EQ(GenerateProgram(params, kParabola, CncControl::Fanuc),
              WorkedExampleWith({{3, "#1=13.5"},
                                 {17, "G00x10.4"},
                                 {19, "G01x[2*#3+0]z[-#2]"},
                                 {22, "G01x20z-10"}}));
}

TEST(GenerateProgram, StartRadiusIsEvaluatedAfreshButTheScanStartsFromTheMeasuredOne)
{
    CurveSnapshot curve = kParabola;
    curve.xStart = 4;  // measured on an earlier curve: Dmin 8, while 2 * Xs stays 10.4
    EXPECT_EQ(GenerateProgram(kShaftWorked, curve, CncControl::Fanuc),
              WorkedExampleWith({{3, "#1=15.6"},
                                 {17, "G00x11"},
                                 {19, "G01x[2*#3+0.6]z[-#2]"},
                                 {22, "G01x20.6z-10"}}));
}

// A curve that cannot be computed where the tool must go, or numbers beyond any
// control, are refused before a line is written.
CurveSnapshot Conic(const char* x, const char* hash, const char* r, float zStart, float zEnd,
                    float xStart, float xEnd)
{
    return {x, hash, "", r, FORMULA_CONIC, zStart, zEnd, xStart, xEnd};
}

TEST(GenerateProgram, RefusesACurveThatCannotBeComputedWhereTheToolMustGo)
{
    struct Row {
        const char* what;
        const MachiningParams& params;
        CurveSnapshot curve;
        bool refused;
    };
    const Row rows[] = {
        {"parabola on Z whose end depth 1.1f lies past its vertex 1.1", kShaftWorked,
         Conic("sqrt(2*(x-1.1)*-1)+10", "#3=sqrt[2*[#2-1.1]*-1]+10", "R3=sqrt(2*(R2-1.1)*-1)+10",
               -0.0f, 1.1f, 11.4832f, 0),
         true},
        {"ellipse whose start lies outside it", kShaftWorked,
         Conic("sqrt((1-((x-10)*(x-10)/(4*4)))*3*3)+20", "#3=SQRT[[1-[[#2-10]*[#2-10]/[4*4]]]*3*3]+20",
               "R3=SQRT((1-((R2-10)*(R2-10)/(4*4)))*3*3)+20", 5, 14, 0, 20),
         true},
        {"hyperbola on Z across the gap between its branches", kShaftWorked,
         Conic("-sqrt((((x-10)*(x-10))/(4*4)-1)*(3*3))+20",
               "#3=-sqrt[[[[#2-10]*[#2-10]]/[4*4]-1]*[3*3]]+20",
               "R3=-sqrt((((R2-10)*(R2-10))/(4*4)-1)*(3*3))+20", 2, 20, 14.8038f, 13.1261f),
         true},
        {"a diameter beyond the float range", kHoleDeep,
         Conic("3e38", "#3=3e+038", "R3=3e+038", 2, 10, 3e38f, 3e38f), true},
        {"the ordinary parabola", kShaftWorked, kParabola, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const std::optional<std::vector<std::string>> program =
            GenerateProgram(row.params, row.curve, CncControl::Fanuc);
        if (row.refused)
            EXPECT_EQ(program, std::nullopt);
        else
            EXPECT_EQ(program, SplitLines(kWorkedExample));
    }
}

using GeneratedFile = TempWorkDir;

TEST_F(GeneratedFile, WorkedExampleByteForByte)
{
    ASSERT_TRUE(generator::WriteProgramFile(GenerateProgram(kShaftWorked, kParabola, CncControl::Fanuc).value()));
    std::string expected;
    for (const std::string& line : SplitLines(kWorkedExample))
        expected += line + "\r\n";
    EXPECT_EQ(ReadFile(generator::kProgramFileName), expected);
}

} // namespace
