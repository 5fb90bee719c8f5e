#pragma once

#include "Problem.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

// Reads picture files for the preview. Only true-colour pictures of 24 bits per
// pixel are taken: the preview writes colours byte by byte into pictures of that
// layout, and the masks' element codes only survive in it.
class PictureFile
{
public:
    static constexpr int kMaximumSide = 1024;
    // Far above any picture of kMaximumSide pixels a side in the formats offered.
    static constexpr qint64 kMaximumFileSize = 16 << 20;

    struct Result
    {
        std::optional<QImage> picture; // Format_BGR888 when taken
        Problem problem;               // why not, when refused
    };

    static Result load24Bit(const QString &path);

    // The picture formats the program writes, as the suffixes that name them
    // ("bmp", "jpg", "png", ...): what the toolkit's writers offer.
    static QStringList writableSuffixes();
    // The format a file name's suffix names, in any case; empty for a name
    // without the suffix of a format written, which is then not written at all
    // (a picture named "x.col" would pass for a scheme, and one named "x" would
    // be written under a name the user was never asked about).
    static std::optional<QByteArray> formatOfName(const QString &path);
    // Writes a picture in a format whole or not at all, through RegularFile:
    // never over a special file, the old file as it was when writing fails.
    static std::optional<Problem> write(const QImage &picture, const QByteArray &format, const QString &path);
    // The picture's bytes in a format; empty when it cannot be encoded.
    static std::optional<QByteArray> encode(const QImage &picture, const QByteArray &format);
    // The same for a picture file's bytes.
    static Result decode24Bit(const QByteArray &bytes);

    // What a BMP file's headers say, read from where each header kind keeps it.
    struct BmpLayout
    {
        int width = 0;
        int height = 0; // rows, whichever way they run
        bool topDown = false; // the first row in the file is the top one
        int bitsPerPixel = 0;
        quint32 compression = 0;
        // The file size the headers promise for uncompressed pixels: the pixel
        // data offset plus rows × padded row size; 0 when compressed.
        qint64 requiredSize = 0;
        quint32 dataOffset = 0;
    };
    // Empty unless the bytes start with the headers of a BMP file in one of
    // its known kinds (12-byte core header, OS/2 2.x, 40-byte info header and
    // its later versions).
    static std::optional<BmpLayout> bmpLayout(const QByteArray &bytes);

    // Bits per pixel as the file itself states them (BMP and PNG headers), or
    // empty when the file does not say so in a form read here.
    static std::optional<int> statedBitsPerPixel(const QByteArray &bytes);
};
