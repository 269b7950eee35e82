#pragma once
// The base of the nine curve dialogs. A dialog names its template, its curve kind,
// the order in which its controls are exchanged and which of its members plays each
// field of the OK sequence; the exchange and the OK sequence are the same for all.

#include "curves/CurveControl.h"
#include "curves/logic/CurveFields.h"
#include "platform/CDialog.h"
#include "res/resource.h"

#include <span>

namespace curves {
struct CurveKind;
}

class CCurveDlg : public platform::CDialog {
protected:
    // `exchange` is the dialog's order from CurveExchanges.h; `fields` points at members
    // of the derived dialog, which live as long as it does.
    CCurveDlg(const platform::DialogTemplate& tmpl, const curves::CurveKind& kind,
              std::span<const curves::CurveControl> exchange, const curves::CurveFields& fields, QWidget* pParent);

    // "如何输入" opens the curve's notes box.
    template <class NotesDlg>
    void OpenOnHowToInput()
    {
        OnClicked(IDC_HOW_TO_INPUT, [] {
            NotesDlg notes;
            notes.DoModal();
        });
    }

    void DoDataExchange(platform::CDataExchange* pDX) override;
    void OnOK() override;

private:
    const curves::CurveKind& m_kind;
    const std::span<const curves::CurveControl> m_exchange;
    const curves::CurveFields m_fields;
};
