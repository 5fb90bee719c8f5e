#include "PictureFile.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>

const QString PictureFile::kOnly24BitMessage = QStringLiteral("Es werden nur 24-Bit Bitmaps unterstützt!");

std::optional<int> PictureFile::statedBitsPerPixel(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray head = file.read(32);
    const auto *bytes = reinterpret_cast<const uchar *>(head.constData());
    if (head.size() >= 30 && head.startsWith("BM"))
        return qFromLittleEndian<quint16>(bytes + 28);
    if (head.size() >= 26 && head.startsWith("\x89PNG\r\n\x1a\n") && head.mid(12, 4) == "IHDR") {
        const int bitDepth = bytes[24];
        switch (bytes[25]) { // colour type
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
    QImageReader reader(path);
    if (!reader.canRead())
        return {std::nullopt, QStringLiteral("this is not a picture (%1)").arg(reader.errorString())};
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kMaximumSide || size.height() > kMaximumSide)) {
        return {std::nullopt, QStringLiteral("the picture is too large (%1 × %2 pixels; at most %3 × %3)")
                                  .arg(size.width())
                                  .arg(size.height())
                                  .arg(kMaximumSide)};
    }

    const std::optional<int> stated = statedBitsPerPixel(path);
    if (stated && *stated != 24)
        return {std::nullopt, kOnly24BitMessage};

    QImage image;
    if (!reader.read(&image))
        return {std::nullopt, QStringLiteral("the picture cannot be read (%1)").arg(reader.errorString())};
    if (image.width() > kMaximumSide || image.height() > kMaximumSide)
        return {std::nullopt, QStringLiteral("the picture is too large")};
    // Formats whose header is not read here must arrive as plain 8-bit RGB.
    if (!stated && image.format() != QImage::Format_RGB888 && image.format() != QImage::Format_BGR888)
        return {std::nullopt, kOnly24BitMessage};
    return {image.convertToFormat(QImage::Format_BGR888), QString()};
}
