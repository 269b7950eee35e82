#pragma once
// Dialog data exchange: members to controls (show) and controls to members (read).

#include <string>

class QWidget;

namespace platform {

class CDialog;

// Thrown by Fail() and caught by CDialog::UpdateData, which then answers false.
struct DataExchangeFailure {};

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool bSaveAndValidate);

    const bool m_bSaveAndValidate;
    CDialog* const m_pDlgWnd;

    // Looks up a control and remembers it as the one a failure puts the focus on.
    QWidget* PrepareCtrl(int id);
    // Puts the focus on the last prepared control (its text selected) and ends the
    // exchange.
    [[noreturn]] void Fail();

private:
    QWidget* m_pLastControl = nullptr;
};

// The prompt of a float edit that does not hold a number.
inline constexpr const char* kPromptNotANumber = "请键入一个数。";

// A float member in an edit: shown with six significant digits; read as a decimal
// number with blanks around it, else the prompt, the focus on the edit and Fail().
void DDX_Text(CDataExchange* pDX, int id, float& value);
// The index of the checked radio of the group starting at `firstId` (-1 for none).
void DDX_Radio(CDataExchange* pDX, int firstId, int& index);
// A member widget takes the place of the template's control `id` (once).
void DDX_Control(CDataExchange* pDX, int id, QWidget& control);

} // namespace platform
