#pragma once

#include "Rgb.h"

#include <QImage>

#include <optional>

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

// OKLab (Ottosson 2020), computed from linear sRGB: L is the perceived
// lightness (0 black, 1 white), a runs from green to red, b from blue to
// yellow. Equal distances are roughly equally visible differences.
struct Oklab
{
    double L = 0;
    double a = 0;
    double b = 0;
};
// OKLab in polar form: chroma C = |(a, b)| and hue h in degrees, 0 to 360
// (0 for a grey, whose hue is undefined).
struct Oklch
{
    double L = 0;
    double C = 0;
    double h = 0;
};

Oklab toOklab(const Rgb &colour);
Oklch toOklch(const Oklab &colour);
Oklab toOklab(const Oklch &colour);
inline Oklch toOklch(const Rgb &colour) { return toOklch(toOklab(colour)); }
// Whether some sRGB colour has these coordinates: most OKLab points, saturated
// light blues for one, lie outside what a screen can show.
bool isInGamut(const Oklab &colour);
// The nearest byte colour; an out-of-gamut colour has its channels clamped
// to 0..255 (which moves its hue and lightness: ask isInGamut first).
Rgb toRgb(const Oklab &colour);
// Euclidean distance in OKLab.
double distance(const Oklab &a, const Oklab &b);
// The angle between two hues, 0 to 180 degrees.
double hueDifference(double h1, double h2);

// How a colour looks to someone without one of the three cone types:
// protanopia and deuteranopia after Vienot, Brettel and Mollon 1999 (one
// projection), tritanopia after Brettel, Vienot and Mollon 1997 (two
// half-planes), each as a matrix on linear sRGB. White, black and greys
// stay as they are.
enum class Vision { Normal, Protan, Deutan, Tritan };
Rgb simulate(const Rgb &colour, Vision vision);
// Every pixel of a picture as simulate() gives it, in place. 24-bit
// (RGB888, BGR888) and 32-bit (RGB32, ARGB32) pictures keep their format and
// alpha; any other is converted to RGB32, or ARGB32 when it has alpha.
void simulate(QImage &picture, Vision vision);

// Black or white, whichever the phone shows with the higher contrast on
// `background`.
Rgb blackOrWhite(const Rgb &background);

} // namespace ColourScience
