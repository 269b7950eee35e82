#include "platform/FontMap.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <cstring>

namespace platform {

namespace {

QString FirstInstalled(std::initializer_list<const char*> families)
{
    for (const char* family : families) {
        const QString name = QString::fromUtf8(family);
        if (QFontDatabase::hasFamily(name))
            return name;
    }
    return QGuiApplication::font().family();
}

// Looked up once: the preview asks on every painting. Windows has the font itself
// (SimSun) unless it is Wine, which finds the Linux desktop's fonts.
const QString& ChineseFamily()
{
    static const QString family = FirstInstalled({
#ifdef Q_OS_WIN
        "SimSun",
#endif
        "AR PL UMing CN", "WenQuanYi Micro Hei"});
    return family;
}

} // namespace

QString MapFontFace(const char* faceName)
{
    if (faceName == nullptr)
        return QGuiApplication::font().family();
    if (std::strcmp(faceName, "宋体") == 0 || std::strcmp(faceName, "System") == 0)
        return ChineseFamily();
    return FirstInstalled({faceName});
}

QFont DialogFont(const char* faceName, int pointSize)
{
    return QFont(MapFontFace(faceName), pointSize);
}

} // namespace platform
