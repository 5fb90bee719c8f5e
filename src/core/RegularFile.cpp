#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

std::optional<QString> RegularFile::notRegular(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("it is a folder, not a file");
    if (info.exists() && !info.isFile())
        return QStringLiteral("it is a device or other special file, not a regular file");
    return std::nullopt;
}

RegularFile::Content RegularFile::read(const QString &path, qint64 limit)
{
    if (auto problem = notRegular(path))
        return {{}, problem};

    QFile file;
#if defined(Q_OS_UNIX)
    // Opened without blocking, then checked again on the open descriptor: the
    // name may have been replaced by a FIFO since the check above.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        file.setFileName(path);
        file.open(QIODevice::ReadOnly); // for the system's wording of the error
        return {{}, file.errorString()};
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return {{}, QStringLiteral("it is a device or other special file, not a regular file")};
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {{}, file.errorString()};
    }
#else
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
#endif
    if (file.size() > limit)
        return {{}, QStringLiteral("the file is too large (%1 bytes; at most %2)").arg(file.size()).arg(limit)};
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    if (bytes.size() > limit) // it grew while being read
        return {{}, QStringLiteral("the file is too large (more than %1 bytes)").arg(limit)};
    return {bytes, std::nullopt};
}

std::optional<QString> RegularFile::write(const QString &path, const QByteArray &bytes)
{
    if (auto problem = notRegular(path))
        return problem;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // commit() can report success although the last buffered write failed, and
    // then puts the empty temporary file in the target's place: every write is
    // flushed and checked before committing.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

bool RegularFile::isSameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    return first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}
