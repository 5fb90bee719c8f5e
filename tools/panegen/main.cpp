// Draws the six preview screens of the editor into BMP files:
//
//     vexlume_panegen FOLDER [--stats]
//
// writes FOLDER/pane0.bmp .. pane5.bmp, 101 x 80 pixels at 24 bits. The pictures are
// drawn only from the data in this program (its own pixel font and artwork), so they
// come out byte for byte the same on every machine. With --stats it also lists, per
// pane and element, the bounding box and the number of the element's pixels.

#include "Canvas.h"
#include "Panes.h"

#include <QDir>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

struct Region
{
    int left = Canvas::kWidth;
    int top = Canvas::kHeight;
    int right = -1;
    int bottom = -1;
    int pixels = 0;
};

// Element regions of one picture, by element number.
std::map<int, Region> regions(const QImage &picture)
{
    std::map<int, Region> found;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb colour = picture.pixel(x, y);
            if (!isElementCode(colour))
                continue;
            Region &region = found[qRed(colour)];
            region.left = std::min(region.left, x);
            region.top = std::min(region.top, y);
            region.right = std::max(region.right, x);
            region.bottom = std::max(region.bottom, y);
            ++region.pixels;
        }
    }
    return found;
}

// A fixed pixel one green step away from an element code would be a drawing slip:
// the program takes only the exact code for an element, and such a pixel would show
// up as neither.
bool hasNearMissCodes(const QImage &picture, int pane)
{
    bool found = false;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb colour = picture.pixel(x, y);
            const int red = qRed(colour);
            const int green = qGreen(colour);
            if (red >= 1 && red <= 60 && (green == 255 - red || green == 253 - red)) {
                std::fprintf(stderr, "pane %d: pixel (%d, %d) is close to the code of element %d\n",
                             pane, x, y, red);
                found = true;
            }
        }
    }
    return found;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2 || argc > 3 || (argc == 3 && QString::fromLocal8Bit(argv[2]) != QLatin1String("--stats"))) {
        std::fprintf(stderr, "usage: %s FOLDER [--stats]\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create the folder %s\n", argv[1]);
        return 1;
    }
    const bool stats = argc == 3;

    for (int pane = 0; pane < Panes::kCount; ++pane) {
        const QImage picture = Panes::draw(pane);
        if (hasNearMissCodes(picture, pane))
            return 1;
        const QString path = folder.filePath(QStringLiteral("pane%1.bmp").arg(pane));
        if (!picture.save(path, "BMP")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        if (stats) {
            for (const auto &[element, region] : regions(picture))
                std::printf("%d %d: %d-%d x %d-%d, %d\n", pane, element, region.left,
                            region.right, region.top, region.bottom, region.pixels);
        }
    }
    return 0;
}
