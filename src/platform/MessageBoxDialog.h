#pragma once
// The system's message box: its caption, the text and one button "确定", no icon.
// It is at least as wide as its caption needs, and stands centred over its owner's
// window while that is shown, else over the screen. Enter, Escape and the close box
// close it.

#include <QDialog>

namespace platform {

class MessageBoxDialog : public QDialog {
    Q_OBJECT
public:
    MessageBoxDialog(QWidget* owner, const QString& caption, const QString& text);

    // The width a window needs to show `caption` whole in its title bar, beside
    // the icon and the window manager's boxes.
    static int CaptionWidth(const QString& caption);

private:
    void PlaceOver(const QWidget* owner);
};

} // namespace platform
