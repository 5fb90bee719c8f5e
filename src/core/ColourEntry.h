#pragma once

#include "Rgb.h"

// One line of the colour table. The preview draws red, green and blue; brightness
// is the fourth number of the element's line in the last file read and is only
// ever displayed (saving writes the visible flag in its place).
struct ColourEntry
{
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;
    quint8 brightness = 0;

    Rgb rgb() const { return {red, green, blue}; }
    void setRgb(const Rgb &c)
    {
        red = c.red;
        green = c.green;
        blue = c.blue;
    }
    // Channel 0 red, 1 green, 2 blue, 3 brightness: the order of a data line.
    quint8 component(int index) const;
    void setComponent(int index, quint8 value);

    friend bool operator==(const ColourEntry &a, const ColourEntry &b)
    {
        return a.rgb() == b.rgb() && a.brightness == b.brightness;
    }
};
