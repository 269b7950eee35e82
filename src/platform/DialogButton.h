#pragma once
// A push button drawn with the frame styles of its template, as Windows draws them:
// a modal frame (a raised two-pixel edge) and a static edge (a sunken one-pixel
// edge) around the button, a flat face with a one-pixel frame, and the default
// button with a dark one-pixel frame around its face.

#include <QPushButton>

namespace platform {

class DialogButton : public QPushButton {
    Q_OBJECT
public:
    // `style` holds the template's control styles; CS_FLAT, CS_STATICEDGE and
    // CS_MODALFRAME change the drawing.
    DialogButton(const QString& text, unsigned style, QWidget* parent);

    // The pixels the frame styles take on each side of the button's face.
    int EdgeWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const unsigned m_style;
};

} // namespace platform
