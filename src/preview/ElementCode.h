#pragma once

#include "ElementNumber.h"
#include "Rgb.h"

#include <optional>

// How the preview pictures say which element a pixel shows: a pixel of element n
// has red n and green 254 - n; its blue byte is free. Every other colour is a
// fixed pixel that keeps its colour through every repaint.
class ElementCode
{
public:
    static Rgb of(int element, quint8 blue = 0) { return {quint8(element), quint8(254 - element), blue}; }

    // The element a pixel is painted for, if any.
    static std::optional<int> element(quint8 red, quint8 green)
    {
        if (ElementNumber::isValid(red) && green == 254 - red)
            return red;
        return std::nullopt;
    }

    // The element a click on a pixel of this mask colour picks. Looser than
    // element(): any green but 255 - red is accepted, so a few fixed icon
    // colours pick the element their red byte names.
    static std::optional<int> picked(const Rgb &mask)
    {
        if (ElementNumber::isValid(mask.red) && mask.green != 255 - mask.red)
            return mask.red;
        return std::nullopt;
    }
};
