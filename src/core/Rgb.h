#pragma once

#include <QtGlobal>

class QColor;

// A colour as the phone stores it: one byte per channel.
struct Rgb
{
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;

    friend bool operator==(const Rgb &a, const Rgb &b)
    {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
    friend bool operator!=(const Rgb &a, const Rgb &b) { return !(a == b); }

    // The colour shown while an element flashes.
    Rgb inverted() const
    {
        return {quint8(255 - red), quint8(255 - green), quint8(255 - blue)};
    }
};

// The same colour as Qt's colour type, and back. A colour of another kind (HSV,
// CMYK, ...) is converted to RGB first; the alpha channel is dropped.
QColor toQColor(const Rgb &colour);
Rgb fromQColor(const QColor &colour);
