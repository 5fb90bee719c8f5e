#include "Derive.h"

#include "ColourPicture.h"
#include "ColourScience.h"
#include "ElementCatalogue.h"
#include "ReadableFix.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>

using namespace ColourScience;
using Role = ElementCatalogue::Role;

namespace {

// Below this chroma a seed counts as grey: its hue means nothing.
constexpr double kGreyChroma = 0.03;
// How far the hue of a phone colour may stray from the one asked for.
constexpr double kHueTolerance = 12;

// The phone colour for a point of OKLCH: the chroma lowered until the screen
// can show it, then among the phone's colours around it the one nearest that
// keeps the hue (a low chroma on the 5-6-5 grid can turn the hue far).
Rgb phoneColourOf(Oklch wanted)
{
    while (wanted.C > 0 && !isInGamut(toOklab(wanted)))
        wanted.C = std::max(0.0, wanted.C - 0.005);
    const Oklab target = toOklab(wanted);
    const Rgb start = phoneColour(toRgb(target));
    if (wanted.C < kGreyChroma / 2)
        return start;
    Rgb best = start;
    double bestDistance = std::numeric_limits<double>::infinity();
    const auto step = [](int channel, int delta, int bits) {
        const int unit = 1 << (8 - bits);
        return std::clamp(channel + delta * unit, 0, 255);
    };
    for (int dr = -2; dr <= 2; ++dr) {
        for (int dg = -2; dg <= 2; ++dg) {
            for (int db = -2; db <= 2; ++db) {
                const Rgb candidate = phoneColour({quint8(step(start.red, dr, 5)), quint8(step(start.green, dg, 6)),
                                                   quint8(step(start.blue, db, 5))});
                const Oklch seen = toOklch(candidate);
                if (seen.C >= kGreyChroma / 2 && hueDifference(seen.h, wanted.h) > kHueTolerance)
                    continue;
                const double far = distance(toOklab(candidate), target);
                if (far < bestDistance) {
                    bestDistance = far;
                    best = candidate;
                }
            }
        }
    }
    return best;
}

// The colour of a role: lightness and chroma for dark and light schemes.
struct Tone
{
    double darkL;
    double lightL;
    double chroma; // share of the surface chroma, or of the accent's for accents
    bool accent;
};

Tone toneOf(Role role)
{
    switch (role) {
    case Role::Surface: return {0.22, 0.96, 0.6, false};
    case Role::Raised: return {0.32, 0.86, 1.0, false};
    case Role::IconFill: return {0.36, 0.82, 1.0, false};
    case Role::Border: return {0.45, 0.70, 0.5, false};
    case Role::Text: return {0.95, 0.20, 0.25, false};
    case Role::TextOnRaised: return {0.97, 0.16, 0.2, false};
    case Role::PageText: return {0.25, 0.25, 0.8, false};
    case Role::Accent: return {0.62, 0.55, 1.0, true};
    case Role::TextOnAccent: return {0.12, 0.99, 0.2, false};
    case Role::Marker: return {0.80, 0.40, 1.0, true};
    case Role::Reserved: break;
    }
    return {0.0, 0.0, 0.0, false};
}

} // namespace

Derive::Result Derive::fromColour(const Rgb &seed, const Options &options, std::optional<Rgb> accent)
{
    const Oklch base = toOklch(seed);
    const bool grey = base.C < kGreyChroma;
    // Surfaces keep some colour, but never glare.
    const double surfaceChroma = grey ? 0 : std::clamp(base.C * 0.6, 0.04, 0.10);
    const Oklch accentBase = accent ? toOklch(*accent) : base;
    const double accentChroma = accentBase.C < kGreyChroma ? 0 : std::clamp(accentBase.C, 0.08, 0.20);

    ColourScheme scheme; // the check marks as the start sets them
    for (int element = 1; element <= kElementCount; ++element) {
        const Role role = ElementCatalogue::role(element);
        if (role == Role::Reserved) {
            scheme.setColour(element, {0, 0, 0});
            continue;
        }
        const Tone tone = toneOf(role);
        const double lightness = options.light ? tone.lightL : tone.darkL;
        const Oklch wanted = tone.accent ? Oklch{lightness, accentChroma * tone.chroma, accentBase.h}
                                         : Oklch{lightness, surfaceChroma * tone.chroma, base.h};
        scheme.setColour(element, phoneColourOf(wanted));
    }
    const ReadableFix::FixAll fixed = ReadableFix::fixAll(scheme, Readability::kTextLevel, options.colourBlind);
    return {fixed.scheme, fixed.unmet.empty()};
}

namespace {

constexpr int kClusters = 6;

// A pixel of the picture made small, in OKLab, and how much it counts: by its
// opacity, so that what is hidden chooses nothing.
struct Pixel
{
    Oklab colour;
    double weight;
};

// Every pixel of the picture made small that shows at all.
std::vector<Pixel> pixelsOf(const QImage &picture)
{
    const QImage small = picture.scaled(64, 64, Qt::KeepAspectRatio, Qt::FastTransformation)
                             .convertToFormat(QImage::Format_ARGB32);
    std::vector<Pixel> pixels;
    pixels.reserve(std::size_t(small.width() * small.height()));
    for (int y = 0; y < small.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(small.constScanLine(y));
        for (int x = 0; x < small.width(); ++x) {
            const QRgb pixel = line[x];
            if (qAlpha(pixel) == 0)
                continue;
            pixels.push_back({toOklab(Rgb{quint8(qRed(pixel)), quint8(qGreen(pixel)), quint8(qBlue(pixel))}),
                              qAlpha(pixel) / 255.0});
        }
    }
    return pixels;
}

// A colour of the picture and how much of it it covers; the weight ranks the
// colours by cover and colourfulness.
struct Cluster
{
    Oklab centre;
    double share;
    double weight;
};

// k-means from a fixed start (k colours spread along the lightness of the
// pixels), so that the same picture always gives the same clusters; each pixel
// pulls by its weight.
std::array<Cluster, kClusters> clustersOf(const std::vector<Pixel> &pixels)
{
    std::vector<Oklab> sorted;
    sorted.reserve(pixels.size());
    for (const Pixel &pixel : pixels)
        sorted.push_back(pixel.colour);
    std::sort(sorted.begin(), sorted.end(), [](const Oklab &a, const Oklab &b) {
        return std::tie(a.L, a.a, a.b) < std::tie(b.L, b.a, b.b);
    });
    std::array<Oklab, kClusters> centres;
    for (std::size_t k = 0; k < kClusters; ++k)
        centres[k] = sorted[(sorted.size() - 1) * (2 * k + 1) / (2 * kClusters)];
    std::vector<std::size_t> owner(pixels.size(), 0);
    std::array<double, kClusters> weights{};
    for (int round = 0; round < 20; ++round) {
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            std::size_t nearest = 0;
            for (std::size_t k = 1; k < kClusters; ++k) {
                if (distance(pixels[i].colour, centres[k]) < distance(pixels[i].colour, centres[nearest]))
                    nearest = k;
            }
            owner[i] = nearest;
        }
        std::array<Oklab, kClusters> sums{};
        weights = {};
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const double weight = pixels[i].weight;
            sums[owner[i]].L += weight * pixels[i].colour.L;
            sums[owner[i]].a += weight * pixels[i].colour.a;
            sums[owner[i]].b += weight * pixels[i].colour.b;
            weights[owner[i]] += weight;
        }
        for (std::size_t k = 0; k < kClusters; ++k) {
            if (const double w = weights[k]; w > 0)
                centres[k] = {sums[k].L / w, sums[k].a / w, sums[k].b / w};
        }
    }
    double total = 0;
    for (const double weight : weights)
        total += weight;
    std::array<Cluster, kClusters> clusters;
    for (std::size_t k = 0; k < kClusters; ++k) {
        const double share = weights[k] / total;
        clusters[k] = {centres[k], share, share * (1 + 4 * toOklch(centres[k]).C)};
    }
    return clusters;
}

} // namespace

// The heaviest colourful cluster is the seed, and the next one of another hue
// (30° or more apart) the accent; near-greys and clusters under 1 % do not
// count, unless the picture has nothing but greys.
std::optional<Derive::Seeds> Derive::seedsOf(const QImage &picture)
{
    const std::vector<Pixel> pixels = pixelsOf(picture);
    if (pixels.empty())
        return std::nullopt;
    std::vector<Cluster> colourful;
    std::vector<Cluster> greys;
    for (const Cluster &cluster : clustersOf(pixels)) {
        if (cluster.share >= 0.01)
            (toOklch(cluster.centre).C < kGreyChroma ? greys : colourful).push_back(cluster);
    }
    const auto heavier = [](const Cluster &a, const Cluster &b) { return a.weight > b.weight; };
    std::stable_sort(colourful.begin(), colourful.end(), heavier);
    std::stable_sort(greys.begin(), greys.end(), heavier);
    if (colourful.empty())
        return Seeds{toRgb(greys.empty() ? pixels.front().colour : greys.front().centre), std::nullopt};
    Seeds seeds{toRgb(colourful.front().centre), std::nullopt};
    const double hue = toOklch(colourful.front().centre).h;
    for (std::size_t i = 1; i < colourful.size(); ++i) {
        if (hueDifference(toOklch(colourful[i].centre).h, hue) > 30) {
            seeds.accent = toRgb(colourful[i].centre);
            break;
        }
    }
    return seeds;
}

std::variant<Derive::Seeds, Problem> Derive::seedsOfFile(const QString &path, const std::atomic_bool *cancelled)
{
    const ColourPicture::Result read = ColourPicture::read(path, cancelled);
    if (read.problem)
        return *read.problem;
    if (const auto seeds = seedsOf(read.picture))
        return *seeds;
    return Problem{Text::PictureInvisible, {}};
}
