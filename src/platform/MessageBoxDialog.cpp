#include "platform/MessageBoxDialog.h"

#include "platform/DialogButton.h"
#include "platform/DialogTemplate.h"
#include "platform/DialogUnits.h"
#include "platform/FontMap.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace platform {

namespace {

// The message font of a Chinese Windows.
constexpr const char* kFontFace = "宋体";
constexpr int kPointSize = 9;
// The button and the margins in dialog units of that font.
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kMargin = 10;
// Title-bar squares beside the caption: the icon and the boxes a window manager
// draws (some add minimise and maximise even to a dialog), and the gaps between.
constexpr int kTitleBarSquares = 6;

} // namespace

MessageBoxDialog::MessageBoxDialog(QWidget* owner, const QString& caption, const QString& text)
    : QDialog(owner ? owner->window() : nullptr)
{
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(DialogFont(kFontFace, kPointSize));
    const DialogBaseUnits units = BaseUnitsOf(font());
    const QRect margin = MapDialogRect(units, 0, 0, kMargin, kMargin);
    const QRect button = MapDialogRect(units, 0, 0, kButtonWidth, kButtonHeight);

    auto* message = new QLabel(text, this);
    message->setTextFormat(Qt::PlainText);
    auto* ok = new DialogButton(QString::fromUtf8("确定"), CS_TABSTOP, this);
    ok->setFixedSize(button.size());
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(ok);
    buttonRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin.width(), margin.height(), margin.width(), margin.height() / 2);
    layout->setSpacing(margin.height());
    layout->addWidget(message);
    layout->addLayout(buttonRow);

    QSize size = layout->sizeHint();
    size.setWidth(std::max(size.width(), CaptionWidth(caption)));
    setFixedSize(size);
    ok->setFocus();
    PlaceOver(owner);
}

int MessageBoxDialog::CaptionWidth(const QString& caption)
{
    const QFontMetrics title(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    const int titleBar = std::max(title.height(), QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight));
    return title.horizontalAdvance(caption) + kTitleBarSquares * titleBar;
}

void MessageBoxDialog::PlaceOver(const QWidget* owner)
{
    const QWidget* window = owner ? owner->window() : nullptr;
    QRect area;
    if (window && window->isVisible()) {
        area = window->geometry();
    } else {
        const QScreen* screen = window ? window->screen() : QGuiApplication::primaryScreen();
        area = screen->availableGeometry();
    }
    move(area.center() - rect().center());
}

} // namespace platform
