#pragma once
// The inline markup of a notes line: plain text, "x^2" or "x^{10}" raised,
// "z_1" or "z_{12}" lowered, and "\frac{numerator}{denominator}" as a fraction.

#include <QString>
#include <vector>

struct MathRun {
    enum class Kind { Text, Superscript, Subscript, Fraction };
    Kind kind = Kind::Text;
    QString text;                 // Text
    std::vector<MathRun> first;   // the script, or the numerator
    std::vector<MathRun> second;  // the denominator
};

// The runs of one line; throws std::runtime_error on unbalanced braces, an
// unknown command or a script without its argument.
std::vector<MathRun> ParseMathRuns(const QString& line);
