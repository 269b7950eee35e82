#include "platform/DialogUnits.h"

#include "platform/MulDiv.h"

#include <QFont>
#include <QFontMetrics>

#include <cstring>

namespace platform {

DialogBaseUnits BaseUnitsFromMetrics(int alphabetWidth, int fontHeight)
{
    return {(alphabetWidth / 26 + 1) / 2, fontHeight};
}

DialogBaseUnits BaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return BaseUnitsFromMetrics(width, metrics.height());
}

DialogBaseUnits BaseUnitsOfFace(const char* faceName, const QFont& mapped)
{
    if (std::strcmp(faceName, "System") == 0)
        return {8, 16};
    return BaseUnitsOf(mapped);
}

QRect MapDialogRect(const DialogBaseUnits& units, int x, int y, int cx, int cy)
{
    return {MulDiv(x, units.cxChar, 4), MulDiv(y, units.cyChar, 8),
            MulDiv(cx, units.cxChar, 4), MulDiv(cy, units.cyChar, 8)};
}

} // namespace platform
