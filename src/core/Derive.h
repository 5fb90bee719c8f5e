#pragma once

#include "ColourScheme.h"
#include "Problem.h"

#include <atomic>
#include <optional>
#include <variant>

class QImage;

// A whole scheme laid out from one colour (or the colours of a picture), by the
// elements' roles, and then brought to every level by Fix all: readable by
// construction, in colours the phone shows as they are.
namespace Derive {

struct Options
{
    bool light = false;       // light surfaces and dark texts; dark surfaces unless asked
    bool colourBlind = false; // every pair also for protan, deutan and tritan eyes
};

struct Result
{
    ColourScheme scheme;
    bool everyPairMet = true; // false where Fix all named a pair it could not meet
};

// Every role at a luminance of its own, so that the pairs have room above
// their levels: surfaces and bars in the seed's hue, selections and markers in
// the accent's (the seed's own unless another is given) at nearly the largest
// chroma the phone shows at their lightness, texts on the other side. A ground
// on which one of the phone's own drawings would not stand out takes the other
// side, its texts with it. Each element is then moved lighter or darker along
// its hue, as little as it takes, until every text reaches 7:1 and every
// marker 3:1 where that can be; Fix all brings what is left to 7:1, or where
// it cannot, to the normal levels. The check marks as the start sets them. A
// grey seed gives a grey scheme. The same seed and options give the same scheme.
Result fromColour(const Rgb &seed, const Options &options, std::optional<Rgb> accent = std::nullopt);

// The colours a picture stands for: the seed, the colour a person would name
// it by, and where the picture has one, a distinct second colour for the
// accent. Its colours are clustered and ranked by how much they cover, how
// colourful they are and how far they lie from black and white; clusters of
// one hue (a gradient, a shaded surface) count together and give their mean,
// the greys together at half weight. Pixels count by their opacity, fully
// transparent ones not at all; colours under 1 % of the picture do not count.
// None for a picture with no visible pixel.
struct Seeds
{
    Rgb seed;
    std::optional<Rgb> accent;
};
std::optional<Seeds> seedsOf(const QImage &picture);

// The seeds of a picture file, read as ColourPicture reads what anyone may have
// made; the reason where it gives none. `cancelled` ends the read early.
std::variant<Seeds, Problem> seedsOfFile(const QString &path, const std::atomic_bool *cancelled = nullptr);

} // namespace Derive
