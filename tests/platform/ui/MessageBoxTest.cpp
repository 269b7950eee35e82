#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct Shown {
    QWidget* parent = nullptr;
    QString caption;
    QString text;
    QMessageBox::StandardButtons buttons;
    int buttonCount = 0;
};

// Closes the first message box that appears, after noting what it shows.
void CloseNextMessageBox(Shown& shown)
{
    QTimer::singleShot(0, [&shown] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box == nullptr || !box->isVisible())
                continue;
            shown = {box->parentWidget(), box->windowTitle(), box->text(), box->standardButtons(),
                     int(box->buttons().size())};
            box->button(QMessageBox::Ok)->click();
            return;
        }
        CloseNextMessageBox(shown);
    });
}

TEST(ShowMessage, DefaultBoxHasTheAppNameAndOneOkButton)
{
    QWidget owner;
    QWidget* const owners[] = {nullptr, &owner};
    for (QWidget* parent : owners) {
        Shown shown;
        CloseNextMessageBox(shown);
        platform::ShowMessage(parent, "请键入一个数。");
        EXPECT_EQ(shown.parent, parent);
        EXPECT_EQ(shown.caption, "VORNA");
        EXPECT_EQ(shown.text, QString::fromUtf8("请键入一个数。"));
        EXPECT_EQ(shown.buttons, QMessageBox::Ok);
        EXPECT_EQ(shown.buttonCount, 1);
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
