// One evaluation per point, as the curve dialogs, the preview and the generator
// do it, beside muparser doing the same per-point work and muparser evaluating a
// formula it has parsed once. Prints each formula's time per point, its ratio to
// muparser's per-point work measured in the same run, and the heap allocations
// our evaluator makes per point (counted by the operator new below).

#include "eval/CMathParser.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <new>
#include <string>
#include <vector>

namespace {

long g_nAllocations = 0;  // every operator new of the process, counted on this one thread

} // namespace

void* operator new(std::size_t nSize)
{
    ++g_nAllocations;
    if (void* p = std::malloc(nSize == 0 ? 1 : nSize))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

struct Formula {
    const char* name;
    const char* text;
    double dFrom;  // a depth range over which the formula is defined
    double dTo;
};

const Formula kFormulas[] = {
    {"ellipse", "sqrt((1-((x-10)*(x-10)/(10*10)))*5*5)+20", 0, 20},
    {"parabola", "((x-0)*(x-0))/(2*10)+5", 0, 20},
    {"hyperbola", "sqrt((((x-10)*(x-10))/(4*4)+1)*(3*3))+20", 0, 20},
    {"sine", "-1*sin(-1*(x-0))+10", 0, 20},
    {"tangent", "-3*sin(-0.25*(x-5))/cos(-0.25*(x-5))+20", 0, 10},
};

constexpr int kSteps = 100;  // the preview's sampling

// Steps through the formula's range the way the preview samples it.
class Depths {
public:
    explicit Depths(const Formula& formula) : m_formula(formula) {}
    double Next()
    {
        m_nStep = (m_nStep + 1) % (kSteps + 1);
        return m_formula.dFrom + (m_formula.dTo - m_formula.dFrom) * m_nStep / kSteps;
    }

private:
    const Formula& m_formula;
    int m_nStep = 0;
};

void CountAllocations(benchmark::State& state, long nAllocationsBefore)
{
    state.counters["allocations_per_point"] =
        benchmark::Counter(double(g_nAllocations - nAllocationsBefore), benchmark::Counter::kAvgIterations);
}

void Vorna(benchmark::State& state, const Formula& formula)
{
    const std::string text = formula.text;
    Depths depths(formula);
    const long nAllocationsBefore = g_nAllocations;
    for (auto _ : state) {
        CMathParser parser(text);
        parser.AddVariable(depths.Next(), "x");
        parser.Evaluate();
        benchmark::DoNotOptimize(parser.m_dResult);
    }
    CountAllocations(state, nAllocationsBefore);
}

void MuparserPerPoint(benchmark::State& state, const Formula& formula)
{
    const std::string text = formula.text;
    Depths depths(formula);
    const long nAllocationsBefore = g_nAllocations;
    for (auto _ : state) {
        double x = depths.Next();
        mu::Parser parser;
        parser.DefineVar("x", &x);
        parser.SetExpr(text);
        benchmark::DoNotOptimize(parser.Eval());
    }
    CountAllocations(state, nAllocationsBefore);
}

void MuparserParsed(benchmark::State& state, const Formula& formula)
{
    Depths depths(formula);
    double x = 0;
    mu::Parser parser;
    parser.DefineVar("x", &x);
    parser.SetExpr(formula.text);
    for (auto _ : state) {
        x = depths.Next();
        benchmark::DoNotOptimize(parser.Eval());
    }
}

// The console report, then per formula the time per point and the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_None) {}

    // With --benchmark_repetitions the medians count, otherwise the one run.
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const bool bMedian = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || !(bMedian || (run.run_type == Run::RT_Iteration && run.repetitions <= 1)))
                continue;
            const std::string name = run.run_name.str();
            m_nanoseconds[name] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
            const auto allocations = run.counters.find("allocations_per_point");
            if (allocations != run.counters.end())
                m_allocations[name] = allocations->second;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nmuparser's time per point over ours, for the same per-point work and for a parsed formula:\n");
        std::printf("%-10s %12s %18s %18s %22s\n", "formula", "ns/point", "per point", "parsed", "allocations/point");
        for (const Formula& formula : kFormulas) {
            const double dVorna = Find(m_nanoseconds, "Vorna", formula);
            const double dPerPoint = Find(m_nanoseconds, "MuparserPerPoint", formula);
            const double dParsed = Find(m_nanoseconds, "MuparserParsed", formula);
            if (dVorna > 0)
                std::printf("%-10s %12.1f %18.1f %18.2f %22.2f\n", formula.name, dVorna, dPerPoint / dVorna,
                            dParsed / dVorna, Find(m_allocations, "Vorna", formula));
        }
        std::printf("goal: the ellipse at most 250 ns per point, the others at most 300 ns, at least 80 × faster than\n"
                    "muparser per point, and no allocation per point\n");
    }

private:
    static double Find(const std::map<std::string, double>& figures, const char* what, const Formula& formula)
    {
        const auto found = figures.find(std::string(what) + "/" + formula.name);
        return found == figures.end() ? 0 : found->second;
    }

    std::map<std::string, double> m_nanoseconds;
    std::map<std::string, double> m_allocations;
};

} // namespace

int main(int argc, char** argv)
{
    for (const Formula& formula : kFormulas) {
        benchmark::RegisterBenchmark((std::string("Vorna/") + formula.name).c_str(), Vorna, formula);
        benchmark::RegisterBenchmark((std::string("MuparserPerPoint/") + formula.name).c_str(), MuparserPerPoint, formula);
        benchmark::RegisterBenchmark((std::string("MuparserParsed/") + formula.name).c_str(), MuparserParsed, formula);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
