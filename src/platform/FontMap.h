#pragma once
// The dialog templates' font faces, mapped to fonts installed here. Needs the
// QGuiApplication.

#include <QFont>
#include <QString>

namespace platform {

// "宋体" and "System" become a Chinese font, the first installed of "SimSun" (looked
// for on Windows only), "AR PL UMing CN" and "WenQuanYi Micro Hei", else the
// application's default family. Any other face is kept when installed and otherwise
// also becomes the default family.
QString MapFontFace(const char* faceName);

// The mapped family at `pointSize` points. Qt's font merging stays on, so a glyph
// the family lacks still comes from another installed font.
QFont DialogFont(const char* faceName, int pointSize);

} // namespace platform
