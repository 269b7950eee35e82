#include "picture/logic/FrameWait.h"

#include "picture/logic/GifFrameInfo.h"

#include <gtest/gtest.h>

using std::chrono::milliseconds;

namespace {

TEST(FrameWait, FromTheDelayInHundredths)
{
    const struct {
        std::uint32_t delay;
        milliseconds wait;
    } rows[] = {
        {0, milliseconds(100)},
        {4, milliseconds(100)},
        {5, milliseconds(50)},
        {6, milliseconds(60)},
        {100, milliseconds(1000)},
        {65535, milliseconds(655350)},
        {picture::GifFrameInfo::kNoDelay, milliseconds(100)}, // no control extension
    };
    for (const auto& row : rows)
        EXPECT_EQ(picture::FrameWait(row.delay), row.wait) << row.delay;
}

} // namespace
