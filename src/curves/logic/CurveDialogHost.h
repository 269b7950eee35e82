#pragma once
// What the curve dialogs' OK sequence needs of its dialog, so that it runs without
// a display.

#include <string>

namespace curves {

class CurveDialogHost {
public:
    virtual ~CurveDialogHost() = default;
    // Reads every field into its member; false when a field was refused.
    virtual bool UpdateData() = 0;
    virtual void MessageBox(const std::string& text) = 0;
    virtual void InvalidatePreview() = 0;
    // The closing read and, when it succeeds, the end of the dialog with OK.
    virtual void CloseWithOk() = 0;
};

} // namespace curves
