#pragma once
// Gives the curve dialogs' shared OK sequence its dialog: the data exchange, the
// message box, the preview's repaint and the framework's closing OK.

#include "curves/logic/CurveDialogHost.h"

#include <functional>

namespace platform {
class CDialog;
}

class CurveDialogAdapter final : public curves::CurveDialogHost {
public:
    // `closeWithOk` is the dialog's base OnOK, which only the dialog itself can call.
    CurveDialogAdapter(platform::CDialog& dialog, std::function<void()> closeWithOk);

    bool UpdateData() override;
    void MessageBox(const std::string& text) override;
    void InvalidatePreview() override;
    void CloseWithOk() override;

private:
    platform::CDialog& m_dialog;
    std::function<void()> m_closeWithOk;
};
