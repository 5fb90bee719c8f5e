#pragma once

#include "Rgb.h"

#include <QImage>

// The S55 palette: 16 x 16 cells of 8 x 8 pixels, one for each of the phone's 256
// colours (8 levels of red and green, 4 of blue). The bits of a cell's column c
// and row w spread over the channels: red level c0 + 2 c2 + 4 w1, green level
// c1 + 2 c3 + 4 w2, blue level w0 + 2 w3; the top left cell is black, the bottom
// right one white.
class PalettePicture
{
public:
    static constexpr int kCells = 16;
    static constexpr int kCellSize = 8;
    static constexpr int kSize = kCells * kCellSize;

    static Rgb cellColour(int column, int row);
    static QImage create();
};
