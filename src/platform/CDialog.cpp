#include "platform/CDialog.h"

#include "platform/ControlFactory.h"
#include "platform/DataExchange.h"
#include "platform/FontMap.h"
#include "platform/MessageBox.h"
#include "platform/SystemMenu.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace platform {

namespace {

constexpr int kNoId = -1;
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

ModalHook& CurrentModalHook()
{
    static ModalHook hook;
    return hook;
}

// The index `step` places after (or before) `from` in a ring of `count`.
int RingIndex(int from, int step, bool next, int count)
{
    return ((from + (next ? step : -step)) % count + count) % count;
}

} // namespace

ModalHook SetModalHook(ModalHook hook)
{
    return std::exchange(CurrentModalHook(), std::move(hook));
}

CDialog::CDialog(const DialogTemplate& tmpl, QWidget* parent)
    : QDialog(parent), m_template(tmpl)
{
    const QFont font = DialogFont(tmpl.fontFace, tmpl.pointSize);
    setFont(font);
    m_units = BaseUnitsOfFace(tmpl.fontFace, font);

    if (tmpl.style & DS_CHILD) {
        setWindowFlags(Qt::Widget);
    } else {
        Qt::WindowFlags flags = (tmpl.style & DS_APPWINDOW) ? Qt::Window : Qt::Dialog;
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (tmpl.style & DS_SYSMENU)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (tmpl.style & DS_MINIMIZEBOX)
            flags |= Qt::WindowMinimizeButtonHint;
        if (tmpl.style & DS_MAXIMIZEBOX)
            flags |= Qt::WindowMaximizeButtonHint;
        setWindowFlags(flags);
        setWindowTitle(QString::fromUtf8(tmpl.caption));
    }
    const QRect client = MapRect(0, 0, tmpl.cx, tmpl.cy);
    if (tmpl.style & (DS_SIZING | DS_CHILD))
        resize(client.size());
    else
        setFixedSize(client.size());
    BuildControls();
}

QRect CDialog::MapRect(int x, int y, int cx, int cy) const
{
    return MapDialogRect(m_units, x, y, cx, cy);
}

void CDialog::BuildControls()
{
    for (const ControlTemplate& control : m_template.controls) {
        QWidget* widget = CreateControl(control, m_units, this);
        widget->installEventFilter(this);
        m_items.push_back(widget);
        if (control.kind == ControlKind::DefPushButton && m_defaultButton == nullptr)
            m_defaultButton = qobject_cast<QPushButton*>(widget);
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            const int id = control.id;
            connect(button, &QPushButton::clicked, this, [this, id] { Clicked(id); });
        }
    }
    // Group boxes are drawn behind the controls they frame, whatever their order.
    for (QGroupBox* box : findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
        box->lower();
    BuildRadioGroups();
    ShowDefaultLook(nullptr);
}

void CDialog::BuildRadioGroups()
{
    // A group runs from its first radio to the next control that starts a group.
    QButtonGroup* group = nullptr;
    for (const ControlTemplate& control : m_template.controls) {
        const bool isRadio = control.kind == ControlKind::AutoRadio;
        if ((control.style & CS_GROUP) && !(isRadio && group == nullptr))
            group = nullptr;
        if (!isRadio)
            continue;
        if (group == nullptr) {
            group = new QButtonGroup(this);
            m_radioGroups.push_back(group);
        }
        if (auto* radio = qobject_cast<QRadioButton*>(GetDlgItem(control.id)))
            group->addButton(radio, control.id);
    }
}

std::vector<int> CDialog::RadioGroup(int firstId) const
{
    std::vector<int> ids;
    bool inGroup = false;
    for (const ControlTemplate& control : m_template.controls) {
        if (!inGroup) {
            inGroup = control.id == firstId;
        } else if (control.style & CS_GROUP) {
            break;
        }
        if (inGroup && control.kind == ControlKind::AutoRadio)
            ids.push_back(control.id);
    }
    return ids;
}

QButtonGroup* CDialog::GroupOf(int id) const
{
    for (QButtonGroup* group : m_radioGroups) {
        if (group->button(id))
            return group;
    }
    return nullptr;
}

void CDialog::ReplaceControl(int id, QWidget* widget)
{
    QWidget* old = GetDlgItem(id);
    if (old == nullptr || old == widget)
        return;
    widget->setParent(this);
    widget->setGeometry(old->geometry());
    widget->setVisible(!old->isHidden());
    widget->stackUnder(old);
    widget->installEventFilter(this);
    for (QWidget*& item : m_items) {
        if (item == old)
            item = widget;
    }
    old->deleteLater();
    old->hide();
}

QWidget* CDialog::GetDlgItem(int id) const
{
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (m_template.controls[i].id == id && id != kNoId)
            return m_items[i];
    }
    return nullptr;
}

void CDialog::GotoDlgCtrl(QWidget* control, Qt::FocusReason reason)
{
    if (control == nullptr)
        return;
    control->setFocus(reason);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->selectAll();
}

QWidget* CDialog::NextTabItem(QWidget* from, bool next) const
{
    const int count = static_cast<int>(m_items.size());
    int start = next ? -1 : count;
    for (int i = 0; i < count; ++i) {
        if (from && (m_items[i] == from || m_items[i]->isAncestorOf(from)))
            start = i;
    }
    // Leaving a radio group, in either direction, leaves the whole group.
    const auto* fromButton = qobject_cast<const QAbstractButton*>(from);
    const QButtonGroup* fromGroup = fromButton ? fromButton->group() : nullptr;
    for (int step = 1; step <= count; ++step) {
        const int i = RingIndex(start, step, next, count);
        QWidget* item = m_items[i];
        if (!(m_template.controls[i].style & CS_TABSTOP) || !item->isVisibleTo(this) || !item->isEnabled())
            continue;
        QButtonGroup* group = GroupOf(m_template.controls[i].id);
        if (group && group == fromGroup)
            continue;
        // A radio group is entered at its checked radio.
        if (group && group->checkedButton())
            return group->checkedButton();
        return item;
    }
    return nullptr;
}

bool CDialog::focusNextPrevChild(bool next)
{
    QWidget* target = NextTabItem(focusWidget(), next);
    if (target == nullptr)
        return false;
    GotoDlgCtrl(target, next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool CDialog::MoveInRadioGroup(bool next)
{
    auto* radio = qobject_cast<QRadioButton*>(focusWidget());
    QButtonGroup* group = radio ? radio->group() : nullptr;
    if (group == nullptr)
        return false;
    const QList<QAbstractButton*> radios = group->buttons();
    const int count = static_cast<int>(radios.size());
    const int at = static_cast<int>(radios.indexOf(radio));
    for (int step = 1; step < count; ++step) {
        QAbstractButton* target = radios[RingIndex(at, step, next, count)];
        if (!target->isVisibleTo(this) || !target->isEnabled())
            continue;
        GotoDlgCtrl(target);
        if (!target->isChecked())
            target->click();
        break;
    }
    return true;
}

void CDialog::ShowDefaultLook(QPushButton* focused)
{
    QPushButton* drawnDefault = focused ? focused : m_defaultButton;
    for (QWidget* item : m_items) {
        if (auto* button = qobject_cast<QPushButton*>(item))
            button->setDefault(button == drawnDefault);
    }
}

std::string CDialog::GetDlgItemText(int id) const
{
    QWidget* widget = GetDlgItem(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text().toStdString();
    if (auto* box = qobject_cast<QGroupBox*>(widget))
        return box->title().toStdString();
    return {};
}

void CDialog::SetDlgItemText(int id, const std::string& text)
{
    const QString value = QString::fromStdString(text);
    QWidget* widget = GetDlgItem(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(value);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(value);
}

bool CDialog::IsDlgButtonChecked(int id) const
{
    auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(id));
    return button != nullptr && button->isChecked();
}

void CDialog::CheckDlgButton(int id, bool checked)
{
    auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(id));
    if (button == nullptr)
        return;
    // An exclusive group refuses to uncheck its checked button; a radio's own check
    // state is what the dialogs set here.
    QButtonGroup* group = GroupOf(id);
    if (group)
        group->setExclusive(false);
    button->setChecked(checked);
    if (group)
        group->setExclusive(true);
}

int CDialog::MessageBox(const std::string& text)
{
    ShowMessage(this, text);
    return kIdOk;
}

void CDialog::Invalidate(bool)
{
    update();
}

bool CDialog::UpdateData(bool bSaveAndValidate)
{
    CDataExchange exchange(this, bSaveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (const DataExchangeFailure&) {
        return false;
    }
    return true;
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(kIdOk);
}

void CDialog::OnCancel()
{
    EndDialog(kIdCancel);
}

bool CDialog::PreTranslateKey(QKeyEvent*)
{
    return false;
}

bool CDialog::OnSysCommand(unsigned)
{
    return false;
}

void CDialog::OnClicked(int id, std::function<void()> handler)
{
    m_clickHandlers[id] = std::move(handler);
}

void CDialog::Clicked(int id)
{
    const auto it = m_clickHandlers.find(id);
    if (it != m_clickHandlers.end())
        it->second();
    else if (id == kIdOk)
        OnOK();
    else if (id == kIdCancel)
        OnCancel();
}

void CDialog::InitDialog()
{
    if (m_bInitialized)
        return;
    m_bInitialized = true;
    if (OnInitDialog())
        GotoDlgCtrl(NextTabItem(nullptr, true));
}

int CDialog::DoModal()
{
    m_bEnded = false;
    InitDialog();
    if (m_bEnded)
        return m_nResult;
    if (const ModalHook& hook = CurrentModalHook()) {
        const int result = hook(*this);
        if (!m_bEnded)
            m_nResult = result;
        m_bEnded = true;
        hide();
        return m_nResult;
    }
    m_bInModalLoop = true;
    const int result = exec();
    m_bInModalLoop = false;
    return m_bEnded ? m_nResult : result;
}

bool CDialog::Create()
{
    m_bEnded = false;
    InitDialog();
    if (!(m_template.style & DS_CHILD) || (m_template.style & DS_VISIBLE))
        show();
    return true;
}

void CDialog::EndDialog(int result)
{
    m_nResult = result;
    m_bEnded = true;
    if (m_bInModalLoop)
        done(result);
    else
        hide();
}

bool CDialog::HandleKey(QKeyEvent* event)
{
    if (PreTranslateKey(event))
        return true;
    switch (event->key()) {
    case Qt::Key_Escape:
        OnCancel();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // Enter presses the focused push button, else the default button, else OK.
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        if (focused && focused->parentWidget() == this)
            focused->click();
        else if (m_defaultButton)
            m_defaultButton->click();
        else
            Clicked(kIdOk);
        return true;
    }
    case Qt::Key_Up:
    case Qt::Key_Left:
        return MoveInRadioGroup(false);
    case Qt::Key_Down:
    case Qt::Key_Right:
        return MoveInRadioGroup(true);
    default:
        return false;
    }
}

bool CDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched != this)
        return HandleKey(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::FocusIn && watched != this)
        ShowDefaultLook(qobject_cast<QPushButton*>(watched));
    return QDialog::eventFilter(watched, event);
}

void CDialog::keyPressEvent(QKeyEvent* event)
{
    if (!HandleKey(event))
        QDialog::keyPressEvent(event);
}

void CDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
    OnCancel();
}

void CDialog::reject()
{
    OnCancel();
}

bool CDialog::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    const std::optional<unsigned> command = SystemMenuCommand(eventType, message);
    if (command && OnSysCommand(*command)) {
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}

} // namespace platform
