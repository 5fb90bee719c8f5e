#include "Derive.h"

#include "ColourPicture.h"
#include "ColourScience.h"
#include "ElementCatalogue.h"
#include "Readability.h"
#include "ReadableFix.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

using namespace ColourScience;
using Role = ElementCatalogue::Role;

namespace {

// Below this chroma a seed counts as grey: its hue means nothing.
constexpr double kGreyChroma = 0.03;
// How far the hue of a phone colour may stray from the one asked for.
constexpr double kHueTolerance = 12;
// The ratio a derived scheme gives its texts where it can: WCAG 2's AAA.
constexpr double kRoomyTextLevel = 7.0;

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

// The largest chroma the screen shows at an OKLab lightness and hue.
double largestChroma(double lightness, double hue)
{
    double shown = 0;
    double beyond = 0.4;
    for (int step = 0; step < 16; ++step) {
        const double chroma = (shown + beyond) / 2;
        if (isInGamut(toOklab(Oklch{lightness, chroma, hue})))
            shown = chroma;
        else
            beyond = chroma;
    }
    return shown;
}

// The colour of a role, as the relative luminance (WCAG 2) it has in a dark and
// in a light scheme: contrast is a ratio of luminances, so the ratios of the
// pairs are laid out here, each with room above its level. In a dark scheme
// (light in brackets), the phone's white page at 1:
//   texts on surfaces 14:1 (13:1), on bars 11:1 (12:1), on selections 9:1 (8:1);
//   the provider name's letters against their outline 7.7:1 (7.5:1);
//   selections against surfaces 7:1 (6.6:1);
//   markers against bars and icon fills 3.5:1 (4:1), against the white page 3.5:1 (7.5:1).
// Chroma is a share of the surface chroma, or for accents of the largest the
// screen shows at the role's lightness.
struct Tone
{
    double darkLuminance;
    double lightLuminance;
    double chroma;
    bool accent;
};

Tone toneOf(Role role)
{
    switch (role) {
    case Role::Surface: return {0.016, 0.78, 0.6, false};
    case Role::Raised: return {0.035, 0.62, 1.0, false};
    case Role::IconFill: return {0.030, 0.53, 1.0, false};
    case Role::Border: return {0.070, 0.42, 0.5, false};
    case Role::Text: return {0.88, 0.013, 0.25, false};
    case Role::TextOnRaised: return {0.92, 0.008, 0.2, false};
    case Role::PageText: return {0.015, 0.015, 0.8, false};
    case Role::Accent: return {0.42, 0.075, 1.0, true};
    case Role::TextOnAccent: return {0.003, 0.97, 0.2, false};
    case Role::Marker: return {0.25, 0.09, 1.0, true};
    case Role::Reserved: break;
    }
    return {0.0, 0.0, 0.0, false};
}

// The luminance of a colour as the phone shows it: to normal eyes, or where
// colour-blind eyes are asked for, the lowest (`lowest`) or the highest of
// normal, protan, deutan and tritan eyes.
double luminanceSeen(const Rgb &colour, bool colourBlind, bool lowest)
{
    const Rgb shown = phoneColour(colour);
    double seen = relativeLuminance(shown);
    if (!colourBlind)
        return seen;
    for (const Vision vision : {Vision::Protan, Vision::Deutan, Vision::Tritan}) {
        const double other = relativeLuminance(simulate(shown, vision));
        seen = lowest ? std::min(seen, other) : std::max(seen, other);
    }
    return seen;
}

Readability::Eyes eyesOf(const Derive::Options &options)
{
    return options.colourBlind ? Readability::Eyes::All : Readability::Eyes::Normal;
}

// The level a pair is laid out for, and the one it must reach at least.
double roomyLevel(const Readability::Pair &pair)
{
    return pair.kind == Readability::Kind::Marker ? Readability::kMarkerLevel : kRoomyTextLevel;
}
double normalLevel(const Readability::Pair &pair)
{
    return pair.kind == Readability::Kind::Marker ? Readability::kMarkerLevel : Readability::kTextLevel;
}

bool samePair(const Readability::Pair &a, const Readability::Pair &b)
{
    return a.text == b.text && a.background == b.background;
}

// The roles' colours for one seed and its options. Each role has a tone line:
// its hue and chroma at every lightness, from black to white.
class Layout
{
public:
    static constexpr int kSteps = 200; // lightness steps of a tone line

    Layout(const Rgb &seed, const Derive::Options &options, std::optional<Rgb> accent)
        : m_options(options)
        , m_base(toOklch(seed))
        , m_accentBase(accent ? toOklch(*accent) : m_base)
    {
        // Surfaces keep some colour, but never glare.
        m_surfaceChroma = m_base.C < kGreyChroma ? 0 : std::clamp(m_base.C * 0.6, 0.04, 0.10);
        // Accents are about as colourful as the seed is for its lightness, and
        // never dull: an orange stays orange however dark a light scheme needs
        // it, not brown.
        const auto shareOf = [](const Oklch &colour) {
            return colour.C < kGreyChroma ? 0 : std::clamp(colour.C / largestChroma(colour.L, colour.h), 0.7, 0.9);
        };
        m_accentShare = shareOf(m_accentBase);
        m_seedShare = shareOf(m_base);
    }

    // The role at the luminance of its tone (an accent role in the seed's hue
    // instead of the accent's, where asked). A role lies on one side of the
    // grounds it is read against: one on the light side (above 0.2) reaches its
    // luminance for the dimmest of the eyes asked for, one on the dark side
    // stays under it for the brightest.
    Rgb colour(Role role, bool seedHue = false) const
    {
        const Tone tone = toneOf(role);
        const double luminance = m_options.light ? tone.lightLuminance : tone.darkLuminance;
        const bool lighter = luminance > 0.2;
        double low = 0;
        double high = 1;
        for (int step = 0; step < 20; ++step) {
            const double middle = (low + high) / 2;
            const Rgb colour = toRgb(toOklab(at(role, middle, 1, seedHue)));
            if (luminanceSeen(colour, m_options.colourBlind, lighter) < luminance)
                low = middle;
            else
                high = middle;
        }
        return phoneColourOf(at(role, lighter ? high : low, 1, seedHue));
    }

    // The role's colour at a step of its tone line (0 black, kSteps white),
    // at its chroma or, the further `line` goes, at less of it: a half, none.
    static constexpr int kLines = 3;
    Rgb colour(Role role, int line, int step)
    {
        std::optional<Rgb> &made = m_lines[std::size_t(role)][std::size_t(line)][std::size_t(step)];
        if (!made)
            made = phoneColourOf(at(role, double(step) / kSteps, 1.0 - line / double(kLines - 1)));
        return *made;
    }

    // The step of a tone line nearest a colour's lightness.
    static int stepOf(const Rgb &colour) { return std::clamp(int(std::lround(toOklch(colour).L * kSteps)), 0, kSteps); }

private:
    // The role's point of OKLCH at a lightness: surfaces and texts a share of
    // the surface chroma, accents a share of the largest the screen shows; at
    // most 80 % of that largest, so that the phone's colours keep the hue.
    Oklch at(Role role, double lightness, double share, bool seedHue = false) const
    {
        const Tone tone = toneOf(role);
        const Oklch &hue = tone.accent && !seedHue ? m_accentBase : m_base;
        const double largest = largestChroma(lightness, hue.h);
        const double chroma = tone.accent ? (seedHue ? m_seedShare : m_accentShare) * tone.chroma * largest
                                          : std::min(m_surfaceChroma * tone.chroma, 0.8 * largest);
        return {lightness, share * chroma, hue.h};
    }

    Derive::Options m_options;
    Oklch m_base;
    Oklch m_accentBase;
    double m_surfaceChroma = 0;
    double m_accentShare = 0;
    double m_seedShare = 0;
    std::array<std::array<std::array<std::optional<Rgb>, kSteps + 1>, kLines>, std::size_t(Role::Reserved)> m_lines;
};

// What a move of one element asks of the other pairs it is part of.
enum class Others {
    Roomy,  // every one at its roomy level
    Kept,   // at its roomy level where it reaches that now, else at its normal level
    Normal, // at its normal level
};

// Whether an element in `colour` keeps the pairs it is part of: `failing` at
// its roomy level, the others as `others` asks.

bool keepsItsPairs(const ColourScheme &scheme, int element, const Rgb &colour, const Readability::Pair &failing,
                   Others others, Readability::Eyes eyes)
{
    ColourScheme tried = scheme;
    tried.setColour(element, colour);
    for (const Readability::Pair &pair : Readability::pairs()) {
        const bool part = pair.text == element || pair.background == element
                          || (pair.kind == Readability::Kind::Outlined && pair.surface == element);
        if (!part || (pair.text >= 1 && !scheme.isVisible(pair.text)))
            continue;
        const auto ratioIn = [&](const ColourScheme &in) {
            return Readability::ratio(in, pair, pair.text >= 1 ? in.colour(pair.text) : Rgb{}, eyes);
        };
        double level = roomyLevel(pair);
        if (!samePair(pair, failing)) {
            if (others == Others::Normal || (others == Others::Kept && ratioIn(scheme) < level))
                level = normalLevel(pair);
        }
        if (ratioIn(tried) < level)
            return false;
    }
    return true;
}

// The colour of the element's tone line nearest the one it has at which it
// keeps its pairs, if any; only where none does, the same line at half its
// chroma, then grey (colour-blind eyes may see a colour's luminance too
// differently for a marker to sit between a dark bar and the white page).
std::optional<Rgb> nearestColour(Layout &layout, const ColourScheme &scheme, int element,
                                 const Readability::Pair &failing, Others others, Readability::Eyes eyes)
{
    const Role role = ElementCatalogue::role(element);
    const int from = Layout::stepOf(scheme.colour(element));
    for (int line = 0; line < Layout::kLines; ++line) {
        for (int distance = 0; distance <= Layout::kSteps; ++distance) {
            for (const int direction : {-1, 1}) {
                const int step = from + direction * distance;
                if (step < 0 || step > Layout::kSteps || (distance == 0 && direction > 0))
                    continue;
                const Rgb colour = layout.colour(role, line, step);
                if (keepsItsPairs(scheme, element, colour, failing, others, eyes))
                    return colour;
            }
        }
    }
    return std::nullopt;
}

// Every pair brought to its roomy level where the tone lines allow it: the
// worst first, its text (or marker) moved lighter or darker along its tone line
// as little as it takes, else its ground; a pair below its normal level may
// push the others down to theirs. The page's white and the phone's own
// drawings keep their colours. A pair that no move brings to its roomy level
// is left as it is, for Fix all.
void spread(Layout &layout, ColourScheme &scheme, Readability::Eyes eyes)
{
    std::vector<Readability::Pair> leftAlone;
    const std::size_t rounds = 2 * Readability::pairs().size();
    for (std::size_t round = 0; round < rounds; ++round) {
        const std::vector<Readability::Verdict> verdicts = Readability::evaluate(scheme, kRoomyTextLevel, eyes);
        const auto failing = std::find_if(verdicts.begin(), verdicts.end(), [&](const Readability::Verdict &v) {
            return v.isBelowLevel() && std::none_of(leftAlone.begin(), leftAlone.end(), [&](const auto &pair) {
                       return samePair(pair, v.pair);
                   });
        });
        if (failing == verdicts.end())
            return;
        const Readability::Pair pair = failing->pair;
        std::vector<Others> ways = {Others::Roomy, Others::Kept};
        if (failing->worstRatio() < normalLevel(pair))
            ways.push_back(Others::Normal);
        bool moved = false;
        for (const Others others : ways) {
            for (const int element : {pair.text, pair.background}) {
                if (moved || element < 1)
                    continue; // the page's white and the phone's drawings stay
                if (const auto colour = nearestColour(layout, scheme, element, pair, others, eyes)) {
                    scheme.setColour(element, *colour);
                    moved = true;
                }
            }
        }
        if (!moved)
            leftAlone.push_back(pair);
    }
}

} // namespace

Derive::Result Derive::fromColour(const Rgb &seed, const Options &options, std::optional<Rgb> accent)
{
    Layout layout(seed, options, accent);
    std::array<std::optional<Rgb>, std::size_t(Role::Reserved)> tones; // one per role
    ColourScheme scheme; // the check marks as the start sets them
    for (int element = 1; element <= kElementCount; ++element) {
        const Role role = ElementCatalogue::role(element);
        if (role == Role::Reserved) {
            scheme.setColour(element, {0, 0, 0});
            continue;
        }
        std::optional<Rgb> &tone = tones[std::size_t(role)];
        if (!tone)
            tone = layout.colour(role);
        scheme.setColour(element, *tone);
    }
    // The phone draws a few things of its own in fixed colours: black icons on
    // the standby screen and the title bar, for one. Where such a drawing would
    // not stand out from its ground as laid out (black on a dark scheme's
    // surface), the ground takes the other side, at the accent's tone in the
    // seed's hue, and the texts on it turn as on a selection.
    for (const Readability::Pair &drawing : Readability::pairs()) {
        if (drawing.text >= 1 || drawing.background < 1
            || Readability::ratio(scheme, drawing, {}, eyesOf(options)) >= roomyLevel(drawing))
            continue;
        scheme.setColour(drawing.background, layout.colour(Role::Accent, true));
        for (const Readability::Pair &onIt : Readability::pairs()) {
            if (onIt.background == drawing.background && onIt.text >= 1
                && onIt.kind != Readability::Kind::Marker)
                scheme.setColour(onIt.text, layout.colour(Role::TextOnAccent));
        }
    }
    spread(layout, scheme, eyesOf(options));
    // Texts at 7:1 where Fix all can bring them there; where it cannot, at
    // 4.5:1 (whatever is at 7:1 already stays above that).
    ReadableFix::FixAll fixed = ReadableFix::fixAll(scheme, kRoomyTextLevel, options.colourBlind);
    if (!fixed.unmet.empty())
        fixed = ReadableFix::fixAll(fixed.scheme, Readability::kTextLevel, options.colourBlind);
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
    // Every pixel counts: a large picture is first sampled down to 512 pixels a
    // side (no copy of its full size), then averaged down with its opacity, so
    // a small visible part still shows, however much hidden lies around it.
    QImage sampled = picture;
    if (picture.width() > 512 || picture.height() > 512)
        sampled = picture.scaled(512, 512, Qt::KeepAspectRatio, Qt::FastTransformation);
    const QImage small = sampled.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                             .scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation)
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

// How much a colour of the picture counts by its lightness: fully between
// 0.3 and 0.85 (OKLab), less and less towards black and white. A picture is
// not named by its deepest shadows nor by its palest highlights.
double lightnessWeight(double lightness)
{
    if (lightness < 0.3)
        return std::clamp((lightness - 0.15) / 0.15, 0.05, 1.0);
    return std::clamp((0.95 - lightness) / 0.1, 0.05, 1.0);
}

// A colour of the picture and how much of it it covers; the weight ranks the
// colours by cover, colourfulness and lightness.
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
        const Oklch colour = toOklch(centres[k]);
        clusters[k] = {centres[k], share, share * (1 + 4 * colour.C) * lightnessWeight(colour.L)};
    }
    return clusters;
}

// Clusters of one hue (a gradient, a shaded surface), or the greys: what the
// picture would be named by, and how strongly.
struct Family
{
    std::vector<Cluster> members;
    double weight = 0;

    // The colour it is named by: its members' mean, each by its cover and
    // lightness weight, so between its shadows and its highlights.
    Oklab colour() const
    {
        Oklab sum;
        double total = 0;
        for (const Cluster &member : members) {
            const double weight = member.share * lightnessWeight(member.centre.L);
            sum.L += weight * member.centre.L;
            sum.a += weight * member.centre.a;
            sum.b += weight * member.centre.b;
            total += weight;
        }
        return {sum.L / total, sum.a / total, sum.b / total};
    }
};

// Colourful clusters whose hues follow each other round the hue circle (25° or
// less from one to the next, 90° at most from the first) form a family; the
// near-greys form one of their own that counts half, so that a picture is
// named by a grey only where greys cover more than twice what its colours do.
// Clusters under 1 % do not count. The heaviest family first.
std::vector<Family> familiesOf(const std::array<Cluster, kClusters> &clusters)
{
    std::vector<std::pair<double, Cluster>> colourful; // by hue
    Family greys;
    for (const Cluster &cluster : clusters) {
        if (cluster.share < 0.01)
            continue;
        const Oklch colour = toOklch(cluster.centre);
        if (colour.C < kGreyChroma) {
            greys.members.push_back(cluster);
            greys.weight += cluster.weight / 2;
        } else {
            colourful.emplace_back(colour.h, cluster);
        }
    }
    std::stable_sort(colourful.begin(), colourful.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    // Round the circle from the widest gap between two hues, so that no family
    // is cut where the hue passes 360°.
    const std::size_t count = colourful.size();
    std::size_t first = 0;
    double widest = -1;
    for (std::size_t i = 0; i < count; ++i) {
        const double gap = i == 0 ? colourful[0].first + 360 - colourful[count - 1].first
                                  : colourful[i].first - colourful[i - 1].first;
        if (gap > widest) {
            widest = gap;
            first = i;
        }
    }
    std::vector<Family> families;
    double firstHue = 0;
    double previousHue = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const auto &[hue, cluster] = colourful[(first + i) % count];
        const double unwrapped = i > 0 && hue < previousHue ? hue + 360 : hue;
        if (i == 0 || unwrapped - previousHue > 25 || unwrapped - firstHue > 90) {
            families.emplace_back();
            firstHue = unwrapped;
        }
        families.back().members.push_back(cluster);
        families.back().weight += cluster.weight;
        previousHue = unwrapped;
    }
    if (!greys.members.empty())
        families.push_back(greys);
    std::stable_sort(families.begin(), families.end(),
                     [](const Family &a, const Family &b) { return a.weight > b.weight; });
    return families;
}

} // namespace

// The heaviest family gives the seed, and the next colourful one of another hue
// (30° or more apart, any for a grey seed) the accent.
std::optional<Derive::Seeds> Derive::seedsOf(const QImage &picture)
{
    const std::vector<Pixel> pixels = pixelsOf(picture);
    if (pixels.empty())
        return std::nullopt;
    const std::vector<Family> families = familiesOf(clustersOf(pixels));
    const Oklch seed = toOklch(families.front().colour());
    Seeds seeds{toRgb(families.front().colour()), std::nullopt};
    for (std::size_t i = 1; i < families.size(); ++i) {
        const Oklch other = toOklch(families[i].colour());
        if (other.C >= kGreyChroma && (seed.C < kGreyChroma || hueDifference(other.h, seed.h) >= 30)) {
            seeds.accent = toRgb(families[i].colour());
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
