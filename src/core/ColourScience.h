#pragma once

#include "Rgb.h"

// Small value functions about how colours are seen, each checked against
// published figures. Whatever the program tells about a colour is computed on
// the colour the phone shows: its display keeps 16 bits a pixel.
namespace ColourScience {

// WCAG 2 relative luminance of an sRGB colour (0 black to 1 white).
double relativeLuminance(const Rgb &colour);
// WCAG 2 contrast ratio, (L1 + 0.05) / (L2 + 0.05) with L1 the lighter: 1 to 21.
double contrastRatio(const Rgb &a, const Rgb &b);

// The colour the phone's 5-6-5 display shows for a colour of the file: each
// channel cut to its 5 (red, blue) or 6 (green) high bits and widened again by
// repeating the high bits, as a 16-bit QImage does.
Rgb phoneColour(const Rgb &colour);
// Whether the phone shows the colour exactly as it is.
inline bool isPhoneColour(const Rgb &colour) { return phoneColour(colour) == colour; }
// The contrast of two colours as the phone shows them.
double phoneContrast(const Rgb &a, const Rgb &b);

} // namespace ColourScience
