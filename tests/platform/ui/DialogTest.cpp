// The dialog base: dialog units, data exchange order, keys and the modal hook.
#include "platform/CDialog.h"
#include "platform/DataExchange.h"
#include "platform/MessageBox.h"
#include "support/Keyboard.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QApplication>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;

namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, "确定", 10, 80, 40, 14, CS_TABSTOP},
    {2, ControlKind::PushButton, "取消", 60, 80, 40, 14, CS_TABSTOP},
    {10, ControlKind::Edit, "", 10, 10, 40, 14, CS_TABSTOP},
    {11, ControlKind::Edit, "", 10, 30, 40, 14, CS_TABSTOP},
    {12, ControlKind::Edit, "", 10, 50, 40, 14, CS_TABSTOP},
    {20, ControlKind::AutoRadio, "A", 60, 10, 30, 10, CS_GROUP | CS_TABSTOP},
    {21, ControlKind::AutoRadio, "B", 60, 20, 30, 10},
    {22, ControlKind::AutoRadio, "C", 60, 30, 30, 10},
    {-1, ControlKind::GroupBox, "group", 55, 5, 40, 40, CS_GROUP},
    {30, ControlKind::PushButton, "other", 60, 50, 40, 14, CS_TABSTOP},
};
constexpr DialogTemplate kTemplate{900, "test", 120, 100, "宋体", 9,
                                   DS_POPUP | DS_CAPTION | DS_SYSMENU | DS_MODALFRAME, kControls};

class TestDialog : public CDialog {
public:
    TestDialog() : CDialog(kTemplate) { OnClicked(30, [this] { ++otherClicks; }); }

    float first = 0, second = 0, third = 0;
    int choice = 0;
    int otherClicks = 0;
    int cancels = 0;
    bool consumeKeys = false;

    using CDialog::OnOK;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, 10, first);
        DDX_Text(pDX, 11, second);
        DDX_Text(pDX, 12, third);
        DDX_Radio(pDX, 20, choice);
    }
    void OnCancel() override
    {
        ++cancels;
        CDialog::OnCancel();
    }
    bool PreTranslateKey(QKeyEvent*) override { return consumeKeys; }
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = SetMessageSink([this](QWidget*, const std::string& text) { messages.push_back(text); });
    }
    void TearDown() override { SetMessageSink(previous); }

    void Type(int id, const char* text) { dialog.SetDlgItemText(id, text); }
    void Press(int key)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(dialog.focusWidget() ? dialog.focusWidget() : &dialog, &press);
    }

    MessageSink previous;
    std::vector<std::string> messages;
    TestDialog dialog;
};

} // namespace

TEST(DialogUnits, MapsAsTheDialogManager)
{
    // 9-point SimSun at 96 dpi: 52 letters 312 pixels wide, 12 high, so 6 × 12.
    const DialogBaseUnits units = BaseUnitsFromMetrics(312, 12);
    EXPECT_EQ(units.cxChar, 6);
    EXPECT_EQ(units.cyChar, 12);
    EXPECT_EQ(MapDialogRect(units, 0, 0, 620, 421), QRect(0, 0, 930, 632));
    EXPECT_EQ(MapDialogRect(units, 17, 114, 60, 20), QRect(26, 171, 90, 30));
    // (width / 26 + 1) / 2: 299 pixels of letters round to 6, 286 to 6, 285 to 5.
    EXPECT_EQ(BaseUnitsFromMetrics(299, 12).cxChar, 6);
    EXPECT_EQ(BaseUnitsFromMetrics(286, 12).cxChar, 6);
    EXPECT_EQ(BaseUnitsFromMetrics(285, 12).cxChar, 5);
}

TEST_F(DialogTest, ShowsMembersWhenInitialised)
{
    dialog.first = 1.5f;
    dialog.third = 1e-5f;
    dialog.choice = 2;
    dialog.Create();
    EXPECT_EQ(dialog.GetDlgItemText(10), "1.5");
    EXPECT_EQ(dialog.GetDlgItemText(11), "0");
    EXPECT_EQ(dialog.GetDlgItemText(12), "1e-005");
    EXPECT_FALSE(dialog.IsDlgButtonChecked(20));
    EXPECT_TRUE(dialog.IsDlgButtonChecked(22));
}

TEST_F(DialogTest, RefusedFieldEndsTheExchangeThere)
{
    dialog.Create();
    dialog.first = dialog.second = dialog.third = 7;
    dialog.choice = 1;
    Type(10, " 2.5\t");
    Type(11, "-0");
    Type(12, "3");
    dialog.CheckDlgButton(20, true);

    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.first, 2.5f);   // read before the refused field
    EXPECT_EQ(dialog.second, 7.0f);  // the refused field and those after it keep theirs
    EXPECT_EQ(dialog.third, 7.0f);
    EXPECT_EQ(dialog.choice, 1);
    EXPECT_EQ(messages, std::vector<std::string>{"请键入一个数。"});
    EXPECT_EQ(dialog.focusWidget(), dialog.GetDlgItem(11));

    Type(11, "0");
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.second, 0.0f);
    EXPECT_EQ(dialog.third, 3.0f);
    EXPECT_EQ(dialog.choice, 0);
}

TEST_F(DialogTest, RadioGroupEndsAtTheNextGroup)
{
    EXPECT_EQ(dialog.RadioGroup(20), (std::vector<int>{20, 21, 22}));
    dialog.Create();
    for (int id : {20, 21, 22})
        dialog.CheckDlgButton(id, false);
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.choice, -1);
    dialog.CheckDlgButton(21, true);
    dialog.UpdateData(true);
    EXPECT_EQ(dialog.choice, 1);
}

TEST_F(DialogTest, OkClosesOnlyAfterAGoodRead)
{
    dialog.Create();
    Type(10, "abc");
    static_cast<QPushButton*>(dialog.GetDlgItem(1))->click();
    EXPECT_FALSE(dialog.IsEnded());
    Type(10, "1");
    static_cast<QPushButton*>(dialog.GetDlgItem(1))->click();
    EXPECT_TRUE(dialog.IsEnded());
    EXPECT_EQ(dialog.Result(), 1);
}

TEST_F(DialogTest, KeysGoToCancelTheFocusedButtonOrTheDefault)
{
    dialog.Create();
    dialog.GetDlgItem(30)->setFocus();
    Press(Qt::Key_Return);
    EXPECT_EQ(dialog.otherClicks, 1);
    EXPECT_FALSE(dialog.IsEnded());

    dialog.GetDlgItem(10)->setFocus();
    Press(Qt::Key_Enter);
    EXPECT_TRUE(dialog.IsEnded());
    EXPECT_EQ(dialog.Result(), 1);

    dialog.Create();
    dialog.GetDlgItem(10)->setFocus();
    Press(Qt::Key_Escape);
    EXPECT_EQ(dialog.cancels, 1);
    EXPECT_EQ(dialog.Result(), 2);
}

TEST_F(DialogTest, PreTranslateKeyConsumesKeys)
{
    dialog.Create();
    dialog.consumeKeys = true;
    dialog.GetDlgItem(10)->setFocus();
    Press(Qt::Key_Escape);
    Press(Qt::Key_Return);
    EXPECT_EQ(dialog.cancels, 0);
    EXPECT_FALSE(dialog.IsEnded());
}

TEST_F(DialogTest, ModalHookRunsInsteadOfTheLoop)
{
    std::vector<int> opened;
    ModalHook old = SetModalHook([&](CDialog& d) {
        opened.push_back(d.TemplateId());
        d.SetDlgItemText(10, "4");
        static_cast<QPushButton*>(d.GetDlgItem(1))->click();
        return 99;
    });
    EXPECT_EQ(dialog.DoModal(), 1);
    EXPECT_EQ(dialog.first, 4.0f);
    EXPECT_EQ(opened, std::vector<int>{900});

    SetModalHook([](CDialog&) { return 42; });
    TestDialog untouched;
    EXPECT_EQ(untouched.DoModal(), 42);
    SetModalHook(old);
}

namespace {

int FocusedId(const CDialog& dialog)
{
    for (int id : {1, 2, 10, 11, 12, 20, 21, 22, 30}) {
        if (dialog.GetDlgItem(id) == QApplication::focusWidget())
            return id;
    }
    return 0;
}

QString Selected(const CDialog& dialog, int id)
{
    return static_cast<QLineEdit*>(dialog.GetDlgItem(id))->selectedText();
}

// The dialog shown and active, as its modal loop would have it, for keys to reach.
class KeyboardDialogTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        dialog.first = 1;
        dialog.second = 2.5f;
        dialog.third = 3;
        dialog.choice = 1;
        dialog.Create();
        ASSERT_TRUE(ShowActive(dialog));
    }
};

} // namespace

TEST_F(KeyboardDialogTest, TabAndShiftTabVisitTheTabStopsInTemplateOrder)
{
    EXPECT_EQ(FocusedId(dialog), 1) << "the first tab stop has the focus at opening";
    // The radio group is entered at its checked radio; 21 and 22 have no tab stop.
    const std::vector<int> forward{2, 10, 11, 12, 21, 30, 1, 2};
    std::vector<int> visited;
    for (std::size_t i = 0; i < forward.size(); ++i) {
        PressKeyOnFocus(Qt::Key_Tab);
        visited.push_back(FocusedId(dialog));
    }
    EXPECT_EQ(visited, forward);
    visited.clear();
    for (std::size_t i = 0; i < forward.size(); ++i) {
        PressKeyOnFocus(Qt::Key_Tab, Qt::ShiftModifier);
        visited.push_back(FocusedId(dialog));
    }
    EXPECT_EQ(visited, (std::vector<int>{1, 30, 21, 12, 11, 10, 2, 1}));
}

TEST_F(KeyboardDialogTest, KeyboardFocusSelectsAnEditsTextAndAClickDoesNot)
{
    PressKeyOnFocus(Qt::Key_Tab);
    PressKeyOnFocus(Qt::Key_Tab);
    EXPECT_EQ(Selected(dialog, 10), "1") << "Tab";
    TypeOnFocus("7");
    PressKeyOnFocus(Qt::Key_Tab);
    EXPECT_EQ(Selected(dialog, 11), "2.5") << "Tab";
    PressKeyOnFocus(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Selected(dialog, 10), "7") << "Shift+Tab";

    auto* third = static_cast<QLineEdit*>(dialog.GetDlgItem(12));
    QTest::mouseClick(third, Qt::LeftButton, Qt::NoModifier, QPoint(2, third->height() / 2));
    EXPECT_EQ(QApplication::focusWidget(), third);
    EXPECT_EQ(third->selectedText(), "");
    EXPECT_EQ(third->cursorPosition(), 0) << "the click places the cursor";
}

TEST_F(KeyboardDialogTest, RefusedFieldGetsTheFocusWithItsTextSelected)
{
    PressKeyOnFocus(Qt::Key_Tab);
    PressKeyOnFocus(Qt::Key_Tab);
    TypeOnFocus("4");
    PressKeyOnFocus(Qt::Key_Tab);
    TypeOnFocus("1,5");
    PressKeyOnFocus(Qt::Key_Tab);
    PressKeyOnFocus(Qt::Key_Return);
    EXPECT_EQ(messages, std::vector<std::string>{"请键入一个数。"});
    EXPECT_FALSE(dialog.IsEnded());
    EXPECT_EQ(FocusedId(dialog), 11);
    EXPECT_EQ(Selected(dialog, 11), "1,5");

    TypeOnFocus("1.5");  // replaces the refused text
    PressKeyOnFocus(Qt::Key_Return);
    EXPECT_TRUE(dialog.IsEnded());
    EXPECT_EQ(dialog.first, 4.0f);
    EXPECT_EQ(dialog.second, 1.5f);
}

TEST_F(KeyboardDialogTest, ArrowsMoveWithinTheRadioGroupAndCheckTheRadioReached)
{
    dialog.GetDlgItem(21)->setFocus(Qt::MouseFocusReason);
    struct Row {
        int key;
        int reached;
    };
    const Row rows[] = {{Qt::Key_Down, 22}, {Qt::Key_Right, 20}, {Qt::Key_Up, 22}, {Qt::Key_Left, 21}};
    for (const Row& row : rows) {
        PressKeyOnFocus(row.key);
        EXPECT_EQ(FocusedId(dialog), row.reached) << row.key;
        for (int id : {20, 21, 22})
            EXPECT_EQ(dialog.IsDlgButtonChecked(id), id == row.reached) << row.key << " radio " << id;
    }
}

TEST_F(KeyboardDialogTest, TheDefaultLookFollowsTheFocusedButton)
{
    const auto isDefault = [this](int id) { return static_cast<QPushButton*>(dialog.GetDlgItem(id))->isDefault(); };
    PressKeyOnFocus(Qt::Key_Tab);
    EXPECT_TRUE(isDefault(2));
    EXPECT_FALSE(isDefault(1));
    PressKeyOnFocus(Qt::Key_Tab);
    EXPECT_TRUE(isDefault(1)) << "with an edit focused, the template's default button";
    EXPECT_FALSE(isDefault(2));
    EXPECT_FALSE(isDefault(30));
}
