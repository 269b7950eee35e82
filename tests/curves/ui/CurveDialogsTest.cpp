// The nine curve dialogs driven through their controls, as a user would.
#include "curves/cosz.h"
#include "curves/ctgz.h"
#include "curves/logic/CurveState.h"
#include "curves/paowuxianx.h"
#include "curves/paowuxianz.h"
#include "curves/shitu.h"
#include "curves/shuangquxianx.h"
#include "curves/shuangquxianz.h"
#include "curves/sinz.h"
#include "curves/tanz.h"
#include "curves/tuoyuan.h"
#include "platform/MessageBox.h"
#include "res/resource.h"
#include "support/ResetCurveState.h"
#include "support/RunEvents.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using platform::CDialog;
using MakeDialog = std::unique_ptr<CDialog> (*)();

template <class Dialog>
std::unique_ptr<CDialog> Make()
{
    return std::make_unique<Dialog>();
}

// What DoModal answers when the dialog was still open as the user left it.
constexpr int kStillOpen = -1;

constexpr const char* kEarlierX = "earlier x";
constexpr const char* kPrompt = "请键入一个数。";

struct Entry {
    int id;
    const char* text;
};

class CurveDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previousSink = platform::SetMessageSink(
            [this](QWidget*, const std::string& text) { m_messages.push_back(text); });
        m_previousHook = platform::SetModalHook({});
        Restart();
    }
    void TearDown() override
    {
        platform::SetMessageSink(m_previousSink);
        platform::SetModalHook(m_previousHook);
        ResetCurveState();
    }

    // Each row starts from an earlier curve with nothing recorded.
    void Restart()
    {
        m_messages.clear();
        m_opened.clear();
        g_strFormulaX = kEarlierX;
        g_fZStart = g_fZEnd = 0;
    }

    // Runs `dialog` modally with `user` acting inside its modal loop; every dialog run
    // meanwhile (a notes box) is recorded by its template and closed at once.
    int Run(CDialog& dialog, const std::function<void(CDialog&)>& user)
    {
        platform::SetModalHook([this, &dialog, &user](CDialog& shown) {
            m_opened.push_back(shown.TemplateId());
            if (&shown == &dialog)
                user(shown);
            return kStillOpen;
        });
        return dialog.DoModal();
    }

    static void Type(CDialog& dialog, const std::vector<Entry>& entries)
    {
        for (const Entry& entry : entries)
            dialog.SetDlgItemText(entry.id, entry.text);
    }
    static void Click(CDialog& dialog, int id) { static_cast<QAbstractButton*>(dialog.GetDlgItem(id))->click(); }

    std::vector<std::string> m_messages;
    std::vector<int> m_opened;

private:
    platform::MessageSink m_previousSink;
    platform::ModalHook m_previousHook;
};

const std::vector<Entry> kEllipseTyped{{IDC_Z_START, "-2"}, {IDC_Z_END, "-18"}, {IDC_PARAM_A, "10"},
                                       {IDC_PARAM_B, "5"},  {IDC_PARAM_C, "-10"}, {IDC_PARAM_D, "20"}};
const std::vector<Entry> kTangentTyped{{IDC_Z_START, "-2"}, {IDC_Z_END, "-8"}, {IDC_PARAM_A, "3"},
                                       {IDC_PARAM_B, "0.25"}, {IDC_PARAM_C, "-5"}, {IDC_PARAM_D, "20"}};
const std::vector<Entry> kHyperbolaTyped{{IDC_Z_START, "-2"}, {IDC_Z_END, "-6"}, {IDC_PARAM_A, "4"},
                                         {IDC_PARAM_B, "3"},  {IDC_PARAM_C, "-10"}, {IDC_PARAM_D, "20"}};
const std::vector<Entry> kWaveTyped{{IDC_Z_START, "0"}, {IDC_Z_END, "-3.1416"}, {IDC_PARAM_A, "1"},
                                    {IDC_PARAM_B, "1"}, {IDC_PARAM_C, "0"},       {IDC_PARAM_D, "10"}};

// `typed` with d typed as `d`.
std::vector<Entry> WithD(std::vector<Entry> typed, const char* d)
{
    for (Entry& entry : typed)
        if (entry.id == IDC_PARAM_D)
            entry.text = d;
    return typed;
}

TEST_F(CurveDialogs, OpenWithZerosAndAcceptTheTypedCurve)
{
    struct Row {
        const char* name;
        MakeDialog make;
        std::vector<Entry> typed;
        int radio;  // the radio clicked, 0 for the preselected first one
        const char* x;
    };
    const Row rows[] = {
        {"ellipse", Make<CEllipseDlg>, kEllipseTyped, 0, "sqrt((1-((x-10)*(x-10)/(10*10)))*5*5)+20"},
        {"hyperbola X", Make<CHyperbolaXDlg>, kHyperbolaTyped, IDC_RADIO_SECOND,
         "-sqrt((((x-10)*(x-10))/(4*4)+1)*(3*3))+20"},
        {"hyperbola Z", Make<CHyperbolaZDlg>, kHyperbolaTyped, 0, "-sqrt((((x-10)*(x-10))/(4*4)-1)*(3*3))+20"},
        {"parabola X: P, a, b on 1044, 1045, 1048", Make<CParabolaXDlg>,
         {{IDC_Z_START, "-1"}, {IDC_Z_END, "-5"}, {IDC_PARAM_A, "2"}, {IDC_PARAM_B, "10"}, {IDC_PARAM_C, "-3"}},
         0, "((x-3)*(x-3))/(2*2)+10"},
        {"parabola Z: P, a, b on 1044, 1045, 1048", Make<CParabolaZDlg>,
         {{IDC_Z_START, "-4"}, {IDC_Z_END, "-8"}, {IDC_PARAM_A, "-2"}, {IDC_PARAM_B, "10"}, {IDC_PARAM_C, "-2"}},
         IDC_RADIO_SECOND, "-sqrt(2*(x-2)*2)+10"},
        {"sine", Make<CSineDlg>, kWaveTyped, 0, "-1*sin(-1*(x-0))+10"},
        {"cosine", Make<CCosineDlg>, kWaveTyped, 0, "-1*cos(-1*(x-0))+10"},
        {"tangent", Make<CTangentDlg>, kTangentTyped, 0, "-3*sin(-0.25*(x-5))/cos(-0.25*(x-5))+20"},
        {"cotangent", Make<CCotangentDlg>, kTangentTyped, 0, "-3*cos(-0.25*(x-5))/sin(-0.25*(x-5))+20"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Restart();
        const std::unique_ptr<CDialog> dialog = row.make();
        const int result = Run(*dialog, [&row](CDialog& d) {
            for (const Entry& entry : row.typed)
                EXPECT_EQ(d.GetDlgItemText(entry.id), "0");
            if (d.GetDlgItem(IDC_RADIO_FIRST)) {
                EXPECT_TRUE(d.IsDlgButtonChecked(IDC_RADIO_FIRST));
            }
            Type(d, row.typed);
            if (row.radio)
                Click(d, row.radio);
            Click(d, IDOK);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_TRUE(m_messages.empty());
        EXPECT_EQ(g_strFormulaX, row.x);
    }
}

TEST_F(CurveDialogs, RefusedInputKeepsTheDialogOpen)
{
    struct Row {
        const char* what;
        MakeDialog make;
        std::vector<Entry> typed;
        std::vector<std::string> messages;
        const char* x;
        float zEnd;  // the stored end depth afterwards; Restart leaves 0
    };
    const std::vector<Entry> parabolaTyped{{IDC_Z_START, "-1"}, {IDC_Z_END, "-5"}, {IDC_PARAM_A, "0,4"},
                                           {IDC_PARAM_B, "10"}, {IDC_PARAM_C, "-3"}};
    // A refused field ends the attempt before anything is checked or stored; a
    // decimal comma, as typed on a German or French keyboard, in each dialog.
    const Row rows[] = {
        {"ellipse, a decimal comma in d", Make<CEllipseDlg>, WithD(kEllipseTyped, "15,5"), {kPrompt}, kEarlierX, 0},
        {"hyperbola X, a decimal comma in d", Make<CHyperbolaXDlg>, WithD(kHyperbolaTyped, "15,5"), {kPrompt},
         kEarlierX, 0},
        {"hyperbola Z, a decimal comma in d", Make<CHyperbolaZDlg>, WithD(kHyperbolaTyped, "15,5"), {kPrompt},
         kEarlierX, 0},
        {"parabola X, a decimal comma in P", Make<CParabolaXDlg>, parabolaTyped, {kPrompt}, kEarlierX, 0},
        {"parabola Z, a decimal comma in P", Make<CParabolaZDlg>, parabolaTyped, {kPrompt}, kEarlierX, 0},
        {"sine, a decimal comma in d", Make<CSineDlg>, WithD(kWaveTyped, "15,5"), {kPrompt}, kEarlierX, 0},
        {"cosine, a decimal comma in d", Make<CCosineDlg>, WithD(kWaveTyped, "15,5"), {kPrompt}, kEarlierX, 0},
        {"tangent, a decimal comma in d", Make<CTangentDlg>, WithD(kTangentTyped, "15,5"), {kPrompt}, kEarlierX, 0},
        {"cotangent, a decimal comma in d", Make<CCotangentDlg>, WithD(kTangentTyped, "15,5"), {kPrompt},
         kEarlierX, 0},
        {"a signed zero in z1", Make<CEllipseDlg>,
         {{IDC_Z_START, "-0"}, {IDC_Z_END, "-18"}, {IDC_PARAM_A, "10"}, {IDC_PARAM_B, "5"}, {IDC_PARAM_C, "-10"},
          {IDC_PARAM_D, "20"}},
         {kPrompt}, kEarlierX, 0},
        {"an empty b", Make<CTangentDlg>,
         {{IDC_Z_START, "-2"}, {IDC_Z_END, "-8"}, {IDC_PARAM_A, "3"}, {IDC_PARAM_B, ""}, {IDC_PARAM_C, "-5"},
          {IDC_PARAM_D, "20"}},
         {kPrompt}, kEarlierX, 0},
        {"a Z above 0", Make<CSineDlg>, {{IDC_Z_START, "0.5"}},
         {"数据输入不合理:Z值要求输入小于等于零的数字"}, kEarlierX, 0},
        {"a range longer than one period: the range is stored before the period test", Make<CTangentDlg>,
         {{IDC_Z_START, "-2"}, {IDC_Z_END, "-20"}, {IDC_PARAM_B, "0.25"}},
         {"不能构成连续的曲线，已经超出一个周期\n要求:3.1415926/b > z1-z2"}, kEarlierX, 20},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Restart();
        const std::unique_ptr<CDialog> dialog = row.make();
        const int result = Run(*dialog, [&row](CDialog& d) {
            Type(d, row.typed);
            Click(d, IDOK);
        });
        EXPECT_EQ(result, kStillOpen);
        EXPECT_EQ(m_messages, row.messages);
        EXPECT_EQ(g_strFormulaX, row.x);
        EXPECT_EQ(g_fZEnd, row.zEnd);
    }
}

TEST_F(CurveDialogs, CancelAfterARefusedFieldKeepsTheEarlierCurve)
{
    CEllipseDlg ellipse;
    Run(ellipse, [](CDialog& d) {
        Type(d, kEllipseTyped);
        Click(d, IDOK);
    });
    const std::string ellipseX = g_strFormulaX;
    ASSERT_EQ(ellipseX, "sqrt((1-((x-10)*(x-10)/(10*10)))*5*5)+20");

    CSineDlg sine;
    const int result = Run(sine, [](CDialog& d) {
        Type(d, WithD(kWaveTyped, "15,5"));
        Click(d, IDOK);
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(m_messages, std::vector<std::string>{kPrompt});
    EXPECT_EQ(g_strFormulaX, ellipseX);
    EXPECT_EQ(g_nFormulaKind, FORMULA_CONIC);
    EXPECT_EQ(g_fZStart, 2);
    EXPECT_EQ(g_fZEnd, 18);
}

// The label on an edit's row: the static text left of it whose middle lies nearest
// the edit's middle.
std::string LabelOf(const CDialog& dialog, int editId)
{
    const auto middle = [](const platform::ControlTemplate& c) { return 2 * c.y + c.cy; };
    const platform::ControlTemplate* edit = nullptr;
    for (const platform::ControlTemplate& c : dialog.Template().controls)
        if (c.id == editId)
            edit = &c;
    if (!edit)
        return "no such edit";
    const platform::ControlTemplate* label = nullptr;
    for (const platform::ControlTemplate& c : dialog.Template().controls) {
        if (c.kind != platform::ControlKind::Text || c.x >= edit->x)
            continue;
        if (!label || std::abs(middle(c) - middle(*edit)) < std::abs(middle(*label) - middle(*edit)))
            label = &c;
    }
    return label ? label->text : "";
}

bool HasText(const CDialog& dialog, platform::ControlKind kind, const std::string& text)
{
    for (const platform::ControlTemplate& c : dialog.Template().controls)
        if (c.kind == kind && c.text == text)
            return true;
    return false;
}

TEST_F(CurveDialogs, ShowTheirCaptionLabelsAndEquation)
{
    struct Row {
        MakeDialog make;
        int templateId;
        const char* caption;
        std::vector<Entry> labels;  // edit and the label on its row
        const char* equation;
        const char* group;  // the radios' group box, nullptr without radios
        bool howToInput;
    };
    const Row rows[] = {
        {Make<CEllipseDlg>, IDD_ELLIPSE, "椭圆",
         {{IDC_Z_START, "椭圆Z轴起点z1"}, {IDC_Z_END, "椭圆Z轴终点z2"}, {IDC_PARAM_A, "Z轴上的椭圆半轴(a)"},
          {IDC_PARAM_B, "X轴上的椭圆半轴(b)"}, {IDC_PARAM_C, "椭圆在Z轴上的中心(c)"},
          {IDC_PARAM_D, "椭圆在X轴上的中心(d)"}},
         "方程：(Z-c)*(Z-c)/a*a+(X-d)*(X-d)/b*b=1", "椭圆类型", true},
        {Make<CHyperbolaXDlg>, IDD_HYPERBOLA_X, "在X轴上的双曲线",
         {{IDC_Z_START, "双曲线Z轴起点(z1)"}, {IDC_Z_END, "双曲线Z轴终点(z2)"}, {IDC_PARAM_A, "双曲线方程中(a)的值"},
          {IDC_PARAM_B, "双曲线方程中(b)的值"}, {IDC_PARAM_C, "双曲线方程中(c)的值"},
          {IDC_PARAM_D, "双曲线方程中(d)的值"}},
         "方程：(X-d)*(X-d)/b*b-(Z-c)*(Z-c)/a*a=1", "双曲线类型", true},
        {Make<CHyperbolaZDlg>, IDD_HYPERBOLA_Z, "在Z轴上的双曲线",
         {{IDC_Z_START, "双曲线Z轴起点(z1)"}, {IDC_Z_END, "双曲线Z轴终点(z2)"}, {IDC_PARAM_A, "双曲线方程中(a)的值"},
          {IDC_PARAM_B, "双曲线方程中(b)的值"}, {IDC_PARAM_C, "双曲线方程中(c)的值"},
          {IDC_PARAM_D, "双曲线方程中(d)的值"}},
         "方程：(Z-c)*(Z-c)/a*a-(X-d)*(X-d)/b*b=1", "双曲线类型", true},
        {Make<CParabolaXDlg>, IDD_PARABOLA_X, "在X轴上的抛物线",
         {{IDC_Z_START, "抛物线Z轴起点"}, {IDC_Z_END, "抛物线Z轴终点"}, {IDC_PARAM_A, "抛物线方程中（P）的值"},
          {IDC_PARAM_B, "抛物线方程中（a）的值"}, {IDC_PARAM_C, "抛物线方程中（b）的值"}},
         "方程：(Z-b)*(Z-b)=2*P*(X-a)", nullptr, true},
        {Make<CParabolaZDlg>, IDD_PARABOLA_Z, "在Z轴上的抛物线",
         {{IDC_Z_START, "抛物线Z轴起点(z1)"}, {IDC_Z_END, "抛物线Z轴终点(z2)"}, {IDC_PARAM_A, "抛物线方程中（P）的值"},
          {IDC_PARAM_B, "抛物线方程中（a）的值"}, {IDC_PARAM_C, "抛物线方程中（b）的值"}},
         "方程：(X-a)*(X-a)=2*P*(Z-b)", "抛物线类型", true},
        {Make<CSineDlg>, IDD_SINE, "正弦线",
         {{IDC_Z_START, "正弦线Z轴起点(z1)"}, {IDC_Z_END, "正弦线Z轴终点(z2)"}, {IDC_PARAM_A, "正弦线值(a)"},
          {IDC_PARAM_B, "正弦线值(b)"}, {IDC_PARAM_C, "正弦线值(c)"}, {IDC_PARAM_D, "正弦线值(d)"}},
         "方程：(x-d)=a*sin(b*(z-c))", nullptr, false},
        {Make<CCosineDlg>, IDD_COSINE, "余弦线",
         {{IDC_Z_START, "余弦线Z轴起点(z1)"}, {IDC_Z_END, "余弦线Z轴终点(z2)"}, {IDC_PARAM_A, "余弦线值(a)"},
          {IDC_PARAM_B, "余弦线值(b)"}, {IDC_PARAM_C, "余弦线值(c)"}, {IDC_PARAM_D, "余弦线值(d)"}},
         "方程：(x-d)=acos(b*(z-c))", nullptr, false},
        {Make<CTangentDlg>, IDD_TANGENT, "正切线",
         {{IDC_Z_START, "正切线Z轴起点(z1)"}, {IDC_Z_END, "正切线Z轴终点(z2)"}, {IDC_PARAM_A, "正切线值(a)"},
          {IDC_PARAM_B, "正切线值(b)"}, {IDC_PARAM_C, "正切线值(c)"}, {IDC_PARAM_D, "正切线值(d)"}},
         "方程：(x-d)=a*tan(b*(z-c))", nullptr, false},
        {Make<CCotangentDlg>, IDD_COTANGENT, "余切线",
         {{IDC_Z_START, "余切线Z轴起点(z1)"}, {IDC_Z_END, "余切线Z轴终点(z2)"}, {IDC_PARAM_A, "余切线值(a)"},
          {IDC_PARAM_B, "余切线值(b)"}, {IDC_PARAM_C, "余切线值(c)"}, {IDC_PARAM_D, "余切线值(d)"}},
         "方程：(x-d)=a*ctg(b*(z-c))", nullptr, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption);
        const std::unique_ptr<CDialog> dialog = row.make();
        EXPECT_EQ(dialog->TemplateId(), row.templateId);
        EXPECT_EQ(dialog->windowTitle().toStdString(), row.caption);
        const platform::DialogTemplate& tmpl = dialog->Template();
        for (const platform::ControlTemplate& c : tmpl.controls) {
            EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.cx <= tmpl.cx && c.y + c.cy <= tmpl.cy) << c.text;
        }
        for (const Entry& label : row.labels)
            EXPECT_EQ(LabelOf(*dialog, label.id), label.text) << "edit " << label.id;
        EXPECT_EQ(dialog->GetDlgItem(IDC_PARAM_D) != nullptr, row.labels.size() == 6);
        EXPECT_TRUE(HasText(*dialog, platform::ControlKind::Text, row.equation));
        EXPECT_EQ(dialog->GetDlgItemText(IDOK), "确定");
        EXPECT_EQ(dialog->GetDlgItemText(IDCANCEL), "取消");
        EXPECT_EQ(dialog->GetDlgItem(IDC_HOW_TO_INPUT) != nullptr, row.howToInput);
        if (row.howToInput) {
            EXPECT_EQ(dialog->GetDlgItemText(IDC_HOW_TO_INPUT), "如何输入");
        }
        EXPECT_EQ(dialog->RadioGroup(IDC_RADIO_FIRST).size(), row.group ? 2u : 0u);
        if (row.group) {
            EXPECT_TRUE(HasText(*dialog, platform::ControlKind::GroupBox, row.group));
            EXPECT_EQ(dialog->GetDlgItemText(IDC_RADIO_FIRST), "顺时针");
            EXPECT_EQ(dialog->GetDlgItemText(IDC_RADIO_SECOND), "逆时针");
        }
    }
}

TEST_F(CurveDialogs, RefusedAttemptLeavesTheMembersNegated)
{
    CEllipseDlg dialog;
    Run(dialog, [](CDialog& d) {
        Type(d, {{IDC_Z_START, "-2"}, {IDC_Z_END, "-18"}, {IDC_PARAM_A, "1"}, {IDC_PARAM_C, "3"}, {IDC_PARAM_D, "4"}});
        Click(d, IDOK);
    });
    EXPECT_EQ(m_messages, std::vector<std::string>{"不能构成合理曲线"});
    EXPECT_EQ(dialog.m_fZStart, 2);
    EXPECT_EQ(dialog.m_fZEnd, 18);
    EXPECT_EQ(dialog.m_fC, -3);
    EXPECT_EQ(dialog.m_fD, 4);
    EXPECT_EQ(g_fZStart, 2);
    EXPECT_EQ(g_fZEnd, 18);
}

TEST_F(CurveDialogs, CancelChangesNothing)
{
    CEllipseDlg dialog;
    const int result = Run(dialog, [](CDialog& d) {
        Type(d, kEllipseTyped);
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(g_strFormulaX, kEarlierX);
    EXPECT_EQ(g_fZEnd, 0);
}

TEST_F(CurveDialogs, HowToInputOpensTheCurvesNotesAndKeepsTheTypedValues)
{
    struct Row {
        const char* name;
        MakeDialog make;
        int notes;
    };
    const Row rows[] = {
        {"ellipse", Make<CEllipseDlg>, IDD_ELLIPSE_NOTES},
        {"hyperbola X", Make<CHyperbolaXDlg>, IDD_HYPERBOLA_NOTES},
        {"hyperbola Z", Make<CHyperbolaZDlg>, IDD_HYPERBOLA_NOTES},
        {"parabola X", Make<CParabolaXDlg>, IDD_PARABOLA_NOTES},
        {"parabola Z", Make<CParabolaZDlg>, IDD_PARABOLA_NOTES},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Restart();
        const std::unique_ptr<CDialog> dialog = row.make();
        const int result = Run(*dialog, [](CDialog& d) {
            Type(d, {{IDC_Z_START, "-7"}, {IDC_PARAM_A, "2.5"}});
            Click(d, IDC_HOW_TO_INPUT);
            EXPECT_EQ(d.GetDlgItemText(IDC_Z_START), "-7");
            EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_A), "2.5");
        });
        EXPECT_EQ(result, kStillOpen);
        EXPECT_EQ(m_opened, (std::vector<int>{dialog->TemplateId(), row.notes}));
        EXPECT_EQ(g_strFormulaX, kEarlierX);
    }
}

TEST_F(CurveDialogs, AcceptedCurveIsMeasuredByThePreview)
{
    QWidget window;
    window.resize(800, 640);
    CCurvePreviewDlg preview(&window);
    preview.setGeometry(0, 0, 787, 631);
    window.show();
    g_pPreviewDlg = &preview;
    g_fCurveXStart = 0;

    CEllipseDlg dialog;
    Run(dialog, [](CDialog& d) {
        Type(d, kEllipseTyped);
        Click(d, IDOK);
    });
    RunEventsUntil([] { return g_fCurveXStart == 23; });
    g_pPreviewDlg = nullptr;
    EXPECT_FLOAT_EQ(g_fCurveXStart, 23);
}

// The order in which each dialog reads its controls, seen through a refused field:
// the controls before it have given their members the typed values, it and those
// after have kept theirs, and the focus is on it with its text selected.
TEST_F(CurveDialogs, ARefusedFieldStopsTheExchangeInTheDialogsOrder)
{
    struct Row {
        const char* name;
        MakeDialog make;
        std::vector<int> order;  // the controls in the order of the exchange
    };
    const std::vector<int> fourParameters{IDC_Z_START, IDC_Z_END, IDC_PARAM_A, IDC_PARAM_B, IDC_PARAM_C, IDC_PARAM_D};
    std::vector<int> directionLast = fourParameters;
    directionLast.push_back(IDC_RADIO_FIRST);
    std::vector<int> directionFirst{IDC_RADIO_FIRST};
    directionFirst.insert(directionFirst.end(), fourParameters.begin(), fourParameters.end());
    const Row rows[] = {
        {"ellipse", Make<CEllipseDlg>, directionLast},
        {"hyperbola X", Make<CHyperbolaXDlg>, directionFirst},
        {"hyperbola Z", Make<CHyperbolaZDlg>, directionLast},
        {"parabola X", Make<CParabolaXDlg>, {IDC_Z_START, IDC_Z_END, IDC_PARAM_A, IDC_PARAM_B, IDC_PARAM_C}},
        {"parabola Z", Make<CParabolaZDlg>,
         {IDC_Z_START, IDC_Z_END, IDC_PARAM_A, IDC_PARAM_B, IDC_RADIO_FIRST, IDC_PARAM_C}},
        {"sine", Make<CSineDlg>, fourParameters},
        {"cosine", Make<CCosineDlg>, fourParameters},
        {"tangent", Make<CTangentDlg>, fourParameters},
        {"cotangent", Make<CCotangentDlg>, fourParameters},
    };
    constexpr const char* kRefused = "x";
    // What the user types into the control at `index` of the order.
    const auto typedAt = [](std::size_t index) { return std::to_string(index + 1); };
    for (const Row& row : rows) {
        for (std::size_t refused = 0; refused < row.order.size(); ++refused) {
            if (row.order[refused] == IDC_RADIO_FIRST)
                continue;
            SCOPED_TRACE(std::string(row.name) + ", refused control " + std::to_string(row.order[refused]));
            Restart();
            const std::unique_ptr<CDialog> dialog = row.make();
            Run(*dialog, [&](CDialog& d) {
                for (std::size_t i = 0; i < row.order.size(); ++i) {
                    if (row.order[i] == IDC_RADIO_FIRST)
                        Click(d, IDC_RADIO_SECOND);
                    else
                        d.SetDlgItemText(row.order[i], i == refused ? kRefused : typedAt(i));
                }
                Click(d, IDOK);
                auto* edit = static_cast<QLineEdit*>(d.GetDlgItem(row.order[refused]));
                EXPECT_EQ(d.focusWidget(), edit);
                EXPECT_EQ(edit->selectedText().toStdString(), kRefused);
                d.UpdateData(false);  // shows what the members hold
            });
            EXPECT_EQ(m_messages, std::vector<std::string>{kPrompt});
            for (std::size_t i = 0; i < row.order.size(); ++i) {
                const bool read = i < refused;
                if (row.order[i] == IDC_RADIO_FIRST)
                    EXPECT_EQ(dialog->IsDlgButtonChecked(IDC_RADIO_SECOND), read) << "the direction";
                else
                    EXPECT_EQ(dialog->GetDlgItemText(row.order[i]), read ? typedAt(i) : "0")
                        << "control " << row.order[i];
            }
        }
    }
}

} // namespace
