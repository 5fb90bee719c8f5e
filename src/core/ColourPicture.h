#pragma once

#include "Problem.h"

#include <QImage>

#include <atomic>
#include <optional>

class QIODevice;

// A picture read for its colours (a scheme is derived from them), from a file
// anyone may have made. Its size is judged by what its header declares before
// anything is decoded, so a file of a few hundred bytes that declares
// 30000 × 30000 pixels costs no memory; a picture whose data ends early is
// refused rather than taken with the decoder's grey fill. A large JPEG is
// decoded at an eighth of its size, which its decoder does at once; other
// formats are decoded whole, which the pixel limit keeps under 300 MB.
class ColourPicture
{
public:
    static constexpr int kMaximumSide = 16384;
    static constexpr qint64 kMaximumPixels = 32'000'000;
    static constexpr qint64 kMaximumFileSize = qint64(256) << 20;

    struct Result
    {
        QImage picture;                 // null when refused
        std::optional<Problem> problem; // why, when refused
    };

    // Reads a regular file without blocking (a FIFO, a device or a folder is
    // refused). `cancelled`, when given, is polled while the decoder reads:
    // once set, the read ends soon after with a null picture.
    static Result read(const QString &path, const std::atomic_bool *cancelled = nullptr);
    // The same for a device open for reading.
    static Result decode(QIODevice &device, const std::atomic_bool *cancelled = nullptr);
};
