// Arbitrary bytes as the formula text, evaluated without and with the variable
// x: a failure must leave exactly 0 as the result, and evaluating again must
// give the same outcome.

#include "eval/CMathParser.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Require(bool bHolds)
{
    if (!bHolds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const bool bWithX : {false, true}) {
        CMathParser parser(text);
        if (bWithX)
            parser.AddVariable(1.5, "x");
        parser.Evaluate();
        Require(parser.m_bError == 0 || parser.m_bError == 1);
        Require(parser.m_bError == 0 || (parser.m_dResult == 0.0 && !std::signbit(parser.m_dResult)));
        const int bFirstError = parser.m_bError;
        const double dFirstResult = parser.m_dResult;
        parser.Evaluate();
        Require(parser.m_bError == bFirstError);
        Require(std::memcmp(&parser.m_dResult, &dFirstResult, sizeof dFirstResult) == 0);
    }
    return 0;
}
