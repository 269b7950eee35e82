// One whole generation with a fine finishing step: about 100,000 scan points, each
// a fresh evaluator object, then the program's text and its file. Goal: 35 ms.

#include "curves/logic/CurveState.h"
#include "curves/logic/StepDepths.h"
#include "generator/logic/GenerateProgram.h"
#include "generator/logic/Machining.h"
#include "generator/logic/ProgramFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

void BM_GenerateParabolaFineStep(benchmark::State& state)
{
    const std::filesystem::path previous = std::filesystem::current_path();
    std::string dir = (std::filesystem::temp_directory_path() / "vorna-bench-XXXXXX").string();
    if (!mkdtemp(dir.data())) {
        state.SkipWithError("no temporary directory");
        return;
    }
    std::filesystem::current_path(dir);

    const generator::CurveSnapshot curve{"((x-0)*(x-0))/(2*10)+5", "#3=[[#2-0]*[#2-0]]/[2*10]+5", "",
                                         "R3=((R2-0)*(R2-0))/(2*10)+5", FORMULA_CONIC, 0, 100, 5, 505};
    const generator::MachiningParams params{generator::MACHINING_SHAFT, 1100, 1.5f, 0.5f, 0.001f,
                                            1200, 0.4f};
    long points = 0;
    curves::StepDepths(curve.zStart, curve.zEnd, params.finishStep, [&](float) {
        ++points;
        return true;
    });
    state.counters["scan_points"] = double(points);

    for (auto _ : state) {
        const auto program = generator::GenerateProgram(params, curve, generator::CncControl::Fanuc);
        if (!program || !generator::WriteProgramFile(*program)) {
            state.SkipWithError("program not generated or not written");
            break;
        }
    }

    std::filesystem::current_path(previous);
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_GenerateParabolaFineStep)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
