// Loads any bytes as mask loading does, then builds a pane from the picture and
// paints every element into it.
#include "ElementNumber.h"
#include "PictureFile.h"
#include "PreviewPane.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const PictureFile::Result loaded = PictureFile::decode24Bit(bytes);
    if (!loaded.picture)
        return 0;
    const QImage &picture = *loaded.picture;
    if (picture.format() != QImage::Format_BGR888 || picture.width() > PictureFile::kMaximumSide
        || picture.height() > PictureFile::kMaximumSide)
        std::abort();

    PreviewPane pane(picture);
    qint64 coded = 0;
    for (int element = 0; element <= kElementCount + 1; ++element) {
        pane.paintElement(element, {quint8(element), 1, 2});
        coded += pane.pixelCount(element);
    }
    if (coded > qint64(picture.width()) * picture.height() || pane.size() != picture.size())
        std::abort();
    (void)pane.pictureColourAt({picture.width() / 2, picture.height() / 2});
    return 0;
}
