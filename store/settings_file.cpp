// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/settings_file.h"

#include "store/file_on_disk.h"
#include "store/ini_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

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

QString pathIn(const QString& directory)
{
    return QDir(directory).filePath(FileName.toString());
}

// A file the game cannot read as its text: UTF-16 or UTF-32, by their byte-order marks.
bool isWideText(const QByteArray& bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ||
           bytes.startsWith(QByteArrayView("\0\0\xFE\xFF", 4));
}

// Why the game may neither read nor replace what it found, or nothing when that is a file of
// its text or no file at all.
std::optional<SettingsFile::LoadResult> unusable(const FileContents& file)
{
    switch (file.outcome) {
    case FileContents::Outcome::NotUsable:
        return SettingsFile::LoadResult::FileError;
    case FileContents::Outcome::TooLarge:
        return SettingsFile::LoadResult::UnusableData;
    case FileContents::Outcome::Read:
        if (isWideText(file.bytes))
            return SettingsFile::LoadResult::UnusableData;
        break;
    case FileContents::Outcome::Missing:
        break;
    }
    return std::nullopt;
}

} // namespace

SettingsFile::SettingsFile(const Directories& directories)
    : readPath_(pathIn(directories.preferred)), writeDirectory_(directories.preferred)
{
    if (!isWritableDirectory(directories.preferred)) {
        writeDirectory_ = directories.fallback;
        if (QFileInfo::exists(filePath()) || !QFileInfo::exists(readPath_))
            readPath_ = filePath();
    }
    failedPath_ = readPath_;
}

SettingsFile::LoadResult SettingsFile::load(Settings& settings)
{
    settings = Settings{};
    failedPath_ = readPath_;
    removeLeftovers(filePath());
    const FileContents file = readSmallFile(readPath_);
    if (file.outcome == FileContents::Outcome::Missing) {
        // A first run: the settings go into the file at close.
        loaded_ = QDir().mkpath(writeDirectory_) &&
                  QFile(filePath()).open(QIODevice::WriteOnly | QIODevice::NewOnly);
        failedPath_ = filePath();
        return loaded_ ? LoadResult::Loaded : LoadResult::FileError;
    }
    if (const auto problem = unusable(file))
        return *problem;
    loaded_ = true;
    bool valid = true;
    settings = readSettings(IniDocument(file.bytes), &valid);
    counted_ = settings.tally;
    return valid ? LoadResult::Loaded : LoadResult::DataError;
}

SettingsFile::SaveResult SettingsFile::save(const Settings& settings)
{
    if (!loaded_)
        return SaveResult::NotLoaded;
    failedPath_ = filePath();
    // Read again just before it is written, as another game may have closed meanwhile.
    FileContents file = readSmallFile(filePath());
    if (file.outcome == FileContents::Outcome::Missing && readPath_ != filePath())
        file = readSmallFile(readPath_);
    if (unusable(file))
        return SaveResult::Failed;
    IniDocument document(file.bytes);
    Settings written = settings;
    if (!tallyReset_)
        written.tally = addedTally(readSettings(document).tally, counted_, settings.tally);
    writeSettings(written, document);
    // The configuration directory is made when the file beside the program was read.
    if (!QDir().mkpath(writeDirectory_) || !replaceFile(filePath(), document.toBytes()))
        return SaveResult::Failed;
    counted_ = settings.tally;
    tallyReset_ = false;
    return SaveResult::Saved;
}

void SettingsFile::markTallyReset()
{
    tallyReset_ = true;
}

QString SettingsFile::filePath() const
{
    return pathIn(writeDirectory_);
}

QString SettingsFile::errorMessage() const
{
    return QStringLiteral("Файл ") + QDir::toNativeSeparators(failedPath_) +
           QStringLiteral(
               " содержит ошибочные данные. Чтобы избежать дальнейших ошибок, удалите его.");
}

} // namespace store
