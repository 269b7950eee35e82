// The dialogs under the keyboard alone, as a new user meets them: which control has
// the focus at opening, where Tab goes, and the worked ellipse typed field by field.
#include "curves/logic/CurveState.h"
#include "curves/tuoyuan.h"
#include "generator/TempWorkDir.h"
#include "generator/shengchengdaima.h"
#include "generator/shukongxitongshezhi.h"
#include "platform/CDialog.h"
#include "platform/MessageBox.h"
#include "res/resource.h"
#include "support/Keyboard.h"
#include "support/ResetCurveState.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using platform::CDialog;

// The id of the control that has the focus, 0 for none of the dialog's.
int FocusedId(const CDialog& dialog)
{
    for (const platform::ControlTemplate& control : dialog.Template().controls) {
        if (control.id != IDC_STATIC && dialog.GetDlgItem(control.id) == QApplication::focusWidget())
            return control.id;
    }
    return 0;
}

class DialogKeyboard : public TempWorkDir {
protected:
    void SetUp() override
    {
        TempWorkDir::SetUp();
        WriteFile("数控系统/保存选择数控系统删除将不能保存选择.txt", "1\r\n");
        m_oldSink = platform::SetMessageSink([this](QWidget*, const std::string& text) { m_messages.push_back(text); });
    }
    void TearDown() override
    {
        platform::SetModalHook(m_oldModal);
        platform::SetMessageSink(m_oldSink);
        ResetCurveState();
        TempWorkDir::TearDown();
    }

    // Runs `dialog` modally, shown and active, with `user` at the keyboard inside its loop.
    void Run(CDialog& dialog, const std::function<void(CDialog&)>& user)
    {
        m_oldModal = platform::SetModalHook([&user](CDialog& shown) {
            EXPECT_TRUE(ShowActive(shown));
            user(shown);
            return IDCANCEL;
        });
        dialog.DoModal();
    }

    std::vector<std::string> m_messages;

private:
    platform::ModalHook m_oldModal;
    platform::MessageSink m_oldSink;
};

} // namespace

TEST_F(DialogKeyboard, TabVisitsTheTemplatesTabStopsInOrder)
{
    struct Row {
        const char* what;
        std::function<std::unique_ptr<CDialog>()> make;
        std::vector<int> focusAtOpeningThenByTab;  // the last entry is the first again
    };
    const Row rows[] = {
        {"ellipse (174)", [] { return std::make_unique<CEllipseDlg>(); },
         {IDC_Z_START, IDC_Z_END, IDC_PARAM_A, IDC_PARAM_B, IDC_PARAM_C, IDC_PARAM_D, IDC_RADIO_FIRST,
          IDC_HOW_TO_INPUT, IDOK, IDCANCEL, IDC_Z_START}},
        {"generator (179), its radios without tab stop", [] { return std::make_unique<CMacroProgramDlg>(); },
         {IDOK, IDCANCEL, IDC_BLANK_DIA, IDC_FEED, IDC_ROUGH_STEP, IDC_FINISH_STEP, IDC_RETRACT_X,
          IDC_ALLOWANCE_X, IDOK}},
        {"CNC system (181), only its push buttons", [] { return std::make_unique<CCncSystemDlg>(); },
         {IDOK, IDCANCEL, IDC_SAVE_SELECTION, IDOK}},
    };
    for (const Row& row : rows) {
        std::unique_ptr<CDialog> dialog = row.make();
        std::vector<int> forward;
        std::vector<int> backward;
        Run(*dialog, [&](CDialog& d) {
            forward.push_back(FocusedId(d));
            for (std::size_t i = 1; i < row.focusAtOpeningThenByTab.size(); ++i) {
                PressKeyOnFocus(Qt::Key_Tab);
                forward.push_back(FocusedId(d));
            }
            for (std::size_t i = 1; i < row.focusAtOpeningThenByTab.size(); ++i) {
                PressKeyOnFocus(Qt::Key_Tab, Qt::ShiftModifier);
                backward.insert(backward.begin(), FocusedId(d));
            }
        });
        EXPECT_EQ(forward, row.focusAtOpeningThenByTab) << row.what;
        backward.push_back(forward.back());
        EXPECT_EQ(backward, row.focusAtOpeningThenByTab) << row.what << " backwards with Shift+Tab";
    }
}

TEST_F(DialogKeyboard, WorkedEllipseTypedFieldByFieldGivesTheWorkedCurve)
{
    CEllipseDlg ellipse;
    Run(ellipse, [](CDialog&) {
        for (const char* field : {"-2", "-18", "10", "5", "-10"}) {
            TypeOnFocus(field);
            PressKeyOnFocus(Qt::Key_Tab);
        }
        TypeOnFocus("20");
        PressKeyOnFocus(Qt::Key_Return);
    });
    EXPECT_TRUE(m_messages.empty());
    EXPECT_TRUE(ellipse.IsEnded());
    EXPECT_EQ(g_fZStart, 2.0f);
    EXPECT_EQ(g_fZEnd, 18.0f);
    EXPECT_EQ(g_strFormulaX, "sqrt((1-((x-10)*(x-10)/(10*10)))*5*5)+20");
    EXPECT_FLOAT_EQ(g_fPreviewScale, 200.0f / 46.0f);
}

TEST_F(DialogKeyboard, RefusedEllipseFieldTakesTheFocusWithItsTextSelected)
{
    CEllipseDlg ellipse;
    QString selected;
    int focused = 0;
    Run(ellipse, [&](CDialog& d) {
        TypeOnFocus("-2");
        PressKeyOnFocus(Qt::Key_Tab);
        TypeOnFocus("-1 8");
        PressKeyOnFocus(Qt::Key_Return);
        focused = FocusedId(d);
        selected = static_cast<QLineEdit*>(d.GetDlgItem(IDC_Z_END))->selectedText();
    });
    ASSERT_FALSE(m_messages.empty());
    EXPECT_EQ(m_messages.front(), "请键入一个数。");
    EXPECT_NE(ellipse.Result(), IDOK) << "the dialog stayed open";
    EXPECT_EQ(focused, IDC_Z_END);
    EXPECT_EQ(selected, "-1 8");
}

TEST_F(DialogKeyboard, GeneratorTwoTabsFromOkReachTheBlankDiameter)
{
    CMacroProgramDlg generator;
    Run(generator, [](CDialog&) {
        PressKeyOnFocus(Qt::Key_Tab);
        PressKeyOnFocus(Qt::Key_Tab);
        TypeOnFocus("60");
        PressKeyOnFocus(Qt::Key_Tab);
        TypeOnFocus("1.5");
    });
    EXPECT_EQ(generator.GetDlgItemText(IDC_BLANK_DIA), "60");
    EXPECT_EQ(generator.GetDlgItemText(IDC_FEED), "1.5");
}

TEST_F(DialogKeyboard, ArrowsCheckTheNextRadioInTemplateOrder)
{
    CCncSystemDlg settings;
    std::vector<int> reached;
    Run(settings, [&](CDialog& d) {
        QTest::mouseClick(d.GetDlgItem(IDC_GUANGSHU), Qt::LeftButton);
        for (int key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) {
            PressKeyOnFocus(key);
            reached.push_back(FocusedId(d));
            EXPECT_TRUE(d.IsDlgButtonChecked(reached.back())) << key;
        }
        PressKeyOnFocus(Qt::Key_Return);
    });
    EXPECT_EQ(reached, (std::vector<int>{IDC_FANUC, IDC_SIEMENS, IDC_HUAZHONG, IDC_SIEMENS}));
    EXPECT_EQ(g_nCncSystem, CNC_SIEMENS);
}
