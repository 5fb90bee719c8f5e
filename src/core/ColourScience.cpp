#include "ColourScience.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ColourScience {

namespace {

// sRGB channel to linear light, per byte, computed once.
const std::array<double, 256> &linearTable()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            t[std::size_t(i)] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return table;
}

// A channel kept to `bits` high bits and widened by repeating them.
quint8 widen(quint8 value, int bits)
{
    const int kept = value >> (8 - bits);
    return quint8((kept << (8 - bits)) | (kept >> (2 * bits - 8)));
}

} // namespace

double relativeLuminance(const Rgb &colour)
{
    const auto &linear = linearTable();
    return 0.2126 * linear[colour.red] + 0.7152 * linear[colour.green] + 0.0722 * linear[colour.blue];
}

double contrastRatio(const Rgb &a, const Rgb &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb phoneColour(const Rgb &colour)
{
    return {widen(colour.red, 5), widen(colour.green, 6), widen(colour.blue, 5)};
}

double phoneContrast(const Rgb &a, const Rgb &b)
{
    return contrastRatio(phoneColour(a), phoneColour(b));
}

} // namespace ColourScience
