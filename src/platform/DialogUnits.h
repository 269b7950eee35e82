#pragma once
// Dialog units to pixels, as the Windows dialog manager maps them: a horizontal
// unit is a quarter of the font's mean character width, a vertical unit an eighth
// of its height.

#include <QRect>

class QFont;

namespace platform {

struct DialogBaseUnits {
    int cxChar;  // mean width of "A".."Z" and "a".."z", rounded as Windows does
    int cyChar;  // font height
};

// `alphabetWidth` is the width of the 52 letters written in one run.
DialogBaseUnits BaseUnitsFromMetrics(int alphabetWidth, int fontHeight);
DialogBaseUnits BaseUnitsOf(const QFont& font);
// The units of a template's face: the Windows "System" font has fixed metrics of
// 8 × 16 at 96 dpi, which the templates of that face were laid out for; any other
// face is measured in the font it is mapped to.
DialogBaseUnits BaseUnitsOfFace(const char* faceName, const QFont& mapped);

QRect MapDialogRect(const DialogBaseUnits& units, int x, int y, int cx, int cy);

} // namespace platform
