#pragma once

#include <QCursor>

// The pointer over links and the logo: a black and white hand of 32 x 32 pixels
// whose index finger points up, the hot spot at its tip (8, 3).
class HandCursor
{
public:
    static constexpr int kSize = 32;
    static constexpr QPoint kHotSpot{8, 3};

    static QCursor cursor();
    // The hand's outline (black) and its filling (white) as one picture, for
    // looking at it.
    static QImage picture();
};
