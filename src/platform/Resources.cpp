#include "platform/Resources.h"

#include <QFile>
#include <QFileInfo>

namespace platform {

namespace {

std::optional<QByteArray> ReadResource(const QString& path)
{
    // A type's folder opens as an empty file; it is no resource.
    QFile file(path);
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace

QString ResourcePath(const char* type, int number)
{
    return ResourcePath(type, QByteArray::number(number).constData());
}

QString ResourcePath(const char* type, const char* name)
{
    return QStringLiteral(":/res/%1/%2").arg(QString::fromUtf8(type), QString::fromUtf8(name));
}

std::optional<QByteArray> LoadResource(const char* type, int number)
{
    return ReadResource(ResourcePath(type, number));
}

std::optional<QByteArray> LoadResource(const char* type, const char* name)
{
    return ReadResource(ResourcePath(type, name));
}

} // namespace platform
