#pragma once

// A picture of 70 % blue (above) and 30 % orange (below): a scheme derived from
// it takes the blue for its surfaces and the orange for its accent.

#include <QImage>

inline QImage twoColourPicture()
{
    QImage picture(100, 100, QImage::Format_RGB32);
    picture.fill(QColor(30, 70, 200));
    for (int y = 70; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            picture.setPixel(x, y, qRgb(240, 140, 20));
    return picture;
}
