#pragma once

// Files that are not what a save or a read expects: FIFOs, and a disk with no
// room left, made without root and without touching any real device.

#include <QFile>
#include <QString>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

// What a file holds, or a mark that it cannot be read.
inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

inline bool isFifo(const QString &path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

// While it lives, this process cannot write a single byte to a regular file: the
// file size limit is 0, and the signal that would end the process is ignored, so
// every write fails as on a full disk.
class NoRoomOnDisk
{
public:
    NoRoomOnDisk()
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        applyTo();
    }
    ~NoRoomOnDisk()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    NoRoomOnDisk(const NoRoomOnDisk &) = delete;
    NoRoomOnDisk &operator=(const NoRoomOnDisk &) = delete;

    // The same for a child process about to start (QProcess::setChildProcessModifier).
    static void applyTo()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit none {};
        ::getrlimit(RLIMIT_FSIZE, &none);
        none.rlim_cur = 0;
        ::setrlimit(RLIMIT_FSIZE, &none);
    }

private:
    struct rlimit m_saved {};
    void (*m_savedHandler)(int) = nullptr;
};
