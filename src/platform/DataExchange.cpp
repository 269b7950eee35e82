#include "platform/DataExchange.h"

#include "platform/CDialog.h"
#include "platform/FloatText.h"
#include "platform/MessageBox.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace platform {

CDataExchange::CDataExchange(CDialog* dialog, bool bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(dialog)
{
}

QWidget* CDataExchange::PrepareCtrl(int id)
{
    m_pLastControl = m_pDlgWnd->GetDlgItem(id);
    return m_pLastControl;
}

void CDataExchange::Fail()
{
    m_pDlgWnd->GotoDlgCtrl(m_pLastControl);
    throw DataExchangeFailure{};
}

void DDX_Text(CDataExchange* pDX, int id, float& value)
{
    auto* edit = qobject_cast<QLineEdit*>(pDX->PrepareCtrl(id));
    if (edit == nullptr)
        return;
    if (!pDX->m_bSaveAndValidate) {
        edit->setText(QString::fromStdString(FloatToText(value)));
        return;
    }
    const std::optional<float> read = ParseFloatText(edit->text().toStdString());
    if (!read) {
        ShowMessage(pDX->m_pDlgWnd, kPromptNotANumber);
        pDX->Fail();
    }
    value = *read;
}

void DDX_Radio(CDataExchange* pDX, int firstId, int& index)
{
    pDX->PrepareCtrl(firstId);
    const std::vector<int> group = pDX->m_pDlgWnd->RadioGroup(firstId);
    if (pDX->m_bSaveAndValidate) {
        index = -1;
        for (std::size_t i = 0; i < group.size(); ++i) {
            if (pDX->m_pDlgWnd->IsDlgButtonChecked(group[i])) {
                index = static_cast<int>(i);
                break;
            }
        }
        return;
    }
    for (std::size_t i = 0; i < group.size(); ++i)
        pDX->m_pDlgWnd->CheckDlgButton(group[i], static_cast<int>(i) == index);
}

void DDX_Control(CDataExchange* pDX, int id, QWidget& control)
{
    pDX->m_pDlgWnd->ReplaceControl(id, &control);
}

} // namespace platform
