#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform
{

QString findGameFile(const QString& name)
{
    for (const QString& dir : {QDir::currentPath(), QCoreApplication::applicationDirPath()}) {
        const QFileInfo file(QDir(dir).filePath(name));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

} // namespace platform
