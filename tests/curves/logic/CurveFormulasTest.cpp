// What an accepted curve writes: its four texts, its kind and the preview scale, and
// the radius the written formula gives.
#include "FakeCurveDialog.h"

#include "eval/CMathParser.h"

namespace {

struct FormulaRow {
    const char* what;
    Curve curve;
    Typed typed;
    const char* x;
    const char* hash;
    const char* hashDeg;  // nullptr: the earlier curve's text stays
    const char* r;
    float scale;
};

class CurveFormulas : public CurveStateTest, public ::testing::WithParamInterface<FormulaRow> {};

TEST_P(CurveFormulas, BecomeTheCurrentCurve)
{
    const FormulaRow& row = GetParam();
    SCOPED_TRACE(std::string(row.curve.name) + ": " + row.what);
    FakeCurveDialog dialog;
    dialog.typed = row.typed;
    dialog.Ok(row.curve);

    EXPECT_TRUE(dialog.messages.empty());
    EXPECT_TRUE(dialog.invalidated);
    EXPECT_TRUE(dialog.closed);
    EXPECT_EQ(g_strFormulaX, row.x);
    EXPECT_EQ(g_strFormulaHash, row.hash);
    EXPECT_EQ(g_strFormulaHashDeg, row.hashDeg ? row.hashDeg : kEarlierHashDeg);
    EXPECT_EQ(g_strFormulaR, row.r);
    EXPECT_EQ(g_nFormulaKind, row.curve.formulaKind);
    EXPECT_EQ(g_fZStart, -row.typed.z1);
    EXPECT_EQ(g_fZEnd, -row.typed.z2);
    EXPECT_NEAR(g_fPreviewScale, row.scale, 1e-5 * row.scale);
}

const FormulaRow kEllipseRows[] = {
    {"worked example", kEllipse, {.z1 = -2, .z2 = -18, .a = 10, .b = 5, .c = -10, .d = 20},
     "sqrt((1-((x-10)*(x-10)/(10*10)))*5*5)+20", "#3=SQRT[[1-[[#2-10]*[#2-10]/[10*10]]]*5*5]+20",
     nullptr, "R3=SQRT((1-((R2-10)*(R2-10)/(10*10)))*5*5)+20", 200 / 46.0f},
    {"second radio, lower half",
     kEllipse, {.z1 = -2, .z2 = -18, .a = 10, .b = 5, .c = -10, .d = 20, .direction = 1},
     "-sqrt((1-((x-10)*(x-10)/(10*10)))*5*5)+20", "#3=-SQRT[[1-[[#2-10]*[#2-10]/[10*10]]]*5*5]+20",
     nullptr, "R3=-SQRT((1-((R2-10)*(R2-10)/(10*10)))*5*5)+20", 200 / 34.0f},
    {"positive c and negative d keep their signs; diameters below 0 scale by the end depth",
     kEllipse, {.z1 = 0, .z2 = -5, .a = 10, .b = 5, .c = 5, .d = -20},
     "sqrt((1-((x--5)*(x--5)/(10*10)))*5*5)+-20", "#3=SQRT[[1-[[#2--5]*[#2--5]/[10*10]]]*5*5]+-20",
     nullptr, "R3=SQRT((1-((R2--5)*(R2--5)/(10*10)))*5*5)+-20", 200 / 5.0f},
    {"zero c, six digits and exponent forms",
     kEllipse, {.z1 = 0, .z2 = -1, .a = 1234567, .b = 0.00001f, .c = 0, .d = 0},
     "sqrt((1-((x-0)*(x-0)/(1.23457e+006*1.23457e+006)))*1e-005*1e-005)+0",
     "#3=SQRT[[1-[[#2-0]*[#2-0]/[1.23457e+006*1.23457e+006]]]*1e-005*1e-005]+0", nullptr,
     "R3=SQRT((1-((R2-0)*(R2-0)/(1.23457e+006*1.23457e+006)))*1e-005*1e-005)+0", 200 / 1.0f},
};
INSTANTIATE_TEST_SUITE_P(Ellipse, CurveFormulas, ::testing::ValuesIn(kEllipseRows));

const FormulaRow kHyperbolaRows[] = {
    {"first radio, upper branch", kHyperbolaX, {.z1 = -2, .z2 = -6, .a = 4, .b = 3, .c = -10, .d = 20},
     "sqrt((((x-10)*(x-10))/(4*4)+1)*(3*3))+20", "#3=sqrt[[[[#2-10]*[#2-10]]/[4*4]+1]*[3*3]]+20",
     nullptr, "R3=sqrt((((R2-10)*(R2-10))/(4*4)+1)*(3*3))+20", 200 / 53.41641f},
    {"second radio, lower branch",
     kHyperbolaX, {.z1 = -2, .z2 = -6, .a = 4, .b = 3, .c = -10, .d = 20, .direction = 1},
     "-sqrt((((x-10)*(x-10))/(4*4)+1)*(3*3))+20", "#3=-sqrt[[[[#2-10]*[#2-10]]/[4*4]+1]*[3*3]]+20",
     nullptr, "R3=-sqrt((((R2-10)*(R2-10))/(4*4)+1)*(3*3))+20", 200 / 31.51472f},
    {"zero a away from c: every end fails to evaluate, the end depth scales",
     kHyperbolaX, {.z1 = -2, .z2 = -6, .a = 0, .b = 3, .c = -10, .d = 20},
     "sqrt((((x-10)*(x-10))/(0*0)+1)*(3*3))+20", "#3=sqrt[[[[#2-10]*[#2-10]]/[0*0]+1]*[3*3]]+20",
     nullptr, "R3=sqrt((((R2-10)*(R2-10))/(0*0)+1)*(3*3))+20", 200 / 6.0f},
    {"first radio, lower halves", kHyperbolaZ, {.z1 = -2, .z2 = -6, .a = 4, .b = 3, .c = -10, .d = 20},
     "-sqrt((((x-10)*(x-10))/(4*4)-1)*(3*3))+20", "#3=-sqrt[[[[#2-10]*[#2-10]]/[4*4]-1]*[3*3]]+20",
     nullptr, "R3=-sqrt((((R2-10)*(R2-10))/(4*4)-1)*(3*3))+20", 200 / 40.0f},
    {"second radio, upper halves",
     kHyperbolaZ, {.z1 = -2, .z2 = -6, .a = 4, .b = 3, .c = -10, .d = 20, .direction = 1},
     "sqrt((((x-10)*(x-10))/(4*4)-1)*(3*3))+20", "#3=sqrt[[[[#2-10]*[#2-10]]/[4*4]-1]*[3*3]]+20",
     nullptr, "R3=sqrt((((R2-10)*(R2-10))/(4*4)-1)*(3*3))+20", 200 / 50.39230f},
};
INSTANTIATE_TEST_SUITE_P(Hyperbolas, CurveFormulas, ::testing::ValuesIn(kHyperbolaRows));

const FormulaRow kParabolaRows[] = {
    {"b negated twice, then P and a as typed", kParabolaX, {.z1 = -1, .z2 = -5, .a = 10, .b = -3, .p = 2},
     "((x-3)*(x-3))/(2*2)+10", "#3=[[#2-3]*[#2-3]]/[2*2]+10", nullptr, "R3=((R2-3)*(R2-3))/(2*2)+10",
     200 / 22.0f},
    {"zero P: both ends fail to evaluate, the end depth scales",
     kParabolaX, {.z1 = -1, .z2 = -5, .a = 10, .b = 3, .p = 0},
     "((x--3)*(x--3))/(2*0)+10", "#3=[[#2--3]*[#2--3]]/[2*0]+10", nullptr,
     "R3=((R2--3)*(R2--3))/(2*0)+10", 200 / 5.0f},
    {"first radio: b', P', a", kParabolaZ, {.z1 = -4, .z2 = -8, .a = 10, .b = -2, .p = -2},
     "sqrt(2*(x-2)*2)+10", "#3=sqrt[2*[#2-2]*2]+10", nullptr, "R3=sqrt(2*(R2-2)*2)+10", 200 / 29.79796f},
    {"second radio", kParabolaZ, {.z1 = -4, .z2 = -8, .a = 10, .b = -2, .p = -2, .direction = 1},
     "-sqrt(2*(x-2)*2)+10", "#3=-sqrt[2*[#2-2]*2]+10", nullptr, "R3=-sqrt(2*(R2-2)*2)+10",
     200 / 14.34315f},
};
INSTANTIATE_TEST_SUITE_P(Parabolas, CurveFormulas, ::testing::ValuesIn(kParabolaRows));

const FormulaRow kSineCosineRows[] = {
    {"a, b and c negated, d as typed", kSine, {.z1 = 0, .z2 = -3.1416f, .a = 1, .b = 1, .c = 0, .d = 10},
     "-1*sin(-1*(x-0))+10", "#3=-1*SIN[-1*[#2-0]]+10", "#3=-1*SIN[-1*[#2-0]*180/3.1415926]+10",
     "R3=-1*SIN(-1*(R2-0)*180/3.1415926)+10", 200 / 20.0f},
    {"zero a, exponent form, positive c, negative d",
     kSine, {.z1 = 0, .z2 = -2, .a = 0, .b = -0.00001f, .c = 5, .d = -3},
     "0*sin(1e-005*(x--5))+-3", "#3=0*SIN[1e-005*[#2--5]]+-3", "#3=0*SIN[1e-005*[#2--5]*180/3.1415926]+-3",
     "R3=0*SIN(1e-005*(R2--5)*180/3.1415926)+-3", 200 / 2.0f},
    {"a, b and c negated, d as typed", kCosine, {.z1 = 0, .z2 = -3.1416f, .a = 1, .b = 1, .c = 0, .d = 10},
     "-1*cos(-1*(x-0))+10", "#3=-1*COS[-1*[#2-0]]+10", "#3=-1*COS[-1*[#2-0]*180/3.1415926]+10",
     "R3=-1*COS(-1*(R2-0)*180/3.1415926)+10", 200 / 22.0f},
    {"zero b: the constant radius d - a", kCosine, {.z1 = -1, .z2 = -4, .a = 2, .b = 0, .c = 0, .d = 10},
     "-2*cos(0*(x-0))+10", "#3=-2*COS[0*[#2-0]]+10", "#3=-2*COS[0*[#2-0]*180/3.1415926]+10",
     "R3=-2*COS(0*(R2-0)*180/3.1415926)+10", 200 / 16.0f},
};
INSTANTIATE_TEST_SUITE_P(SineCosine, CurveFormulas, ::testing::ValuesIn(kSineCosineRows));

const FormulaRow kTangentCotangentRows[] = {
    {"worked example", kTangent, {.z1 = -2, .z2 = -8, .a = 3, .b = 0.25f, .c = -5, .d = 20},
     "-3*sin(-0.25*(x-5))/cos(-0.25*(x-5))+20", "#3=-3*SIN[-0.25*[#2-5]]/COS[-0.25*[#2-5]]+20",
     "#3=-3*SIN[-0.25*[#2-5]*180/3.1415926]/COS[-0.25*[#2-5]*180/3.1415926]+20",
     "R3=-3*SIN(-0.25*(R2-5)*180/3.1415926)/COS(-0.25*(R2-5)*180/3.1415926)+20", 4.386967f},
    {"zero b: the constant radius d", kTangent, {.z1 = 0, .z2 = -10, .a = 3, .b = 0, .c = 1, .d = 7},
     "-3*sin(0*(x--1))/cos(0*(x--1))+7", "#3=-3*SIN[0*[#2--1]]/COS[0*[#2--1]]+7",
     "#3=-3*SIN[0*[#2--1]*180/3.1415926]/COS[0*[#2--1]*180/3.1415926]+7",
     "R3=-3*SIN(0*(R2--1)*180/3.1415926)/COS(0*(R2--1)*180/3.1415926)+7", 200 / 14.0f},
    {"worked example's values, a pole inside the range", kCotangent,
     {.z1 = -2, .z2 = -8, .a = 3, .b = 0.25f, .c = -5, .d = 20},
     "-3*cos(-0.25*(x-5))/sin(-0.25*(x-5))+20", "#3=-3*COS[-0.25*[#2-5]]/SIN[-0.25*[#2-5]]+20",
     "#3=-3*COS[-0.25*[#2-5]*180/3.1415926]/SIN[-0.25*[#2-5]*180/3.1415926]+20",
     "R3=-3*COS(-0.25*(R2-5)*180/3.1415926)/SIN(-0.25*(R2-5)*180/3.1415926)+20", 200 / 46.44056f},
    {"pole at the start: that end counts as 0", kCotangent,
     {.z1 = -2, .z2 = -4, .a = 1, .b = 1, .c = -2, .d = 10},
     "-1*cos(-1*(x-2))/sin(-1*(x-2))+10", "#3=-1*COS[-1*[#2-2]]/SIN[-1*[#2-2]]+10",
     "#3=-1*COS[-1*[#2-2]*180/3.1415926]/SIN[-1*[#2-2]*180/3.1415926]+10",
     "R3=-1*COS(-1*(R2-2)*180/3.1415926)/SIN(-1*(R2-2)*180/3.1415926)+10", 200 / 19.08468f},
};
INSTANTIATE_TEST_SUITE_P(TangentCotangent, CurveFormulas, ::testing::ValuesIn(kTangentCotangentRows));

// The negations make the texts compute the label's curve with the sign of the a term
// reversed for the trigonometric curves, and the labelled conic otherwise.
struct RadiusRow {
    const char* what;
    Curve curve;
    Typed typed;
    double depth;
    double radius;
};

class CurveRadius : public CurveStateTest, public ::testing::WithParamInterface<RadiusRow> {};

TEST_P(CurveRadius, AtADepth)
{
    const RadiusRow& row = GetParam();
    SCOPED_TRACE(std::string(row.curve.name) + ": " + row.what);
    FakeCurveDialog dialog;
    dialog.typed = row.typed;
    dialog.Ok(row.curve);
    CMathParser parser(g_strFormulaX);
    parser.AddVariable(row.depth, "x");
    parser.Evaluate();
    EXPECT_EQ(parser.m_bError, 0);
    EXPECT_NEAR(parser.m_dResult, row.radius, 1e-4);
}

const RadiusRow kRadiusRows[] = {
    {"centre of the upper half", kEllipse, {.z1 = -2, .z2 = -18, .a = 10, .b = 5, .c = -10, .d = 20}, 10, 25},
    {"vertex of a branch", kHyperbolaZ, {.z1 = -2, .z2 = -6, .a = 4, .b = 3, .c = -10, .d = 20}, 6, 20},
    {"vertex", kParabolaZ, {.z1 = -4, .z2 = -8, .a = 10, .b = -2, .p = -2}, 2, 10},
    {"d - a at Z -1.5708", kSine, {.z1 = 0, .z2 = -3.1416f, .a = 1, .b = 1, .c = 0, .d = 10}, 1.5708, 11},
    {"d - a at Z 0", kCosine, {.z1 = 0, .z2 = -3.1416f, .a = 1, .b = 1, .c = 0, .d = 10}, 0, 9},
    {"start", kTangent, {.z1 = -2, .z2 = -8, .a = 3, .b = 0.25f, .c = -5, .d = 20}, 2, 17.20521},
    {"end", kTangent, {.z1 = -2, .z2 = -8, .a = 3, .b = 0.25f, .c = -5, .d = 20}, 8, 22.79479},
};
INSTANTIATE_TEST_SUITE_P(Curves, CurveRadius, ::testing::ValuesIn(kRadiusRows));

} // namespace
