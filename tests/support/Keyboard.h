#pragma once
// A user at the keyboard: each key goes through the application to the widget that
// has the focus, the way QTest delivers real key presses.

#include <QApplication>
#include <QTest>
#include <QWidget>

// Shows `window` and waits until it is the active window, so that keys reach it.
inline bool ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

inline void PressKeyOnFocus(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
}

inline void TypeOnFocus(const char* utf8)
{
    QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(utf8));
}
