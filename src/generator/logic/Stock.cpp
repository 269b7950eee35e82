#include "generator/logic/Stock.h"

#include "generator/logic/Machining.h"

#include <cmath>

namespace generator {

double StockDepth(int machining, float blankDia, float dMin, float dMax, float allowanceX)
{
    if (machining == MACHINING_HOLE)
        return double(dMax) - blankDia - allowanceX;
    return double(blankDia) - dMin - allowanceX;
}

StockSplit SplitStock(double T, float feed)
{
    const double n = std::trunc(T / feed);
    return {n, static_cast<float>(T - n * feed)};
}

} // namespace generator
