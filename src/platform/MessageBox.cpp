#include "platform/MessageBox.h"

#include <QMessageBox>
#include <QString>

#include <utility>

namespace platform {

namespace {

// Empty while the QMessageBox serves; user-interface thread only, like the boxes.
MessageSink g_sink;

// Application modal, centred over its owner (or the screen when there is none).
void ShowMessageBox(QWidget* owner, const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kAppName),
                    QString::fromStdString(text), QMessageBox::Ok, owner);
    box.exec();
}

} // namespace

void ShowMessage(QWidget* owner, const std::string& text)
{
    if (g_sink)
        g_sink(owner, text);
    else
        ShowMessageBox(owner, text);
}

MessageSink SetMessageSink(MessageSink sink)
{
    return std::exchange(g_sink, std::move(sink));
}

} // namespace platform
