// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform
{

namespace
{

// An installed game keeps its data in share/tavlen beside the bin/ or games/ directory.
const QString InstalledDataDirectory = QStringLiteral("../share/tavlen");

} // namespace

QStringList gameFileDirectories()
{
    const QString programDirectory = QCoreApplication::applicationDirPath();
    return QStringList{QDir::currentPath(), programDirectory,
                       QDir::cleanPath(QDir(programDirectory).filePath(InstalledDataDirectory))} +
           QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
}

QString findGameFile(const QString& name)
{
    for (const QString& dir : gameFileDirectories()) {
        const QFileInfo file(QDir(dir).filePath(name));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

} // namespace platform
