// Makes the notes pictures, bitmaps 189, 191, 196 and 197, from their text sources
// in notes/ (their markup is described in NotesPage.h). From the source root:
//
//   QT_QPA_PLATFORM=offscreen build/<dir>/tools/make_notes/make_notes src/res/bitmaps
//
// writes one 24-bit BMP per source, notes/ellipse_notes.txt to ellipse_notes.bmp.

#include "BmpFile.h"
#include "NotesPage.h"
#include "NotesPainter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdio>
#include <stdexcept>

namespace {

// Latin letters, digits and signs in a serif face that sets formulas well
// (fonts-dejavu-core), Chinese in a Song-style face like the dialogs' 宋体
// (fonts-arphic-uming).
const NotesFonts kFonts{"DejaVu Serif", "AR PL UMing CN"};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read it");
    return file.readAll();
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_notes <out-dir>\n");
        return 2;
    }
    for (const QString& family : {kFonts.latin, kFonts.chinese}) {
        if (!QFontDatabase::families().contains(family)) {
            std::fprintf(stderr, "make_notes: the font %s is not installed\n", qPrintable(family));
            return 1;
        }
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(".");

    const QDir sources(":/notes");
    for (const QString& name : sources.entryList({"*.txt"}, QDir::Files, QDir::Name)) {
        try {
            const NotesPage page = ParseNotesPage(QString::fromUtf8(ReadAll(sources.filePath(name))));
            const QImage image = PaintNotesPage(page, kFonts);
            Write(out.filePath(QFileInfo(name).completeBaseName() + ".bmp"), Bmp24FromImage(image));
        } catch (const std::runtime_error& error) {
            std::fprintf(stderr, "make_notes: %s: %s\n", qPrintable(name), error.what());
            return 1;
        }
    }
    return 0;
}
