#include "PalettePicture.h"

namespace {

int bit(int value, int index)
{
    return (value >> index) & 1;
}

// The phone's channel levels: eight for red and green, four for blue.
constexpr quint8 kRedGreenLevels[8] = {0, 36, 72, 109, 145, 182, 218, 255};
constexpr quint8 kBlueLevels[4] = {0, 85, 171, 255};

} // namespace

Rgb PalettePicture::cellColour(int column, int row)
{
    const int red = bit(column, 0) + 2 * bit(column, 2) + 4 * bit(row, 1);
    const int green = bit(column, 1) + 2 * bit(column, 3) + 4 * bit(row, 2);
    const int blue = bit(row, 0) + 2 * bit(row, 3);
    return {kRedGreenLevels[red], kRedGreenLevels[green], kBlueLevels[blue]};
}

QImage PalettePicture::create()
{
    QImage image(kSize, kSize, QImage::Format_BGR888);
    for (int y = 0; y < kSize; ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < kSize; ++x) {
            const Rgb colour = cellColour(x / kCellSize, y / kCellSize);
            line[3 * x] = colour.blue;
            line[3 * x + 1] = colour.green;
            line[3 * x + 2] = colour.red;
        }
    }
    return image;
}
