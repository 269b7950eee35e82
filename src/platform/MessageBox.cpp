#include "platform/MessageBox.h"

#include "platform/MessageBoxDialog.h"

#include <QString>

#include <utility>

namespace platform {

namespace {

// Empty while the message box serves; user-interface thread only, like the boxes.
MessageSink g_sink;

void ShowMessageBox(QWidget* owner, const std::string& text)
{
    MessageBoxDialog box(owner, QString::fromUtf8(kAppName), QString::fromStdString(text));
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
