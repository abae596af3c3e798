// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/file_on_disk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store
{

namespace
{

const QString TemporarySuffix = QStringLiteral(".new");

// An open file, closed when it goes.
struct Descriptor {
    explicit Descriptor(int number) : fd(number) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int fd;
};

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::write(fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// The name of the new file for `path` while program `pid` puts it in place.
QString temporaryName(const QString& path, pid_t pid)
{
    return path + u'.' + QString::number(pid) + TemporarySuffix;
}

} // namespace

FileContents readSmallFile(const QString& path)
{
    using Outcome = FileContents::Outcome;
    // Opened without waiting, as a FIFO would have it wait for a writer.
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.fd < 0)
        return {errno == ENOENT ? Outcome::Missing : Outcome::NotUsable, {}};
    struct stat status = {};
    if (::fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode))
        return {Outcome::NotUsable, {}};
    // Read no more than one byte past the largest file, however large this one is.
    QByteArray bytes(MaxFileSize + 1, Qt::Uninitialized);
    qsizetype size = 0;
    while (size < bytes.size()) {
        const ssize_t got =
            ::read(file.fd, bytes.data() + size, static_cast<std::size_t>(bytes.size() - size));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return {Outcome::NotUsable, {}};
        if (got == 0)
            break;
        size += got;
    }
    if (size > MaxFileSize)
        return {Outcome::TooLarge, {}};
    bytes.truncate(size);
    return {Outcome::Read, bytes};
}

bool replaceFile(const QString& path, const QByteArray& bytes)
{
    // A link is followed, so that the file it leads to is replaced and the link stays.
    const QFileInfo info(path);
    const QString target = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QByteArray name = QFile::encodeName(target);
    struct stat old = {};
    const bool exists = ::stat(name.constData(), &old) == 0;
    if (exists ? !S_ISREG(old.st_mode) || (old.st_mode & S_IWUSR) == 0 : errno != ENOENT)
        return false;
    // The new file's name while it is put in place, this program's own: what a run with the
    // same process number left when it was killed goes first.
    const QByteArray temporary = QFile::encodeName(temporaryName(target, ::getpid()));
    ::unlink(temporary.constData());
    Descriptor file(::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
                           O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    // A file system without unnamed files gets a named one.
    const bool unnamed = file.fd >= 0;
    if (!unnamed)
        file.fd = ::open(temporary.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
    if (file.fd < 0)
        return false;
    const QByteArray descriptorPath = "/proc/self/fd/" + QByteArray::number(file.fd);
    const bool whole = (!exists || ::fchmod(file.fd, old.st_mode & ALLPERMS) == 0) &&
                       writeAll(file.fd, bytes) && ::fsync(file.fd) == 0 &&
                       (!unnamed || ::linkat(AT_FDCWD, descriptorPath.constData(), AT_FDCWD,
                                             temporary.constData(), AT_SYMLINK_FOLLOW) == 0);
    if (whole && ::rename(temporary.constData(), name.constData()) == 0)
        return true;
    ::unlink(temporary.constData());
    return false;
}

void removeLeftovers(const QString& path)
{
    const QFileInfo file(path);
    const QString prefix = file.fileName() + u'.';
    const QStringList names =
        file.dir().entryList({prefix + u'*' + TemporarySuffix}, QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        bool number = false;
        const auto pid = static_cast<pid_t>(
            QStringView(name).sliced(prefix.size()).chopped(TemporarySuffix.size()).toInt(&number));
        if (number && pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH)
            QFile::remove(file.dir().filePath(name));
    }
}

} // namespace store
