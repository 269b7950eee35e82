#pragma once
// The dialog base of every window: builds its controls from a template in dialog
// units, runs modally or as a modeless pane, exchanges members with the controls,
// and routes buttons and keys the way the Windows dialog manager does.

#include "platform/DialogTemplate.h"
#include "platform/DialogUnits.h"

#include <QDialog>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QButtonGroup;
class QKeyEvent;
class QPushButton;

namespace platform {

class CDataExchange;

class CDialog : public QDialog {
    Q_OBJECT
public:
    explicit CDialog(const DialogTemplate& tmpl, QWidget* parent = nullptr);

    // Runs the dialog modally: OnInitDialog, then the modal loop (or the modal hook
    // of the tests) until EndDialog. Returns the value given to EndDialog.
    int DoModal();
    // Shows the dialog without a modal loop (the preview pane, and tests): OnInitDialog,
    // then shown when the template is visible or a popup.
    bool Create();
    void EndDialog(int result);
    bool IsEnded() const { return m_bEnded; }
    int Result() const { return m_nResult; }

    bool UpdateData(bool bSaveAndValidate = true);

    QWidget* GetDlgItem(int id) const;
    // Gives `control` the focus as the dialog manager does: an edit's whole text is
    // selected, so that what the user types next replaces it.
    void GotoDlgCtrl(QWidget* control, Qt::FocusReason reason = Qt::OtherFocusReason);
    std::string GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const std::string& text);
    bool IsDlgButtonChecked(int id) const;
    void CheckDlgButton(int id, bool checked);

    // The modal message box of the dialog: the application's name as caption, OK only.
    int MessageBox(const std::string& text);
    void Invalidate(bool bErase = true);

    const DialogTemplate& Template() const { return m_template; }
    int TemplateId() const { return m_template.id; }
    // A rectangle of the template in pixels of this dialog.
    QRect MapRect(int x, int y, int cx, int cy) const;

    // The radio buttons of the group that starts at `firstId`, in template order.
    std::vector<int> RadioGroup(int firstId) const;
    // Puts `widget` where the control `id` stands (same geometry and visibility)
    // and lets it answer to that id from now on.
    void ReplaceControl(int id, QWidget* widget);

protected:
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();
    // Sees every key press of the dialog's own controls before the dialog handles
    // it; returns true to consume it.
    virtual bool PreTranslateKey(QKeyEvent* event);
    // A command of the window's system menu (Windows only: see SystemMenu.h), its four
    // low bits cleared; returns true when handled, false to leave it to the system
    // (move, size, close and the like).
    virtual bool OnSysCommand(unsigned id);

    // Message map entry: a click of button `id` runs `handler` instead of the default
    // (OK for id 1, Cancel for id 2).
    void OnClicked(int id, std::function<void()> handler);

    // Tab and Shift+Tab: the next or previous control with the tab-stop style, in
    // template order.
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void BuildControls();
    void BuildRadioGroups();
    // OnInitDialog once; when it answers true, the focus goes to the first tab stop.
    void InitDialog();
    void Clicked(int id);
    bool HandleKey(QKeyEvent* event);
    // An arrow key on a radio: the next or previous radio of its group takes the
    // focus and is checked, as an auto radio button is.
    bool MoveInRadioGroup(bool next);
    // The push button with the focus is drawn as the default one; with the focus
    // elsewhere, the template's default button.
    void ShowDefaultLook(QPushButton* focused);
    QWidget* NextTabItem(QWidget* from, bool next) const;
    QButtonGroup* GroupOf(int id) const;

    const DialogTemplate& m_template;
    DialogBaseUnits m_units{};
    std::vector<QWidget*> m_items;  // the controls in template order
    QPushButton* m_defaultButton = nullptr;
    std::map<int, std::function<void()>> m_clickHandlers;
    std::vector<QButtonGroup*> m_radioGroups;
    bool m_bInitialized = false;
    bool m_bInModalLoop = false;
    bool m_bEnded = false;
    int m_nResult = 0;
};

// Tests replace the modal loop: the hook gets the initialised dialog, may drive it,
// and its result is DoModal's result when the dialog was not ended by EndDialog.
using ModalHook = std::function<int(CDialog& dialog)>;
ModalHook SetModalHook(ModalHook hook);

} // namespace platform
