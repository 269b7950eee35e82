#include "platform/CDialog.h"

#include "platform/DataExchange.h"
#include "platform/FontMap.h"
#include "platform/MessageBox.h"
#include "platform/Resources.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

namespace platform {

namespace {

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

ModalHook& CurrentModalHook()
{
    static ModalHook hook;
    return hook;
}

// A multi-line button's text broken where it no longer fits the button's width.
QString WrapToWidth(const QString& text, const QFontMetrics& metrics, int width)
{
    QString wrapped;
    QString line;
    for (const QChar ch : text) {
        if (!line.isEmpty() && metrics.horizontalAdvance(line + ch) > width) {
            wrapped += line + QLatin1Char('\n');
            line.clear();
        }
        line += ch;
    }
    return wrapped + line;
}

QPixmap ResourcePixmap(const char* type, int id)
{
    QPixmap pixmap;
    pixmap.load(ResourcePath(type, id));
    return pixmap;
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
        QWidget* widget = BuildControl(control);
        widget->setGeometry(MapRect(control.x, control.y, control.cx, control.cy));
        // A bitmap control takes its bitmap's own size from its top-left corner.
        if (auto* picture = qobject_cast<QLabel*>(widget); picture && control.kind == ControlKind::Bitmap)
            picture->resize(picture->pixmap().size() + QSize(2, 2) * picture->frameWidth());
        if (control.style & CS_HIDDEN)
            widget->hide();
        widget->installEventFilter(this);
        if (control.id != -1)
            m_controls[control.id] = widget;
    }
    // Group boxes are drawn behind the controls they frame, whatever their order.
    for (QGroupBox* box : findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
        box->lower();
    BuildRadioGroups();
}

QWidget* CDialog::BuildControl(const ControlTemplate& control)
{
    const QString text = QString::fromUtf8(control.text ? control.text : "");
    switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* button = new QPushButton(this);
        button->setAutoDefault(false);
        const int width = MapRect(0, 0, control.cx, 0).width() - 6;
        button->setText((control.style & CS_MULTILINE) ? WrapToWidth(text, button->fontMetrics(), width)
                                                       : text);
        if (!(control.style & CS_TABSTOP) && control.kind == ControlKind::PushButton
            && control.id != kIdOk && control.id != kIdCancel)
            button->setFocusPolicy(Qt::ClickFocus);
        const int id = control.id;
        connect(button, &QPushButton::clicked, this, [this, id] { Clicked(id); });
        return button;
    }
    case ControlKind::Edit:
        return new QLineEdit(this);
    case ControlKind::Text: {
        auto* label = new QLabel(text, this);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::BlackRect:
    case ControlKind::BlackFrame: {
        auto* frame = new QFrame(this);
        if (control.kind == ControlKind::BlackRect) {
            frame->setStyleSheet(QStringLiteral("background: black;"));
        } else {
            frame->setStyleSheet(QStringLiteral("border: 1px solid black;"));
        }
        return frame;
    }
    case ControlKind::Bitmap:
    case ControlKind::Icon: {
        auto* picture = new QLabel(this);
        const QPixmap pixmap =
            ResourcePixmap(control.kind == ControlKind::Bitmap ? "Bitmap" : "Icon", control.resourceId);
        if (control.kind == ControlKind::Icon)
            picture->setPixmap(pixmap.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        else
            picture->setPixmap(pixmap);
        if (control.style & CS_BORDER)
            picture->setFrameStyle(QFrame::Box | QFrame::Plain);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    case ControlKind::GroupBox:
        return new QGroupBox(text, this);
    case ControlKind::AutoRadio: {
        auto* radio = new QRadioButton(text, this);
        radio->setAutoExclusive(false);
        return radio;
    }
    }
    return new QWidget(this);
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
    m_controls[id] = widget;
    old->deleteLater();
    old->hide();
}

QWidget* CDialog::GetDlgItem(int id) const
{
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
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

int CDialog::DoModal()
{
    m_bEnded = false;
    if (!m_bInitialized) {
        m_bInitialized = true;
        OnInitDialog();
    }
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
    if (!m_bInitialized) {
        m_bInitialized = true;
        OnInitDialog();
    }
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
        if (focused && focused->parentWidget() == this) {
            focused->click();
            return true;
        }
        for (const ControlTemplate& control : m_template.controls) {
            if (control.kind == ControlKind::DefPushButton) {
                if (auto* button = qobject_cast<QPushButton*>(GetDlgItem(control.id))) {
                    button->click();
                    return true;
                }
            }
        }
        Clicked(kIdOk);
        return true;
    }
    default:
        return false;
    }
}

bool CDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched != this)
        return HandleKey(static_cast<QKeyEvent*>(event));
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

} // namespace platform
