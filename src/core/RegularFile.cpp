#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The system's own words for what went wrong with a file.
Problem systemSays(const QFileDevice &file)
{
    return {Text::SystemSays, {file.errorString()}};
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
        return {{}, systemSays(file)};
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return {{}, Problem{Text::IsSpecialFile, {}}};
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {{}, systemSays(file)};
    }
#else
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, systemSays(file)};
#endif
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
    // put the short temporary file in the target's place. A write the system
    // takes only in part (a file size limit) is followed by one for the rest,
    // which fails with the system's own reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return systemSays(file);
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0) {
            const Problem reason = systemSays(file);
            file.cancelWriting();
            return reason;
        }
        written += step;
    }
    if (!file.commit())
        return systemSays(file);
    return std::nullopt;
}

bool RegularFile::isSameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    return first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}
