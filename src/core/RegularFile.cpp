#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <cerrno>
#include <unistd.h>
#endif

namespace {

// The system's own words for what went wrong with a file.
Problem systemSays(const QFileDevice &file)
{
    return {Text::SystemSays, {file.errorString()}};
}

// Opens a name that must be a regular file, without blocking, and checks on the
// open descriptor that it is one: the name may have been replaced by a FIFO or
// a folder since it was looked at. Nothing is created or truncated.
std::optional<Problem> openRegular(const QString &path, QFile &file, QIODevice::OpenMode mode)
{
    if (auto problem = RegularFile::notRegular(path))
        return problem;
#if defined(Q_OS_UNIX)
    const int access = mode.testFlag(QIODevice::WriteOnly) ? O_WRONLY : O_RDONLY;
    const int fd = ::open(QFile::encodeName(path).constData(), access | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Problem{Text::SystemSays, {qt_error_string(errno)}};
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return Problem{S_ISDIR(status.st_mode) ? Text::IsFolder : Text::IsSpecialFile, {}};
    }
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return systemSays(file);
    }
#else
    file.setFileName(path);
    if (!file.open(mode | QIODevice::ExistingOnly))
        return systemSays(file);
#endif
    return std::nullopt;
}

// Every byte, or the system's reason: a write the system takes only in part
// (a file size limit) is followed by one for the rest, which then fails.
std::optional<Problem> writeAll(QFileDevice &file, const QByteArray &bytes)
{
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0)
            return systemSays(file);
        written += step;
    }
    return std::nullopt;
}

} // namespace

std::optional<Problem> RegularFile::notRegular(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return Problem{Text::IsFolder, {}};
    if (info.exists() && !info.isFile())
        return Problem{Text::IsSpecialFile, {}};
    return std::nullopt;
}

std::optional<Problem> RegularFile::openForReading(const QString &path, QFile &file)
{
    return openRegular(path, file, QIODevice::ReadOnly);
}

RegularFile::Content RegularFile::read(const QString &path, qint64 limit)
{
    QFile file;
    if (auto problem = openForReading(path, file))
        return {{}, problem};
    if (file.size() > limit)
        return {{}, Problem{Text::FileTooLarge, {QString::number(file.size()), QString::number(limit)}}};
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, systemSays(file)};
    if (bytes.size() > limit) // it grew while being read
        return {{}, Problem{Text::FileTooLarge, {QString::number(bytes.size()), QString::number(limit)}}};
    return {bytes, std::nullopt};
}

std::optional<Problem> RegularFile::write(const QString &path, const QByteArray &bytes)
{
    if (auto problem = notRegular(path))
        return problem;
    QSaveFile file(path);
    // Unbuffered, so that every write reaches the system before commit(), which
    // can report success although a last buffered write failed and would then
    // put the short temporary file in the target's place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return systemSays(file);
    if (auto problem = writeAll(file, bytes)) {
        file.cancelWriting();
        return problem;
    }
    if (!file.commit())
        return systemSays(file);
    return std::nullopt;
}

std::optional<Problem> RegularFile::writeInto(const QString &path, const QByteArray &bytes)
{
    if (auto problem = notRegular(path))
        return problem;
    if (!QFileInfo::exists(path))
        return write(path, bytes);
    QFile file;
    if (auto problem = openRegular(path, file, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return problem;
#if defined(Q_OS_UNIX)
    // The room for every byte first: a full disk or a file size limit then
    // fails here, the old bytes as they were, rather than half way through.
    if (const int error = ::posix_fallocate(file.handle(), 0, qMax<qint64>(bytes.size(), 1));
        error != 0 && error != EOPNOTSUPP && error != EINVAL)
        return Problem{Text::SystemSays, {qt_error_string(error)}};
#endif
    // Written over from the start, then cut to its new length.
    if (auto problem = writeAll(file, bytes))
        return problem;
    if (!file.resize(bytes.size()))
        return systemSays(file);
    return std::nullopt;
}

bool RegularFile::isSameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    return first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}
