#pragma once

#include <QImage>

// The plain way to recolour an element: test every pixel of the pane against the
// mask at the same place and write the colour where the mask holds the element's
// code (red n, green 254 - n, any blue). Works on the raw bytes of two
// Format_BGR888 pictures of equal size. The renderer must give exactly this
// result; tests and benchmarks compare against it.
inline void referencePaintElement(int element, int red, int green, int blue, QImage &pane, const QImage &mask)
{
    for (int row = 0; row < pane.height(); ++row) {
        uchar *p = pane.scanLine(row);
        const uchar *m = mask.constScanLine(row);
        for (int column = 0; column < pane.width(); ++column) {
            const int x = 3 * column + 2; // the red byte
            if (m[x] == element && 254 - m[x - 1] == m[x]) {
                p[x] = uchar(red);
                p[x - 1] = uchar(green);
                p[x - 2] = uchar(blue);
            }
        }
    }
}
