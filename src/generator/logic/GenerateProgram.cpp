#include "generator/logic/GenerateProgram.h"

#include "curves/logic/EvaluateAtDepth.h"
#include "generator/logic/CurveScan.h"
#include "generator/logic/Machining.h"
#include "generator/logic/ProgramText.h"
#include "generator/logic/Stock.h"

namespace generator {

std::optional<std::vector<std::string>> GenerateProgram(const MachiningParams& params,
                                                        const CurveSnapshot& curve, CncControl control)
{
    // The scan ends on the Z end; with no scan point the Z end is the Z start.
    const std::optional<double> startRadius = curves::EvaluateAtDepth(curve.formulaX, curve.zStart);
    const std::optional<RadiusRange> range =
        ScanCurve(curve.formulaX, curve.zStart, curve.zEnd, curve.xStart, params.finishStep);
    if (!startRadius || !range)
        return std::nullopt;
    const float Dmin = 2 * range->rMin;
    const float Dmax = 2 * range->rMax;
    const double T = StockDepth(params.machining, params.blankDia, Dmin, Dmax, params.allowanceX);
    const float rem = SplitStock(T, params.feed).rem;
    const float Xs = static_cast<float>(*startRadius);

    const bool hole = params.machining == MACHINING_HOLE;
    const double startDia = 2.0 * Xs;
    const double endDia = 2.0 * curve.xEnd;
    const ProgramNumbers numbers{
        .zStart = curve.zStart,
        .zEnd = curve.zEnd,
        .blankDia = params.blankDia,
        .stock = T,
        .roughStep = params.roughStep,
        .finishStep = params.finishStep,
        .feed = params.feed,
        .retractX = params.retractX,
        .rem = rem,
        .startDia = startDia,
        .semiStartDia = hole ? startDia - rem : startDia + rem,
        .endDia = endDia,
        .semiEndDia = hole ? endDia - rem : endDia + rem,
    };
    if (!WritesOnlyFiniteNumbers(numbers))
        return std::nullopt;
    return ProgramLines(control, params.machining, numbers, curve);
}

} // namespace generator
