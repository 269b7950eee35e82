#pragma once
// Dialog tests in a fresh working directory: messages, opened targets and exits
// are recorded in one list, in the order they happen, and the shared curve state
// starts as at program start.

#include "generator/TempWorkDir.h"
#include "platform/CDialog.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "support/ResetCurveState.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <cstdio>
#include <string>
#include <vector>

class RecordingWorkDir : public TempWorkDir {
protected:
    void SetUp() override
    {
        TempWorkDir::SetUp();
        m_previousSink = platform::SetMessageSink(
            [this](QWidget*, const std::string& text) { m_events.push_back("message: " + text); });
        m_previousOpen = platform::SetShellOpenHook([this](const std::string& target) {
            m_events.push_back("open: " + target);
            return true;
        });
        m_previousExit = platform::SetExitProcessHook(
            [this](int code) { m_events.push_back("exit: " + std::to_string(code)); });
        ResetCurveState();
    }

    void TearDown() override
    {
        platform::SetMessageSink(m_previousSink);
        platform::SetShellOpenHook(m_previousOpen);
        platform::SetExitProcessHook(m_previousExit);
        TempWorkDir::TearDown();
    }

    static void Type(platform::CDialog& dialog, int id, const char* text)
    {
        qobject_cast<QLineEdit*>(dialog.GetDlgItem(id))->setText(QString::fromUtf8(text));
    }

    static void Click(platform::CDialog& dialog, int id)
    {
        qobject_cast<QAbstractButton*>(dialog.GetDlgItem(id))->click();
    }

    // What both readers of the selection file do when it is missing.
    static std::vector<std::string> MissingSelectionFileEvents()
    {
        return {"message: 您可能误删了数控系统文件，为确保软件正常运行请重新下载vorna软件",
                "open: https://www.vorna.cn/", "exit: 0"};
    }

    // For death tests: messages and opened targets go to stderr, and the process
    // really ends.
    static void ReportToStderrAndExitForReal()
    {
        platform::SetExitProcessHook({});
        platform::SetMessageSink(
            [](QWidget*, const std::string& text) { std::fprintf(stderr, "message: %s\n", text.c_str()); });
        platform::SetShellOpenHook([](const std::string& target) {
            std::fprintf(stderr, "open: %s\n", target.c_str());
            return true;
        });
    }

    static constexpr const char* kMissingSelectionFileStderr =
        "message: 您可能误删了数控系统文件.*\nopen: https://www.vorna.cn/\n$";

    std::vector<std::string> m_events;

private:
    platform::MessageSink m_previousSink;
    platform::ShellOpenHook m_previousOpen;
    platform::ExitProcessHook m_previousExit;
};
