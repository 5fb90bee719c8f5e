#pragma once

#include "ColourScheme.h"

#include <optional>

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

// Surfaces and bars of the seed's hue at lightness steps, selections and markers
// in the accent (the seed's own colour unless another is given), texts at the
// opposite lightness; the check marks as the start sets them. A grey seed gives a
// grey scheme. The same seed and options give the same scheme.
Result fromColour(const Rgb &seed, const Options &options, std::optional<Rgb> accent = std::nullopt);

// The colours a picture stands for: the seed (the colour that covers most of
// it, weighted by how colourful it is) and, where the picture has one, a
// distinct second colour for the accent. Near-greys and colours under 1 % of
// the picture do not count; a picture of greys gives its most common grey.
struct Seeds
{
    Rgb seed;
    std::optional<Rgb> accent;
};
Seeds seedsOf(const QImage &picture);

// A picture file read small enough for its colours (a large JPEG is decoded at
// an eighth of its size, which its decoder does at once); a null picture and
// the reader's words where it cannot be read.
QImage readPicture(const QString &path, QString &why);

} // namespace Derive
