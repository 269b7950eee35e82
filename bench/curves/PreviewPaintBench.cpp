// One painting of the preview at its start-up size with the ellipse of the worked
// example (100 samples), offscreen; beside it the composing alone (evaluations and
// texts), to show how the time divides between evaluating and drawing.
// Goal: a full painting within 5 ms.
#include "curves/logic/CurveState.h"
#include "curves/logic/PreviewPicture.h"
#include "curves/shitu.h"
#include "res/DialogTemplates.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

void SetWorkedEllipse()
{
    g_strFormulaX = "sqrt((1-((x-10)*(x-10)/(10*10)))*5*5)+20";
    g_fZStart = 2;
    g_fZEnd = 18;
    g_fPreviewScale = 200.0f / 46;
}

void BM_PreviewPaint(benchmark::State& state)
{
    // The main window's geometry without the rest of it: the placeholder's rectangle.
    platform::CDialog main(res::kVornaDialog);
    CCurvePreviewDlg preview(&main);
    preview.setGeometry(main.MapRect(94, 0, 525, 421));
    SetWorkedEllipse();
    QImage target(preview.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        preview.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.SetLabel(std::to_string(preview.width()) + "x" + std::to_string(preview.height()));
}
BENCHMARK(BM_PreviewPaint)->Unit(benchmark::kMillisecond);

void BM_PreviewCompose(benchmark::State& state)
{
    SetWorkedEllipse();
    for (auto _ : state)
        benchmark::DoNotOptimize(curves::ComposePreviewPicture());
}
BENCHMARK(BM_PreviewCompose)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
