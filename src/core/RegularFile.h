#pragma once

#include "Problem.h"

#include <QByteArray>
#include <QString>

class QFile;

#include <optional>

// The one way the program reads and writes its files (schemes, pictures).
//
// Only regular files are touched. A device, FIFO, socket or folder is refused
// before it is opened, so a read never blocks on a FIFO and a save never
// replaces a special file by a regular one.
//
// Writing is atomic: the bytes go to a temporary file beside the target, which
// replaces the target only once every byte is known to be on disk. A failed
// write (a full disk, a file size limit) leaves an existing file byte for byte
// as it was.
class RegularFile
{
public:
    struct Content
    {
        QByteArray bytes;
        std::optional<Problem> problem; // set when nothing was read
    };

    // Reads the whole file, refusing one larger than `limit` bytes.
    static Content read(const QString &path, qint64 limit);

    // Opens a regular file for reading, without blocking, and checks on the
    // open descriptor that it is one (the name may have been replaced by a FIFO
    // since it was looked at); the reason where it is not opened.
    static std::optional<Problem> openForReading(const QString &path, QFile &file);

    // Returns the reason of a failure, or empty on success.
    static std::optional<Problem> write(const QString &path, const QByteArray &bytes);

    // Writes into an existing file itself rather than replacing it, so that
    // whoever holds it open reads the new bytes through the descriptor it has:
    // a thumbnail service makes the output file and reads the picture back
    // that way. The room for every byte is taken first, so a full disk or a
    // file size limit leaves the old bytes as they were; otherwise it is not
    // atomic, so only for a file made to be written (a name not in use is
    // written as write() does).
    static std::optional<Problem> writeInto(const QString &path, const QByteArray &bytes);

    // Whether two names lead to the same existing file.
    static bool isSameFile(const QString &a, const QString &b);

    // Why a name may not be read or written: it is a folder or a special file
    // (through links). Empty for a regular file or a name not in use.
    static std::optional<Problem> notRegular(const QString &path);
};
