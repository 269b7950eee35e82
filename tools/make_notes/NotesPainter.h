#pragma once
// Sets a notes page in white on black, without anti-aliasing, so the picture holds
// only those two colours.

#include "NotesPage.h"

#include <QImage>
#include <QString>

struct NotesFonts {
    QString latin;    // letters, digits and the signs of formulas
    QString chinese;  // everything else
};

// Throws std::runtime_error when a line is wider than its column or the text is
// taller than the page.
QImage PaintNotesPage(const NotesPage& page, const NotesFonts& fonts);
