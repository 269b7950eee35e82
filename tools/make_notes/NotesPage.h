#pragma once
// A notes picture's text source, one line per row of the picture:
//
//   ; a comment
//   @size W H      the picture's size in pixels (required before any text)
//   @font PX       the text's size in pixels (default 14)
//   @columns       starts two side-by-side columns, @next moves to the right one,
//   @end           and @end goes back to the full width
//   = text         a heading, centred, bold and a pixel larger
//   > text         a line, centred
//   text           a line, left-aligned
//   (empty)        a little vertical space
//
// Lines hold the inline markup of MathRun.h.

#include "MathRun.h"

#include <QString>
#include <vector>

struct NotesLine {
    enum class Style { Left, Centred, Heading, Space };
    Style style = Style::Left;
    std::vector<MathRun> runs;
    int sourceLine = 0;
};

// A band of the page: one full-width column, or two side by side.
using NotesColumn = std::vector<NotesLine>;
using NotesBand = std::vector<NotesColumn>;

struct NotesPage {
    int width = 0;
    int height = 0;
    int fontPixels = 14;
    std::vector<NotesBand> bands;
};

// Throws std::runtime_error naming the source line of the first error.
NotesPage ParseNotesPage(const QString& source);
