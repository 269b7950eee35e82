#include "app/AboutDlg.h"
#include "app/VORNADlg.h"
#include "curves/logic/CurveState.h"
#include "curves/shitu.h"
#include "picture/AnimatedPicture.h"
#include "platform/CDialog.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "res/resource.h"
#include "support/ResetCurveState.h"
#include "support/RunEvents.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using platform::CDialog;

void Click(const CDialog& dialog, int id)
{
    static_cast<QAbstractButton*>(dialog.GetDlgItem(id))->click();
}

void PressKey(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}


struct CurveStateSnapshot {
    std::string formulaX, formulaHash, formulaHashDeg, formulaR;
    int kind;
    float zStart, zEnd, xStart, xEnd, xMax, xMin, scale, originX, originY;
    int cnc;
    bool operator==(const CurveStateSnapshot&) const = default;

    static CurveStateSnapshot Take()
    {
        return {g_strFormulaX, g_strFormulaHash, g_strFormulaHashDeg, g_strFormulaR, g_nFormulaKind,
                g_fZStart,     g_fZEnd,          g_fCurveXStart,      g_fCurveXEnd,  g_fCurveXMax,
                g_fCurveXMin,  g_fPreviewScale,  g_fPreviewOriginX,   g_fPreviewOriginY, g_nCncSystem};
    }
};

// The main dialog shown without its modal loop. Every dialog it opens is
// recorded by its template id and then driven by the action set for that id
// (closed with Cancel by default); pages and messages are recorded too.
// The main dialog with its system menu handler in reach.
class SystemMenuProbe : public CVornaDlg {
public:
    using CVornaDlg::OnSysCommand;
};

class MainDialogTest : public ::testing::Test {
protected:
    using Action = std::function<int(CDialog&)>;

    void SetUp() override
    {
        m_oldModal = platform::SetModalHook([this](CDialog& dialog) {
            m_opened.push_back(dialog.TemplateId());
            const auto action = m_actions.find(dialog.TemplateId());
            return action == m_actions.end() ? IDCANCEL : action->second(dialog);
        });
        m_oldShell = platform::SetShellOpenHook([this](const std::string& target) {
            m_pages.push_back(target);
            return true;
        });
        m_oldSink = platform::SetMessageSink([this](QWidget*, const std::string& text) { m_messages.push_back(text); });
        m_oldExit = platform::SetExitProcessHook([](int) {});
        m_dialog = std::make_unique<SystemMenuProbe>();
        m_dialog->Create();
        RunEventsFor(std::chrono::milliseconds(30));
    }
    void TearDown() override
    {
        m_dialog.reset();
        platform::SetModalHook(m_oldModal);
        platform::SetShellOpenHook(m_oldShell);
        platform::SetMessageSink(m_oldSink);
        platform::SetExitProcessHook(m_oldExit);
        ResetCurveState();
    }

    std::unique_ptr<SystemMenuProbe> m_dialog;
    std::map<int, Action> m_actions;
    std::vector<int> m_opened;
    std::vector<std::string> m_pages;
    std::vector<std::string> m_messages;

private:
    platform::ModalHook m_oldModal;
    platform::ShellOpenHook m_oldShell;
    platform::MessageSink m_oldSink;
    platform::ExitProcessHook m_oldExit;
};

TEST_F(MainDialogTest, EscapeAndEnterDoNothing)
{
    for (int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        for (QWidget* target : {m_dialog->GetDlgItem(IDC_ELLIPSE), static_cast<QWidget*>(m_dialog.get())}) {
            target->setFocus();
            PressKey(target, key);
            EXPECT_FALSE(m_dialog->IsEnded()) << key;
            EXPECT_TRUE(m_dialog->isVisible()) << key;
        }
    }
    EXPECT_TRUE(m_opened.empty()) << "no button was pressed";
}

// The window's icon is set and the banner plays in its control, which nothing shows;
// TearDown then destroys the window while the banner's thread runs.
TEST_F(MainDialogTest, StartUpSetsTheIconAndStartsTheHiddenBanner)
{
    EXPECT_FALSE(m_dialog->windowIcon().isNull());
    auto* banner = dynamic_cast<picture::CAnimatedPicture*>(m_dialog->GetDlgItem(IDC_BANNER));
    ASSERT_NE(banner, nullptr);
    EXPECT_TRUE(banner->isHidden());
    EXPECT_EQ(banner->GetFrameTotal(), 40);
    EXPECT_EQ(banner->GetPictureSize(), QSize(500, 28));
    EXPECT_TRUE(RunEventsUntil([banner] { return banner->IsAnimating(); }, std::chrono::milliseconds(2000)));
}

TEST_F(MainDialogTest, CloseBoxEndsTheRun)
{
    m_dialog->close();
    EXPECT_TRUE(m_dialog->IsEnded());
}

TEST_F(MainDialogTest, ButtonsOpenTheirDialogs)
{
    struct Row {
        int button;
        int dialog;
    };
    const Row rows[] = {
        {IDC_ELLIPSE, IDD_ELLIPSE},         {IDC_HYPERBOLA_Z, IDD_HYPERBOLA_Z},
        {IDC_HYPERBOLA_X, IDD_HYPERBOLA_X}, {IDC_PARABOLA_Z, IDD_PARABOLA_Z},
        {IDC_PARABOLA_X, IDD_PARABOLA_X},   {IDC_SINE, IDD_SINE},
        {IDC_COSINE, IDD_COSINE},           {IDC_TANGENT, IDD_TANGENT},
        {IDC_COTANGENT, IDD_COTANGENT},     {IDC_CNC_SYSTEM, IDD_CNC_SYSTEM},
        {IDC_ABOUT, IDD_ABOUTBOX},
    };
    for (const Row& row : rows) {
        m_opened.clear();
        Click(*m_dialog, row.button);
        EXPECT_EQ(m_opened, std::vector<int>{row.dialog}) << row.button;
    }
}

// The system menu's About entry runs the About box; the system's own commands (here
// close) are left to the system.
TEST_F(MainDialogTest, SystemMenuAboutEntryRunsTheAboutBox)
{
    EXPECT_TRUE(m_dialog->OnSysCommand(IDM_ABOUTBOX));
    EXPECT_EQ(m_opened, std::vector<int>{IDD_ABOUTBOX});
    m_opened.clear();
    constexpr unsigned kClose = 0xF060;
    EXPECT_FALSE(m_dialog->OnSysCommand(kClose));
    EXPECT_TRUE(m_opened.empty());
    EXPECT_FALSE(m_dialog->IsEnded());
}

TEST_F(MainDialogTest, GenerateShowsTheCheckThenTheGeneratorHoweverTheCheckCloses)
{
    struct Row {
        const char* what;
        Action close;
    };
    const Row rows[] = {
        {"OK button", [](CDialog& d) { Click(d, IDOK); return 0; }},
        {"Escape", [](CDialog& d) { PressKey(&d, Qt::Key_Escape); return 0; }},
        {"close box", [](CDialog& d) { d.close(); return 0; }},
    };
    for (const Row& row : rows) {
        m_opened.clear();
        m_actions[IDD_CURVE_CHECK] = [&row](CDialog& d) {
            row.close(d);
            EXPECT_TRUE(d.IsEnded()) << row.what;
            return IDCANCEL;
        };
        Click(*m_dialog, IDC_GENERATE);
        EXPECT_EQ(m_opened, (std::vector<int>{IDD_CURVE_CHECK, IDD_MACRO_PROGRAM})) << row.what;
    }
}

TEST_F(MainDialogTest, WebButtonsOpenTheirPages)
{
    struct Row {
        int button;
        const char* page;
    };
    const Row rows[] = {
        {IDC_VIDEOS, "https://www.vorna.cn"},
        {IDC_FORUM, "https://www.vorna.cn/bbs"},
    };
    for (const Row& row : rows) {
        m_pages.clear();
        Click(*m_dialog, row.button);
        EXPECT_EQ(m_pages, std::vector<std::string>{row.page});
    }
    EXPECT_TRUE(m_opened.empty());
}

TEST_F(MainDialogTest, AboutBoxLearnMoreOpensTheHomePageAndOkCloses)
{
    m_actions[IDD_ABOUTBOX] = [this](CDialog& about) {
        Click(about, IDC_LEARN_MORE);
        EXPECT_EQ(m_pages, std::vector<std::string>{"https://www.vorna.cn/"});
        EXPECT_FALSE(about.IsEnded()) << "the box stays open";
        Click(about, IDOK);
        EXPECT_TRUE(about.IsEnded());
        return 0;
    };
    Click(*m_dialog, IDC_ABOUT);
    EXPECT_EQ(m_opened, std::vector<int>{IDD_ABOUTBOX});
}

// The worked example typed into the ellipse dialog: z1 -2, z2 -18, a 10, b 5, c -10, d 20.
int TypeWorkedEllipse(CDialog& ellipse, int closingButton)
{
    const std::pair<int, const char*> fields[] = {
        {IDC_Z_START, "-2"}, {IDC_Z_END, "-18"}, {IDC_PARAM_A, "10"},
        {IDC_PARAM_B, "5"},  {IDC_PARAM_C, "-10"}, {IDC_PARAM_D, "20"},
    };
    for (const auto& [id, text] : fields)
        static_cast<QLineEdit*>(ellipse.GetDlgItem(id))->setText(QString::fromUtf8(text));
    Click(ellipse, closingButton);
    return 0;
}

TEST_F(MainDialogTest, CancelledCurveDialogChangesNothing)
{
    RunEventsFor(std::chrono::milliseconds(50));
    const CurveStateSnapshot before = CurveStateSnapshot::Take();
    m_actions[IDD_ELLIPSE] = [](CDialog& d) { return TypeWorkedEllipse(d, IDCANCEL); };
    Click(*m_dialog, IDC_ELLIPSE);
    RunEventsFor(std::chrono::milliseconds(50));
    EXPECT_TRUE(CurveStateSnapshot::Take() == before);
}

TEST_F(MainDialogTest, ConfirmedEllipseIsDrawnAndMeasured)
{
    m_actions[IDD_ELLIPSE] = [](CDialog& d) { return TypeWorkedEllipse(d, IDOK); };
    Click(*m_dialog, IDC_ELLIPSE);
    ASSERT_TRUE(RunEventsUntil([] { return g_fCurveXStart == 23; }, std::chrono::milliseconds(2000))) << "the preview paints again";
    EXPECT_FLOAT_EQ(g_fCurveXEnd, 23);
    EXPECT_NEAR(g_fCurveXMax, 25, 1e-4);
    EXPECT_FLOAT_EQ(g_fCurveXMin, 23);
    EXPECT_TRUE(m_messages.empty());
}

// A Z range stored by a refused curve, then Cancel: the preview paints as the dialog
// uncovers it, so the radii measured are those of the formula over the range now held.
TEST_F(MainDialogTest, PreviewMeasuresAgainWhenADialogCloses)
{
    g_fCurveXStart = 0;
    m_actions[IDD_ELLIPSE] = [](CDialog& d) { return TypeWorkedEllipse(d, IDOK); };
    Click(*m_dialog, IDC_ELLIPSE);
    EXPECT_FLOAT_EQ(g_fCurveXStart, 23) << "measured before any event runs";

    // z1 -1, z2 -19 pass the range checks and are stored; a = 0 then refuses the curve.
    m_actions[IDD_ELLIPSE] = [](CDialog& d) {
        const std::pair<int, const char*> fields[] = {{IDC_Z_START, "-1"}, {IDC_Z_END, "-19"}, {IDC_PARAM_A, "0"}};
        for (const auto& [id, text] : fields)
            static_cast<QLineEdit*>(d.GetDlgItem(id))->setText(QString::fromUtf8(text));
        Click(d, IDOK);
        Click(d, IDCANCEL);
        return 0;
    };
    Click(*m_dialog, IDC_ELLIPSE);
    EXPECT_EQ(m_messages, std::vector<std::string>{"不能构成合理曲线"});
    EXPECT_EQ(g_fZStart, 1.0f);
    EXPECT_EQ(g_fZEnd, 19.0f);
    // The worked ellipse at depths 1 and 19: 20 + 5·sqrt(1 - 81/100).
    EXPECT_NEAR(g_fCurveXStart, 22.17945f, 1e-4);
    EXPECT_NEAR(g_fCurveXEnd, 22.17945f, 1e-4);
    EXPECT_NEAR(g_fCurveXMin, 22.17945f, 1e-4);
}

TEST_F(MainDialogTest, PreviewLaidOverThePlaceholderThenFromTheLeftEdgeAfterAResize)
{
    ASSERT_NE(g_pPreviewDlg, nullptr);
    EXPECT_EQ(g_pPreviewDlg->parentWidget(), m_dialog.get());
    EXPECT_TRUE(g_pPreviewDlg->isVisible());
    EXPECT_EQ(g_pPreviewDlg->geometry(), m_dialog->MapRect(94, 0, 525, 421));
    for (const QSize size : {QSize(1000, 700), QSize(640, 480)}) {
        m_dialog->resize(size);
        RunEventsUntil([&] { return m_dialog->size() == size; }, std::chrono::milliseconds(1000));
        EXPECT_EQ(g_pPreviewDlg->geometry(), QRect(QPoint(150, 0), size));
    }
}

TEST_F(MainDialogTest, MinimiseAndRestoreCountAsASizeChange)
{
    const QRect placeholder = g_pPreviewDlg->geometry();
    m_dialog->showMinimized();
    m_dialog->showNormal();
    EXPECT_NE(g_pPreviewDlg->geometry(), placeholder);
    EXPECT_EQ(g_pPreviewDlg->geometry(), QRect(QPoint(150, 0), m_dialog->size()));
}

} // namespace
