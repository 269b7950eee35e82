// Makes the program's icon 128 from code. From the source root:
//
//   build/<dir>/tools/make_icon/make_icon src/res/icon
//
// writes vorna.png (256 × 256, the window icon) and vorna.ico (16 to 256 pixels)
// into the given folder.

#include "IcoFile.h"
#include "LatheIcon.h"

#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon <out-dir>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(".");

    std::vector<QImage> images;
    for (int size : {16, 24, 32, 48, 64, 256})
        images.push_back(PaintLatheIcon(size));

    QFile ico(out.filePath("vorna.ico"));
    const QByteArray icoBytes = IcoFromImages(images);
    if (!images.back().save(out.filePath("vorna.png"), "PNG") ||
        !ico.open(QIODevice::WriteOnly) || ico.write(icoBytes) != icoBytes.size()) {
        std::fprintf(stderr, "make_icon: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
