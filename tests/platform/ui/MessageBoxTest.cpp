#include "platform/MessageBox.h"
#include "platform/MessageBoxDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Shown {
    QWidget* parent = nullptr;
    QString caption;
    QStringList texts;    // every label's text
    QStringList buttons;  // every button's text
    bool picture = false; // a label shows a picture (an icon)
    QRect geometry;
};

// Waits for the message box, notes what it shows and closes it with `key`, pressed
// on the control that has the focus.
void CloseNextMessageBox(Shown& shown, Qt::Key key)
{
    QTimer::singleShot(0, [&shown, key] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<platform::MessageBoxDialog*>(widget);
            if (box == nullptr || !box->isVisible())
                continue;
            shown.parent = box->parentWidget();
            shown.caption = box->windowTitle();
            for (const QLabel* label : box->findChildren<QLabel*>()) {
                shown.texts << label->text();
                shown.picture = shown.picture || !label->pixmap().isNull();
            }
            for (const QAbstractButton* button : box->findChildren<QAbstractButton*>())
                shown.buttons << button->text();
            shown.geometry = box->geometry();
            QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, key);
            return;
        }
        CloseNextMessageBox(shown, key);
    });
}

TEST(ShowMessage, OneBoxWithTheAppNameTheTextAndOneButtonCentredOverItsOwner)
{
    QWidget shownOwner;
    shownOwner.setGeometry(300, 200, 400, 300);
    shownOwner.show();
    QWidget hiddenOwner;
    hiddenOwner.setGeometry(0, 0, 50, 50);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    struct Row {
        const char* what;
        QWidget* owner;
        Qt::Key key;
        QPoint centre;
    };
    const Row rows[] = {
        {"no owner, Enter", nullptr, Qt::Key_Return, screen.center()},
        {"shown owner, Escape", &shownOwner, Qt::Key_Escape, shownOwner.geometry().center()},
        {"owner not shown yet, Enter", &hiddenOwner, Qt::Key_Enter, screen.center()},
    };
    for (const Row& row : rows) {
        Shown shown;
        CloseNextMessageBox(shown, row.key);
        platform::ShowMessage(row.owner, "数据输入不合理:毛坯直径应该大于曲线X坐标最大值\n曲线X坐标最大值请看红色警戒线下方的提示");
        EXPECT_EQ(shown.parent, row.owner) << row.what;
        EXPECT_EQ(shown.caption, "VORNA") << row.what;
        EXPECT_EQ(shown.texts, QStringList{QString::fromUtf8("数据输入不合理:毛坯直径应该大于曲线X坐标最大值\n"
                                                             "曲线X坐标最大值请看红色警戒线下方的提示")})
            << row.what;
        EXPECT_EQ(shown.buttons, QStringList{QString::fromUtf8("确定")}) << row.what;
        EXPECT_FALSE(shown.picture) << row.what << ": no icon";
        // Centred to within the window frame's few pixels, which Qt learns only once shown.
        EXPECT_LE((shown.geometry.center() - row.centre).manhattanLength(), 8) << row.what;
    }
}

TEST(ShowMessage, NarrowBoxIsAsWideAsItsCaptionNeeds)
{
    const QFontMetrics title(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    EXPECT_GT(platform::MessageBoxDialog::CaptionWidth("VORNA"), title.horizontalAdvance("VORNA"))
        << "room beside the caption for the title bar's icon and close box";
    for (const char* text : {"", "x", "保存已经生效"}) {
        Shown shown;
        CloseNextMessageBox(shown, Qt::Key_Return);
        platform::ShowMessage(nullptr, text);
        EXPECT_GE(shown.geometry.width(), platform::MessageBoxDialog::CaptionWidth("VORNA")) << text;
    }
}

TEST(ShowMessage, ReplacedSinkRecordsInsteadOfShowing)
{
    std::vector<std::pair<QWidget*, std::string>> messages;
    QWidget owner;
    platform::MessageSink previous = platform::SetMessageSink(
        [&messages](QWidget* parent, const std::string& text) { messages.emplace_back(parent, text); });
    platform::ShowMessage(&owner, "不能构成合理曲线");
    platform::ShowMessage(nullptr, "");
    platform::MessageSink recorder = platform::SetMessageSink(previous);

    const std::vector<std::pair<QWidget*, std::string>> expected = {{&owner, "不能构成合理曲线"},
                                                                    {nullptr, ""}};
    EXPECT_EQ(messages, expected);
    EXPECT_TRUE(recorder);
}

} // namespace
