#include "platform/Shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QObject>
#include <QUrl>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Stands in for the desktop: QDesktopServices hands it every URL of its schemes.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.push_back(url); }
};

TEST(ShellOpen, WebAddressesStayUrlsAndEverythingElseIsAFileOfTheWorkingDirectory)
{
    UrlRecorder recorder;
    const char* const schemes[] = {"http", "https", "file"};
    for (const char* scheme : schemes)
        QDesktopServices::setUrlHandler(scheme, &recorder, "open");

    const QDir cwd = QDir::current();
    const struct {
        const char* target;
        QUrl url;
    } rows[] = {
        {"http://www.vorna.example/bbs", QUrl("http://www.vorna.example/bbs")},
        {"https://www.vorna.example/", QUrl("https://www.vorna.example/")},
        {"宏程序G代码.TXT", QUrl::fromLocalFile(cwd.absoluteFilePath(QString::fromUtf8("宏程序G代码.TXT")))},
        {"数控系统/a b.txt", QUrl::fromLocalFile(cwd.absoluteFilePath(QString::fromUtf8("数控系统/a b.txt")))},
        {"http_notes.txt", QUrl::fromLocalFile(cwd.absoluteFilePath("http_notes.txt"))},
#ifdef _WIN32
        {"C:/vorna.txt", QUrl::fromLocalFile("C:/vorna.txt")},
#else
        {"/tmp/vorna.txt", QUrl::fromLocalFile("/tmp/vorna.txt")},
#endif
    };
    for (const auto& row : rows) {
        recorder.urls.clear();
        EXPECT_TRUE(platform::ShellOpen(row.target)) << row.target;
        ASSERT_EQ(recorder.urls.size(), 1u) << row.target;
        EXPECT_EQ(recorder.urls[0], row.url) << row.target;
    }

    for (const char* scheme : schemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

TEST(ShellOpen, AFileTheDesktopHasNoViewerForIsReported)
{
    // The offscreen platform registers no application for any file.
    EXPECT_FALSE(platform::ShellOpen("宏程序G代码.TXT"));
}

TEST(ShellHooks, ReplaceTheDesktopAndTheExit)
{
    std::vector<std::string> opened;
    std::vector<int> codes;
    platform::SetShellOpenHook([&opened](const std::string& target) {
        opened.push_back(target);
        return false;
    });
    platform::SetExitProcessHook([&codes](int code) { codes.push_back(code); });

    EXPECT_FALSE(platform::ShellOpen("宏程序G代码.TXT"));  // the hook's answer is ShellOpen's
    platform::ExitProcess(0); // returns under the hook, as callers rely on in tests

    EXPECT_TRUE(platform::SetShellOpenHook({}));
    EXPECT_TRUE(platform::SetExitProcessHook({}));
    EXPECT_EQ(opened, std::vector<std::string>{"宏程序G代码.TXT"});
    EXPECT_EQ(codes, std::vector<int>{0});
}

TEST(ExitProcessDeathTest, EndsTheProcessWithTheCode)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const int codes[] = {0, 3};
    for (int code : codes)
        EXPECT_EXIT(platform::ExitProcess(code), ::testing::ExitedWithCode(code), "");
}

} // namespace

#include "ShellTest.moc"
