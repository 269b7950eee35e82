#include "NotesPage.h"

#include <QStringList>
#include <stdexcept>
#include <string>

namespace {

int Number(const QString& word)
{
    bool ok = false;
    const int value = word.toInt(&ok);
    if (!ok || value <= 0)
        throw std::runtime_error("a positive number expected");
    return value;
}

void Directive(NotesPage& page, const QStringList& words, int& column)
{
    NotesBand& band = page.bands.back();
    const QString& name = words.front();
    if (name == "@size" && words.size() == 3) {
        page.width = Number(words[1]);
        page.height = Number(words[2]);
    } else if (name == "@font" && words.size() == 2) {
        page.fontPixels = Number(words[1]);
    } else if (name == "@columns" && words.size() == 1 && band.size() == 1) {
        page.bands.push_back(NotesBand(2));
        column = 0;
    } else if (name == "@next" && words.size() == 1 && band.size() == 2 && column == 0) {
        column = 1;
    } else if (name == "@end" && words.size() == 1 && band.size() == 2) {
        page.bands.push_back(NotesBand(1));
        column = 0;
    } else {
        throw std::runtime_error("unknown or misplaced directive");
    }
}

NotesLine Line(const QString& text, int sourceLine)
{
    if (text.isEmpty())
        return {NotesLine::Style::Space, {}, sourceLine};
    if (text.startsWith(u'='))
        return {NotesLine::Style::Heading, ParseMathRuns(text.mid(1).trimmed()), sourceLine};
    if (text.startsWith(u'>'))
        return {NotesLine::Style::Centred, ParseMathRuns(text.mid(1).trimmed()), sourceLine};
    return {NotesLine::Style::Left, ParseMathRuns(text), sourceLine};
}

} // namespace

NotesPage ParseNotesPage(const QString& source)
{
    NotesPage page;
    page.bands.push_back(NotesBand(1));
    int column = 0;
    QStringList lines = source.split(u'\n');
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    for (int i = 0; i < lines.size(); ++i) {
        QString text = lines[i];
        while (!text.isEmpty() && text.back().isSpace())
            text.chop(1);
        try {
            if (text.startsWith(u';'))
                continue;
            if (text.startsWith(u'@'))
                Directive(page, text.split(u' ', Qt::SkipEmptyParts), column);
            else if (page.width == 0)
                throw std::runtime_error("text before @size");
            else
                page.bands.back()[column].push_back(Line(text, i + 1));
        } catch (const std::runtime_error& error) {
            throw std::runtime_error("line " + std::to_string(i + 1) + ": " + error.what());
        }
    }
    if (page.width == 0)
        throw std::runtime_error("no @size");
    if (page.bands.back().size() == 2)
        throw std::runtime_error("@columns without @end");
    return page;
}
