// Arbitrary bytes as the formula text, evaluated without x and with several
// values of x: Evaluate, which takes the folded parse loop for a text it
// accepts, must leave exactly the outcome of the table loop alone: the result
// to the bit, the error flags, the syntax error code and where the scan stopped.

#include "CMathParserProbe.h"

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string_view>

namespace {

void Require(bool bHolds)
{
    if (!bHolds)
        std::abort();
}

const std::optional<double> kDepths[] = {std::nullopt, 0.0, 1.5, -7.25, 1e-7, 3e8,
                                         std::numeric_limits<double>::quiet_NaN()};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::optional<double>& depth : kDepths) {
        CMathParser fast(text);
        CMathParser tables(text);
        if (depth) {
            fast.AddVariable(*depth, "x");
            tables.AddVariable(*depth, "x");
        }
        fast.Evaluate();
        CMathParserProbe::EvaluateByTables(tables);
        Require(CMathParserProbe::SameOutcome(fast, tables));
    }
    return 0;
}
