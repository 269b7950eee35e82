#include "platform/Resources.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// The tests' own resource "probe\n" lies at ":/res/Test/7".
TEST(Resources, ByTypeAndNumberOrName)
{
    const struct {
        const char* type;
        std::optional<int> number;
        const char* name;
        const char* path;
        std::optional<QByteArray> bytes;
    } rows[] = {
        {"Test", 7, nullptr, ":/res/Test/7", QByteArray("probe\n")},
        {"Test", std::nullopt, "7", ":/res/Test/7", QByteArray("probe\n")},
        {"Test", 8, nullptr, ":/res/Test/8", std::nullopt},
        {"Bitmap", 7, nullptr, ":/res/Bitmap/7", std::nullopt},
        {"Test", std::nullopt, "", ":/res/Test/", std::nullopt}, // the type's folder is no resource
    };
    for (const auto& row : rows) {
        const QString path = row.number ? platform::ResourcePath(row.type, *row.number)
                                        : platform::ResourcePath(row.type, row.name);
        EXPECT_EQ(path, row.path);
        const std::optional<QByteArray> bytes = row.number ? platform::LoadResource(row.type, *row.number)
                                                           : platform::LoadResource(row.type, row.name);
        EXPECT_EQ(bytes, row.bytes) << row.path;
    }
}

} // namespace
