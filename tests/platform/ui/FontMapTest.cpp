#include "platform/FontMap.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <string_view>

namespace {

TEST(FontMap, TemplateFacesBecomeAnInstalledChineseFont)
{
    const char* const faces[] = {"宋体", "System"};
    for (const char* face : faces) {
        const QString family = platform::MapFontFace(face);
        EXPECT_TRUE(QFontDatabase::hasFamily(family)) << face;
        EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese)) << face;

        const QFont font = platform::DialogFont(face, 9);
        EXPECT_EQ(QFontInfo(font).family(), family) << face;
        EXPECT_EQ(font.pointSize(), 9) << face;
        const QFontMetrics metrics(font);
        for (char32_t glyph : std::u32string_view(U"椭圆请键入一个数。"))
            EXPECT_TRUE(metrics.inFontUcs4(glyph)) << face << " U+" << std::hex << unsigned(glyph);
    }
}

TEST(FontMap, UnknownFaceBecomesTheDefaultFamily)
{
    const char* const faces[] = {"No Such Face 12345", nullptr};
    for (const char* face : faces)
        EXPECT_EQ(platform::MapFontFace(face), QGuiApplication::font().family()) << (face ? face : "null");
}

} // namespace
