#pragma once

#include <QImage>
#include <QString>

#include <optional>

// Reads picture files for the preview. Only true-colour pictures of 24 bits per
// pixel are taken: the preview writes colours byte by byte into pictures of that
// layout, and the masks' element codes only survive in it.
class PictureFile
{
public:
    static const QString kOnly24BitMessage; // "Es werden nur 24-Bit Bitmaps unterstützt!"
    static constexpr int kMaximumSide = 1024;

    struct Result
    {
        std::optional<QImage> picture; // Format_BGR888 when taken
        QString problem;               // why not, when refused
    };

    static Result load24Bit(const QString &path);

    // Bits per pixel as the file itself states them (BMP and PNG headers), or
    // empty when the file does not say so in a form read here.
    static std::optional<int> statedBitsPerPixel(const QString &path);
};
