#pragma once
// Message boxes: the application's name as caption and one button "确定", routed
// through a replaceable sink so that tests record messages instead of blocking.

#include <functional>
#include <string>

class QWidget;

namespace platform {

inline constexpr const char* kAppName = "VORNA";

using MessageSink = std::function<void(QWidget* owner, const std::string& text)>;

// Shows `text` (UTF-8) modally over `owner` and returns when it has been closed.
void ShowMessage(QWidget* owner, const std::string& text);

// Replaces the sink (an empty function restores the message box); returns the old one.
MessageSink SetMessageSink(MessageSink sink);

} // namespace platform
