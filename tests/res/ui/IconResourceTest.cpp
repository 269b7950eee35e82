#include "res/resource.h"

#include <QIcon>
#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(IconResource, LoadsAsTheWindowIcon)
{
    const QString path = QString(":/res/Icon/%1").arg(IDR_MAINFRAME);
    const QImage image(path);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), image.height());
    EXPECT_GE(image.width(), 32);
    EXPECT_FALSE(QIcon(path).pixmap(32, 32).isNull());
}

} // namespace
