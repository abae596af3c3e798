// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/settings_file.h"

#include "store/ini_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace store
{

namespace
{

constexpr QStringView FileName = u"Param.ini";

bool isWritableDirectory(const QString& path)
{
    const QFileInfo directory(path);
    return directory.isDir() && directory.isWritable();
}

std::optional<QByteArray> readContents(QFile& file)
{
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return contents;
}

} // namespace

SettingsFile::SettingsFile(const QString& preferredDirectory, const QString& fallbackDirectory)
    : directory_(isWritableDirectory(preferredDirectory) ? preferredDirectory : fallbackDirectory)
{
}

SettingsFile::LoadResult SettingsFile::load(Settings& settings)
{
    settings = Settings{};
    QFile file(filePath());
    if (!file.exists()) {
        // A first run: the settings go into the file at close.
        loaded_ = QDir().mkpath(directory_) && file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
        return loaded_ ? LoadResult::Loaded : LoadResult::FileError;
    }
    const auto contents = readContents(file);
    if (!contents)
        return LoadResult::FileError;
    loaded_ = true;
    bool valid = true;
    settings = readSettings(IniDocument(*contents), &valid);
    return valid ? LoadResult::Loaded : LoadResult::DataError;
}

SettingsFile::SaveResult SettingsFile::save(const Settings& settings) const
{
    if (!loaded_)
        return SaveResult::NotLoaded;
    // The file is read again, so that whatever another program or the player changed in it
    // meanwhile besides the settings is kept.
    IniDocument document;
    QFile current(filePath());
    if (current.exists()) {
        const auto contents = readContents(current);
        if (!contents)
            return SaveResult::Failed;
        document = IniDocument(*contents);
    }
    writeSettings(settings, document);
    const QByteArray bytes = document.toBytes();
    // QSaveFile also refuses to replace a file that the player may read but not write.
    QSaveFile file(filePath());
    if (!file.open(QIODevice::WriteOnly))
        return SaveResult::Failed;
    // Qt's commit misses a short write, as on a full disk: a write that did not all reach the
    // disk is cancelled, and the old file stays whole.
    if (file.write(bytes) != bytes.size() || !file.flush())
        file.cancelWriting();
    return file.commit() ? SaveResult::Saved : SaveResult::Failed;
}

QString SettingsFile::filePath() const
{
    return QDir(directory_).filePath(FileName.toString());
}

QString SettingsFile::nativeDirectory() const
{
    return QDir::toNativeSeparators(directory_);
}

QString SettingsFile::errorMessage() const
{
    return QStringLiteral("Файл ") + nativeDirectory() + QDir::separator() + FileName.toString() +
           QStringLiteral(
               " содержит ошибочные данные. Чтобы избежать дальнейших ошибок, удалите его.");
}

} // namespace store
