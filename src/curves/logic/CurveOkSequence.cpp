#include "curves/logic/CurveOkSequence.h"

#include "curves/CurveState.h"
#include "curves/logic/ScaleFromEnds.h"

namespace curves {

void RunCurveOkSequence(const CurveKind& kind, const CurveFields& fields, CurveDialogHost& host)
{
    // A refused field has been reported by the exchange; the sequence goes on with
    // the members as they stand and the closing read keeps the dialog open.
    host.UpdateData();

    *fields.zStart = -*fields.zStart;
    *fields.zEnd = -*fields.zEnd;
    for (const FloatField field : kind.negated)
        *(fields.*field) = -*(fields.*field);

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
    kind.writeFormulas(secondRadio ? kind.secondRadioTemplates : kind.templates, fields);
    g_nFormulaKind = kind.formulaKind;
    g_fPreviewScale = ScaleFromEnds(g_strFormulaX, g_fZStart, g_fZEnd, g_fPreviewScale);
    host.InvalidatePreview();
    host.CloseWithOk();
}

} // namespace curves
