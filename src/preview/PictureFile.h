#pragma once

#include "Problem.h"

#include <QByteArray>
#include <QImage>
#include <QString>

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
