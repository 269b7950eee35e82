#pragma once
// Binary resources by type and number (or name), as the Qt resources under
// ":/res/<type>/<number>". Types in use: "Gif", "Bitmap", "Icon".

#include <QByteArray>
#include <QString>

#include <optional>

namespace platform {

QString ResourcePath(const char* type, int number);
QString ResourcePath(const char* type, const char* name);

// The resource's bytes; nullopt when there is no such resource.
std::optional<QByteArray> LoadResource(const char* type, int number);
std::optional<QByteArray> LoadResource(const char* type, const char* name);

} // namespace platform
