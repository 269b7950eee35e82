#pragma once
// The stock between the blank and the curve, and how the roughing passes
// divide it.

namespace generator {

// T: the stock depth on the diameter less the finishing allowance, in double
// precision from the single-precision operands. Shaft: blank - Dmin - allowance;
// hole: Dmax - blank - allowance.
double StockDepth(int machining, float blankDia, float dMin, float dMax, float allowanceX);

struct StockSplit {
    double n;   // whole roughing passes, T / feed truncated toward zero
    float rem;  // T - n * feed, the semi-finishing pass's depth
};

// `feed` must be above 0. n is a whole number held in a double: a count beyond
// the range of int (a tiny feed) must not overflow a conversion to int.
StockSplit SplitStock(double T, float feed);

} // namespace generator
