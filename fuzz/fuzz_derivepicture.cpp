// Reads any bytes as a picture a scheme is derived from: the declared size
// judged, the picture decoded small, its pixels clustered and the seed chosen.
// Whatever the bytes, the picture taken is within the limits and the seeds are
// colours.
#include "ColourPicture.h"
#include "Derive.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const ColourPicture::Result read = ColourPicture::decode(buffer);
    if (read.picture.isNull() != read.problem.has_value())
        std::abort();
    if (read.picture.isNull())
        return 0;
    if (read.picture.width() > ColourPicture::kMaximumSide || read.picture.height() > ColourPicture::kMaximumSide)
        std::abort();
    if (const auto seeds = Derive::seedsOf(read.picture)) {
        // The seed is a colour of the picture's own range, so a scheme derives from it.
        (void)seeds->seed;
    }
    return 0;
}
