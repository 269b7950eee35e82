#include "platform/DialogButton.h"

#include "platform/DialogTemplate.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <qdrawutil.h>

namespace platform {

namespace {

constexpr int kModalFrameWidth = 2;
constexpr int kStaticEdgeWidth = 1;

// A one-pixel frame along the inside of `rect`; the rectangle inside it.
QRect DrawFrame(QPainter& painter, const QRect& rect, const QColor& color)
{
    painter.setPen(color);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    return rect.adjusted(1, 1, -1, -1);
}

} // namespace

DialogButton::DialogButton(const QString& text, unsigned style, QWidget* parent)
    : QPushButton(text, parent), m_style(style)
{
    // The dialog decides which button is drawn as the default one and what Enter
    // presses; Qt's own choice would follow the focus into other dialogs' buttons.
    setAutoDefault(false);
}

int DialogButton::EdgeWidth() const
{
    return ((m_style & CS_MODALFRAME) ? kModalFrameWidth : 0) + ((m_style & CS_STATICEDGE) ? kStaticEdgeWidth : 0);
}

void DialogButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    const QPalette& colors = palette();
    QRect face = rect();
    if (m_style & CS_MODALFRAME) {
        qDrawWinPanel(&painter, face, colors, false);
        face.adjust(kModalFrameWidth, kModalFrameWidth, -kModalFrameWidth, -kModalFrameWidth);
    }
    if (m_style & CS_STATICEDGE) {
        qDrawShadeRect(&painter, face, colors, true, kStaticEdgeWidth);
        face.adjust(kStaticEdgeWidth, kStaticEdgeWidth, -kStaticEdgeWidth, -kStaticEdgeWidth);
    }
    if (isDefault())
        face = DrawFrame(painter, face, colors.color(QPalette::WindowText));

    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = face;
    if (!(m_style & CS_FLAT)) {
        painter.drawControl(QStyle::CE_PushButton, option);
        return;
    }
    painter.fillRect(face, colors.brush(isDown() || isChecked() ? QPalette::Mid : QPalette::Button));
    DrawFrame(painter, face, colors.color(QPalette::WindowText));
    painter.drawControl(QStyle::CE_PushButtonLabel, option);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = face.adjusted(3, 3, -3, -3);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace platform
