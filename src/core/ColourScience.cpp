#include "ColourScience.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

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

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180;

template<typename T>
T cube(T x)
{
    return x * x * x;
}

struct Linear
{
    double r = 0;
    double g = 0;
    double b = 0;
};

Linear linear(const Rgb &colour)
{
    const auto &table = linearTable();
    return {table[colour.red], table[colour.green], table[colour.blue]};
}

// Linear light back to bytes, rounded as 255 * sRGB(x) would be, without a
// power per channel: a coarse table gives the byte at the bottom of each bin,
// and the exact thresholds between bytes finish the job. The bins are finer
// than the smallest gap between thresholds (1 / (12.92 * 255) near black), so
// the loop below steps at most once.
class Encoder
{
public:
    Encoder()
    {
        m_thresholds[0] = -1;
        for (int k = 1; k < 256; ++k) {
            const double c = (k - 0.5) / 255.0;
            m_thresholds[std::size_t(k)] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        int code = 0;
        for (int i = 0; i <= kBins; ++i) {
            while (code < 255 && m_thresholds[std::size_t(code + 1)] <= double(i) / kBins)
                ++code;
            m_start[std::size_t(i)] = quint8(code);
        }
    }

    quint8 operator()(double x) const
    {
        if (!(x > 0)) // also a NaN
            return 0;
        if (x >= 1)
            return 255;
        int code = m_start[std::size_t(x * kBins)];
        while (code < 255 && x >= m_thresholds[std::size_t(code + 1)])
            ++code;
        return quint8(code);
    }

    Rgb operator()(const Linear &c) const { return {(*this)(c.r), (*this)(c.g), (*this)(c.b)}; }

private:
    static constexpr int kBins = 4096;
    std::array<double, 256> m_thresholds{};
    std::array<quint8, kBins + 1> m_start{};
};

const Encoder &encoder()
{
    static const Encoder instance;
    return instance;
}

Oklab oklabFromLinear(const Linear &c)
{
    const double l = std::cbrt(0.4122214708 * c.r + 0.5363325363 * c.g + 0.0514459929 * c.b);
    const double m = std::cbrt(0.2119034982 * c.r + 0.6806995451 * c.g + 0.1073969566 * c.b);
    const double s = std::cbrt(0.0883024619 * c.r + 0.2817188376 * c.g + 0.6299787005 * c.b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

Linear linearFromOklab(const Oklab &c)
{
    const double l = cube(c.L + 0.3963377774 * c.a + 0.2158037573 * c.b);
    const double m = cube(c.L - 0.1055613458 * c.a - 0.0638541728 * c.b);
    const double s = cube(c.L - 0.0894841775 * c.a - 1.2914855480 * c.b);
    return {4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
            -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
            -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s};
}

// Rounding noise of the published matrices, which are each other's inverse
// to about 1e-8: white comes back as 1 + 2e-8.
constexpr double kGamutSlack = 1e-6;

bool inUnitCube(const Linear &c)
{
    const auto inside = [](double v) { return v >= -kGamutSlack && v <= 1 + kGamutSlack; };
    return inside(c.r) && inside(c.g) && inside(c.b);
}

// A dichromat's view as one or two matrices on linear sRGB, row by row. The
// second matrix applies on the negative side of the plane through grey with
// the given normal; Vienot's single projection has no second side.
struct Projection
{
    std::array<double, 9> positive;
    std::array<double, 9> negative;
    std::array<double, 3> normal;
};

// The matrices as published for linear sRGB (with the Smith & Pokorny cone
// fundamentals), to five decimals.
const Projection &projection(Vision vision)
{
    static const std::array<Projection, 4> projections = {{
        {{1, 0, 0, 0, 1, 0, 0, 0, 1}, {1, 0, 0, 0, 1, 0, 0, 0, 1}, {0, 0, 0}},
        {{0.11238, 0.88762, 0.00000, 0.11238, 0.88762, 0.00000, 0.00401, -0.00401, 1.00000},
         {0.11238, 0.88762, 0.00000, 0.11238, 0.88762, 0.00000, 0.00401, -0.00401, 1.00000},
         {0, 0, 0}},
        {{0.29275, 0.70725, 0.00000, 0.29275, 0.70725, 0.00000, -0.02234, 0.02234, 1.00000},
         {0.29275, 0.70725, 0.00000, 0.29275, 0.70725, 0.00000, -0.02234, 0.02234, 1.00000},
         {0, 0, 0}},
        // Brettel's tritan half-planes: through 485 nm on one side, 660 nm on the other.
        {{1.01277, 0.13548, -0.14826, -0.01243, 0.86812, 0.14431, 0.07589, 0.80500, 0.11911},
         {0.93678, 0.18979, -0.12657, 0.06154, 0.81526, 0.12320, -0.37562, 1.12767, 0.24796},
         {0.03901, -0.02788, -0.01113}},
    }};
    return projections[std::size_t(vision)];
}

Rgb project(const Projection &p, const Rgb &colour)
{
    const Linear c = linear(colour);
    const auto &m = p.normal[0] * c.r + p.normal[1] * c.g + p.normal[2] * c.b >= 0 ? p.positive : p.negative;
    return encoder()({m[0] * c.r + m[1] * c.g + m[2] * c.b, m[3] * c.r + m[4] * c.g + m[5] * c.b,
                      m[6] * c.r + m[7] * c.g + m[8] * c.b});
}

// Runs every pixel through project(), remembering the colours already seen
// in a small direct-mapped cache: a preview pane holds a few dozen colours.
template<int Step, typename Read, typename Write>
void projectPixels(QImage &picture, const Projection &p, Read read, Write write)
{
    constexpr int kSlots = 1024;
    std::vector<quint32> keys(kSlots, 0); // the colour as 0xRRGGBB + 1; 0 for an empty slot
    std::vector<Rgb> seen(kSlots);
    for (int y = 0; y < picture.height(); ++y) {
        uchar *pixel = picture.scanLine(y);
        for (int x = 0; x < picture.width(); ++x, pixel += Step) {
            const Rgb colour = read(pixel);
            const quint32 key = (quint32(colour.red) << 16 | quint32(colour.green) << 8 | colour.blue) + 1;
            const std::size_t slot = (key * 2654435761u) >> 22;
            if (keys[slot] != key) {
                keys[slot] = key;
                seen[slot] = project(p, colour);
            }
            write(pixel, seen[slot]);
        }
    }
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

Oklab toOklab(const Rgb &colour)
{
    return oklabFromLinear(linear(colour));
}

Oklch toOklch(const Oklab &colour)
{
    const double chroma = std::hypot(colour.a, colour.b);
    if (chroma < 1e-6) // white comes out at 4e-8, in a direction that means nothing
        return {colour.L, chroma, 0};
    const double hue = std::atan2(colour.b, colour.a) / kRadiansPerDegree;
    return {colour.L, chroma, hue < 0 ? hue + 360 : hue};
}

Oklab toOklab(const Oklch &colour)
{
    const double radians = colour.h * kRadiansPerDegree;
    return {colour.L, colour.C * std::cos(radians), colour.C * std::sin(radians)};
}

bool isInGamut(const Oklab &colour)
{
    return inUnitCube(linearFromOklab(colour));
}

Rgb toRgb(const Oklab &colour)
{
    return encoder()(linearFromOklab(colour));
}

double distance(const Oklab &a, const Oklab &b)
{
    return std::sqrt((a.L - b.L) * (a.L - b.L) + (a.a - b.a) * (a.a - b.a) + (a.b - b.b) * (a.b - b.b));
}

double hueDifference(double h1, double h2)
{
    const double d = std::fmod(std::abs(h1 - h2), 360.0);
    return d > 180 ? 360 - d : d;
}

Rgb simulate(const Rgb &colour, Vision vision)
{
    return vision == Vision::Normal ? colour : project(projection(vision), colour);
}

void simulate(QImage &picture, Vision vision)
{
    if (vision == Vision::Normal || picture.isNull())
        return;
    const Projection &p = projection(vision);
    switch (picture.format()) {
    case QImage::Format_RGB888:
        projectPixels<3>(picture, p, [](const uchar *s) { return Rgb{s[0], s[1], s[2]}; },
                         [](uchar *d, const Rgb &c) { d[0] = c.red, d[1] = c.green, d[2] = c.blue; });
        return;
    case QImage::Format_BGR888:
        projectPixels<3>(picture, p, [](const uchar *s) { return Rgb{s[2], s[1], s[0]}; },
                         [](uchar *d, const Rgb &c) { d[0] = c.blue, d[1] = c.green, d[2] = c.red; });
        return;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        projectPixels<4>(
            picture, p,
            [](const uchar *s) {
                const QRgb v = *reinterpret_cast<const QRgb *>(s);
                return Rgb{quint8(qRed(v)), quint8(qGreen(v)), quint8(qBlue(v))};
            },
            [](uchar *d, const Rgb &c) {
                QRgb &v = *reinterpret_cast<QRgb *>(d);
                v = qRgba(c.red, c.green, c.blue, qAlpha(v));
            });
        return;
    default:
        picture = picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        simulate(picture, vision);
    }
}

Rgb blackOrWhite(const Rgb &background)
{
    const Rgb black{0, 0, 0};
    const Rgb white{255, 255, 255};
    return phoneContrast(white, background) > phoneContrast(black, background) ? white : black;
}

} // namespace ColourScience
