#include "PictureFile.h"

#include "RegularFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>

#include <cstring>
#include <limits>

namespace {

constexpr int kFileHeaderSize = 14;

template <typename T>
T littleEndianAt(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<T>(reinterpret_cast<const uchar *>(bytes.constData()) + offset);
}

PictureFile::Result refused(Text reason, QStringList values = {})
{
    return {std::nullopt, {reason, values}};
}

PictureFile::Result tooLarge(int width, int height)
{
    return refused(Text::PictureTooLarge, {QString::number(width), QString::number(height),
                                           QString::number(PictureFile::kMaximumSide)});
}

} // namespace

std::optional<PictureFile::BmpLayout> PictureFile::bmpLayout(const QByteArray &bytes)
{
    if (bytes.size() < kFileHeaderSize + 12 || !bytes.startsWith("BM"))
        return std::nullopt;
    const quint32 dataOffset = littleEndianAt<quint32>(bytes, 10);
    const quint32 headerSize = littleEndianAt<quint32>(bytes, 14);

    BmpLayout layout;
    qint64 width = 0;
    qint64 height = 0;
    if (headerSize == 12) { // the old core header: 16-bit sides
        width = littleEndianAt<quint16>(bytes, 18);
        height = littleEndianAt<quint16>(bytes, 20);
        layout.bitsPerPixel = littleEndianAt<quint16>(bytes, 24);
    } else if (((headerSize >= 16 && headerSize <= 64) || headerSize == 108 || headerSize == 124)
               && bytes.size() >= kFileHeaderSize + 16) {
        // OS/2 2.x (16 to 64 bytes) and the info header (40) with its later
        // versions (52, 56, 108, 124) share the first fields.
        width = littleEndianAt<qint32>(bytes, 18);
        const qint32 signedHeight = littleEndianAt<qint32>(bytes, 22);
        layout.topDown = signedHeight < 0;
        height = qAbs(qint64(signedHeight));
        layout.bitsPerPixel = littleEndianAt<quint16>(bytes, 28);
        if (headerSize >= 20 && bytes.size() >= 34)
            layout.compression = littleEndianAt<quint32>(bytes, 30);
    } else {
        return std::nullopt;
    }
    if (width <= 0 || height <= 0 || layout.bitsPerPixel == 0 || dataOffset < kFileHeaderSize + headerSize)
        return std::nullopt;

    layout.dataOffset = dataOffset;
    layout.width = int(qMin<qint64>(width, std::numeric_limits<int>::max()));
    layout.height = int(qMin<qint64>(height, std::numeric_limits<int>::max()));
    constexpr quint32 kUncompressed = 0, kBitFields = 3, kAlphaBitFields = 6;
    if (width > kMaximumSide || height > kMaximumSide) {
        // Refused for its size anyway; the product of absurd sides would overflow.
        layout.requiredSize = std::numeric_limits<qint64>::max();
    } else if (layout.compression == kUncompressed || layout.compression == kBitFields
               || layout.compression == kAlphaBitFields) {
        const qint64 rowSize = (layout.bitsPerPixel * width + 31) / 32 * 4;
        layout.requiredSize = qint64(dataOffset) + rowSize * height;
    }
    return layout;
}

std::optional<int> PictureFile::statedBitsPerPixel(const QByteArray &bytes)
{
    if (const auto bmp = bmpLayout(bytes))
        return bmp->bitsPerPixel;
    if (bytes.size() >= 26 && bytes.startsWith("\x89PNG\r\n\x1a\n") && bytes.mid(12, 4) == "IHDR") {
        const int bitDepth = quint8(bytes[24]);
        switch (quint8(bytes[25])) { // colour type
        case 0: return bitDepth;     // grey
        case 2: return 3 * bitDepth; // RGB
        case 3: return bitDepth;     // palette
        case 4: return 2 * bitDepth; // grey and alpha
        case 6: return 4 * bitDepth; // RGBA
        }
    }
    return std::nullopt;
}

PictureFile::Result PictureFile::load24Bit(const QString &path)
{
    const RegularFile::Content content = RegularFile::read(path, kMaximumFileSize);
    if (content.problem)
        return {std::nullopt, *content.problem};
    return decode24Bit(content.bytes);
}

QStringList PictureFile::writableSuffixes()
{
    QStringList suffixes;
    for (const QByteArray &format : QImageWriter::supportedImageFormats())
        suffixes << QString::fromLatin1(format).toLower();
    suffixes.removeDuplicates();
    suffixes.sort();
    return suffixes;
}

std::optional<QByteArray> PictureFile::formatOfName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix.isEmpty() || !writableSuffixes().contains(suffix))
        return std::nullopt;
    return suffix.toLatin1();
}

std::optional<QByteArray> PictureFile::encode(const QImage &picture, const QByteArray &format)
{
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    if (picture.isNull() || !picture.save(&buffer, format.constData()))
        return std::nullopt;
    return encoded;
}

std::optional<Problem> PictureFile::write(const QImage &picture, const QByteArray &format, const QString &path)
{
    const auto encoded = encode(picture, format);
    if (!encoded)
        return Problem{Text::PictureNotEncoded, {}};
    return RegularFile::write(path, *encoded);
}

PictureFile::Result PictureFile::decode24Bit(const QByteArray &bytes)
{
    // A BMP file is judged by its own headers before any decoder sees it: the
    // decoder would fill the rows a cut-short file lacks from whatever memory
    // held, and those bytes would become element codes.
    const auto bmp = bmpLayout(bytes);
    if (bytes.startsWith("BM") && !bmp)
        return refused(Text::NotAPicture);
    if (bmp) {
        if (bmp->width > kMaximumSide || bmp->height > kMaximumSide)
            return tooLarge(bmp->width, bmp->height);
        if (bmp->bitsPerPixel != 24)
            return refused(Text::Only24Bit);
        if (bytes.size() < bmp->requiredSize) {
            return refused(Text::PictureCutShort,
                           {QString::number(bytes.size()), QString::number(bmp->requiredSize)});
        }
    }

    // The pictures the program draws itself are plain 24-bit bitmaps; their rows
    // are copied straight across, bottom row first unless the header says not.
    if (bmp && bmp->compression == 0) {
        QImage image(bmp->width, bmp->height, QImage::Format_BGR888);
        const qint64 rowSize = (24 * qint64(bmp->width) + 31) / 32 * 4;
        for (int row = 0; row < bmp->height; ++row) {
            const int y = bmp->topDown ? row : bmp->height - 1 - row;
            std::memcpy(image.scanLine(y), bytes.constData() + bmp->dataOffset + row * rowSize,
                        std::size_t(3 * bmp->width));
        }
        return {image, {}};
    }

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!reader.canRead())
        return refused(Text::NotAPicture);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kMaximumSide || size.height() > kMaximumSide))
        return tooLarge(size.width(), size.height());

    const std::optional<int> stated = statedBitsPerPixel(bytes);
    if (stated && *stated != 24)
        return refused(Text::Only24Bit);

    QImage image;
    if (!reader.read(&image))
        return refused(Text::PictureUnreadable, {reader.errorString()});
    if (image.width() > kMaximumSide || image.height() > kMaximumSide)
        return tooLarge(image.width(), image.height());
    // Formats whose header is not read here must arrive as plain 8-bit RGB.
    if (!stated && image.format() != QImage::Format_RGB888 && image.format() != QImage::Format_BGR888)
        return refused(Text::Only24Bit);
    return {image.convertToFormat(QImage::Format_BGR888), {}};
}
