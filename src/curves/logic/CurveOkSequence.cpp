#include "curves/logic/CurveOkSequence.h"

#include "curves/logic/CurveState.h"
#include "curves/logic/ScaleFromEnds.h"

#include <array>
#include <span>

namespace curves {

namespace {

// Writes the chosen templates filled with the kind's arguments.
void WriteKindFormulas(const CurveKind& kind, const FormulaTemplates& templates, const CurveFields& fields)
{
    std::array<double, kMaxFormulaArguments> values{};
    std::size_t count = 0;
    for (const FloatField argument : kind.arguments) {
        if (argument)
            values[count++] = *(fields.*argument);
    }
    WriteFormulas(templates, std::span(values.data(), count));
}

} // namespace

void RunCurveOkSequence(const CurveKind& kind, const CurveFields& fields, CurveDialogHost& host)
{
    // The exchange has shown its prompt and put the focus on the refused field;
    // nothing may go on with members that do not hold what the user typed.
    if (!host.UpdateData())
        return;

    *fields.zStart = -*fields.zStart;
    *fields.zEnd = -*fields.zEnd;
    for (const FloatField field : kind.negated) {
        if (field)
            *(fields.*field) = -*(fields.*field);
    }

    const float zStart = *fields.zStart;
    const float zEnd = *fields.zEnd;
    if (zStart < 0.0f || zEnd < 0.0f) {
        host.MessageBox(kZAboveZeroMessage);
        return;
    }
    if (zStart > zEnd) {
        host.MessageBox(kZOrderMessage);
        return;
    }
    // Stored before the curve's own check, which may still refuse the curve.
    g_fZStart = zStart;
    g_fZEnd = zEnd;
    if (kind.check && !kind.check(fields)) {
        host.MessageBox(kind.checkMessage);
        return;
    }

    const bool secondRadio = fields.direction && *fields.direction == 1;
    WriteKindFormulas(kind, secondRadio ? kind.secondRadioTemplates : kind.templates, fields);
    g_nFormulaKind = kind.formulaKind;
    g_fPreviewScale = ScaleFromEnds(g_strFormulaX, g_fZStart, g_fZEnd, g_fPreviewScale);
    host.InvalidatePreview();
    host.CloseWithOk();
}

} // namespace curves
