#include "platform/ControlFactory.h"

#include "platform/DialogButton.h"
#include "platform/Resources.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>

namespace platform {

namespace {

// The room a button's text keeps from the edges of its face.
constexpr int kButtonTextMargin = 3;

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

QWidget* MakeButton(const ControlTemplate& control, const QString& text, const QRect& rect, QWidget* dialog)
{
    auto* button = new DialogButton(QString(), control.style, dialog);
    const int textWidth = rect.width() - 2 * (button->EdgeWidth() + kButtonTextMargin);
    button->setText((control.style & CS_MULTILINE) ? WrapToWidth(text, button->fontMetrics(), textWidth) : text);
    return button;
}

QWidget* MakePicture(const ControlTemplate& control, QWidget* dialog)
{
    auto* picture = new QLabel(dialog);
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

QWidget* MakeWidget(const ControlTemplate& control, const QRect& rect, QWidget* dialog)
{
    const QString text = QString::fromUtf8(control.text ? control.text : "");
    switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
        return MakeButton(control, text, rect, dialog);
    case ControlKind::Edit:
        return new QLineEdit(dialog);
    case ControlKind::Text: {
        auto* label = new QLabel(text, dialog);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::BlackRect:
    case ControlKind::BlackFrame: {
        auto* frame = new QFrame(dialog);
        frame->setStyleSheet(control.kind == ControlKind::BlackRect ? QStringLiteral("background: black;")
                                                                     : QStringLiteral("border: 1px solid black;"));
        return frame;
    }
    case ControlKind::Bitmap:
    case ControlKind::Icon:
        return MakePicture(control, dialog);
    case ControlKind::GroupBox:
        return new QGroupBox(text, dialog);
    case ControlKind::AutoRadio: {
        // The dialog's button group keeps one radio of a group checked.
        auto* radio = new QRadioButton(text, dialog);
        radio->setAutoExclusive(false);
        return radio;
    }
    }
    return new QWidget(dialog);
}

bool TakesFocus(ControlKind kind)
{
    switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::Edit:
    case ControlKind::AutoRadio:
        return true;
    default:
        return false;
    }
}

} // namespace

QWidget* CreateControl(const ControlTemplate& control, const DialogBaseUnits& units, QWidget* dialog)
{
    const QRect rect = MapDialogRect(units, control.x, control.y, control.cx, control.cy);
    QWidget* widget = MakeWidget(control, rect, dialog);
    widget->setGeometry(rect);
    // A bitmap control takes its bitmap's own size from its top-left corner.
    if (auto* picture = qobject_cast<QLabel*>(widget); picture && control.kind == ControlKind::Bitmap)
        picture->resize(picture->pixmap().size() + QSize(2, 2) * picture->frameWidth());
    if (control.style & CS_TABSTOP)
        widget->setFocusPolicy(Qt::StrongFocus);
    else
        widget->setFocusPolicy(TakesFocus(control.kind) ? Qt::ClickFocus : Qt::NoFocus);
    if (control.style & CS_HIDDEN)
        widget->hide();
    return widget;
}

} // namespace platform
