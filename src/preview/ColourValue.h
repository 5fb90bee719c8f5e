#pragma once

#include "Rgb.h"

// A colour as a 32-bit value the way picture readouts report it: red in the
// lowest byte, green in the next, blue in the third.
inline Rgb splitColour(quint32 value)
{
    return {quint8(value & 255), quint8((value / 256) & 255), quint8((value / 65536) & 255)};
}

inline quint32 colourValue(const Rgb &colour)
{
    return quint32(colour.red) + 256u * colour.green + 65536u * colour.blue;
}
