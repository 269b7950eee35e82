#include "platform/Trace.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

class TraceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = platform::SetTraceSink([this](const std::string& line) { m_lines.push_back(line); });
    }
    void TearDown() override { platform::SetTraceSink(m_previous); }

    std::vector<std::string> m_lines;
    platform::TraceSink m_previous;
};

TEST_F(TraceTest, FormatsLikePrintfIntoTheSink)
{
    const std::string longName(5000, 'n'); // longer than any fixed buffer would hold
    const struct {
        std::function<void()> trace;
        std::string line;
    } rows[] = {
        {[] { platform::Trace("Call one of the CAnimatedPicture::Load() member functions before calling Draw()\n"); },
         "Call one of the CAnimatedPicture::Load() member functions before calling Draw()\n"},
        {[] { platform::Trace("Load (file): Error opening file %s\n", "宏程序G代码.TXT"); },
         "Load (file): Error opening file 宏程序G代码.TXT\n"},
        {[] { platform::Trace("%d frames, %u ms, %.1f\n", 40, 60u, 2.5); }, "40 frames, 60 ms, 2.5\n"},
        {[&] { platform::Trace("Load (resource): Error loading resource %s\n", longName.c_str()); },
         "Load (resource): Error loading resource " + longName + "\n"},
        {[] { platform::Trace("%s", ""); }, ""},
    };
    for (const auto& row : rows) {
        m_lines.clear();
        row.trace();
        ASSERT_EQ(m_lines.size(), 1u);
        EXPECT_EQ(m_lines[0], row.line);
    }
}

TEST_F(TraceTest, ReplacingTheSinkHandsBackTheOldOne)
{
    platform::TraceSink recorder = platform::SetTraceSink({});
    platform::Trace("to the default sink\n");
    EXPECT_TRUE(m_lines.empty());
    platform::SetTraceSink(recorder);
    platform::Trace("recorded\n");
    EXPECT_EQ(m_lines, std::vector<std::string>{"recorded\n"});
}

} // namespace
