// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes at all as "Param.ini": read the settings, write them back, read the file again.
// Nothing may crash, any file must read and write back byte for byte, and every key the game
// writes must read back as written. The same bytes also go through the file on disk, as a
// regular file, a link to one, a file grown past the largest the game reads, or beside them a
// FIFO or a directory: each must load and save as the game promises, never wait, and leave
// what it may not write as it was. Built and run by scripts/fuzz_settings.sh, which asks it for
// its dictionary with --dictionary.
#include "store/file_on_disk.h"
#include "store/ini_document.h"
#include "store/settings.h"
#include "store/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <sys/stat.h>

namespace
{

using store::IniDocument;

void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

using LoadResult = store::SettingsFile::LoadResult;
using SaveResult = store::SettingsFile::SaveResult;

// What "Param.ini" is on disk, chosen by the input's first byte.
enum class FileKind { Regular, Link, Fifo, Directory, Grown, Count };

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool startsWideText(const QByteArray& bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ||
           bytes.startsWith(QByteArrayView("\0\0\xFE\xFF", 4));
}

// Puts `contents` on disk as Param.ini of the given kind in `directory`, with its link's
// target beside it; returns the file that holds the bytes.
QString makeFile(const QDir& directory, FileKind kind, const QByteArray& contents)
{
    QString path = directory.filePath("Param.ini");
    QString target = directory.filePath("target.ini");
    const auto write = [&contents](const QString& name) {
        QFile file(name);
        require(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size(),
                "the test file could not be written");
    };
    switch (kind) {
    case FileKind::Regular:
        write(path);
        return path;
    case FileKind::Link:
        write(target);
        require(QFile::link(target, path), "the link could not be made");
        return target;
    case FileKind::Fifo:
        require(::mkfifo(QFile::encodeName(path).constData(), S_IRUSR | S_IWUSR) == 0,
                "the FIFO could not be made");
        return path;
    case FileKind::Directory:
        require(directory.mkdir("Param.ini"), "the directory could not be made");
        return path;
    case FileKind::Grown:
        write(path);
        require(QFile(path).resize(store::MaxFileSize + 1 + contents.size()),
                "the file could not grow");
        return path;
    case FileKind::Count:
        break;
    }
    return path;
}

void checkFileOnDisk(FileKind kind, const QByteArray& contents)
{
    const QTemporaryDir scratch;
    const QDir directory(scratch.path());
    const QString holder = makeFile(directory, kind, contents);
    // A FIFO is not read here either: that would wait for a writer.
    const QByteArray before = kind == FileKind::Fifo ? QByteArray() : contentsOf(holder);
    store::SettingsFile file({.preferred = scratch.path(), .fallback = scratch.path()});
    store::Settings settings;
    const LoadResult loaded = file.load(settings);
    const SaveResult saved = file.save(settings);
    const bool special = kind == FileKind::Fifo || kind == FileKind::Directory;
    const bool unusable = kind == FileKind::Grown || startsWideText(contents);
    if (special || unusable) {
        require(loaded == (special ? LoadResult::FileError : LoadResult::UnusableData),
                "an odd file loaded otherwise");
        require(saved == SaveResult::NotLoaded, "an odd file was saved");
        require(special || contentsOf(holder) == before, "an odd file changed");
        require(QFileInfo(directory.filePath("Param.ini")).isDir() == (kind == FileKind::Directory),
                "an odd file changed its kind");
        return;
    }
    require(loaded == LoadResult::Loaded || loaded == LoadResult::DataError,
            "a file of text did not load");
    require(saved == SaveResult::Saved, "a file of text was not saved");
    require(QFileInfo(directory.filePath("Param.ini")).isSymLink() == (kind == FileKind::Link),
            "a link was not kept");
    bool ok = false;
    require(store::readSettings(IniDocument(contentsOf(holder)), &ok) == settings,
            "the settings on disk read back otherwise");
    require(ok, "a counter on disk reads as bad data");
}

// One entry of libFuzzer's dictionary, every byte escaped.
void printDictionaryEntry(const QByteArray& bytes)
{
    std::printf("\"");
    for (const char byte : bytes)
        std::printf("\\x%02X", static_cast<unsigned char>(byte));
    std::printf("\"\n");
}

// The words worth trying: each key's lines as the game writes them into a new file, its
// section's header and the key with its equals sign, and the headers again in UTF-8, as an
// editor may have saved them.
void printDictionary()
{
    std::set<QByteArray> entries;
    for (const IniDocument::Key& key : store::settingKeys()) {
        IniDocument file;
        file.setValue(key, {});
        for (const QByteArray& line : file.toBytes().split('\n'))
            entries.insert(line.trimmed());
        entries.insert('[' + key.section.toUtf8() + ']');
    }
    entries.erase(QByteArray());
    for (const QByteArray& entry : entries)
        printDictionaryEntry(entry);
}

} // namespace

// `--dictionary` prints the dictionary for the script to hand back to libFuzzer with -dict.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    if (*argc > 1 && std::strcmp((*argv)[1], "--dictionary") == 0) {
        printDictionary();
        std::exit(EXIT_SUCCESS);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray contents(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const IniDocument file(contents);
    require(file.toBytes() == contents, "the file changed on reading");

    const store::Settings settings = store::readSettings(file);
    IniDocument saved = file;
    store::writeSettings(settings, saved);
    const QByteArray bytes = saved.toBytes();
    const IniDocument again(bytes);
    require(again.toBytes() == bytes, "a saved file changed on reading");

    for (const IniDocument::Key& key : store::settingKeys()) {
        const bool leftAsItWas = key.name == u"WindowState" && !settings.windowState;
        require(leftAsItWas || saved.value(key).has_value(), "a key was not written");
        require(again.value(key) == saved.value(key), "a key read back otherwise");
    }
    bool ok = false;
    require(store::readSettings(again, &ok) == settings, "the settings read back otherwise");
    require(ok, "a counter the game wrote reads as bad data");

    if (size > 0)
        checkFileOnDisk(static_cast<FileKind>(data[0] % static_cast<int>(FileKind::Count)),
                        contents);
    return 0;
}
