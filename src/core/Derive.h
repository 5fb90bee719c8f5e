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

// Surfaces and bars of the seed's hue at lightness steps, selections and markers
// in the accent (the seed's own colour unless another is given), texts at the
// opposite lightness; the check marks as the start sets them. A grey seed gives a
// grey scheme. The same seed and options give the same scheme.
Result fromColour(const Rgb &seed, const Options &options, std::optional<Rgb> accent = std::nullopt);

// The colours a picture stands for: the seed (the colour that covers most of
// it, weighted by how colourful it is) and, where the picture has one, a
// distinct second colour for the accent. Pixels count by their opacity, fully
// transparent ones not at all; near-greys and colours under 1 % of the picture
// do not count; a picture of greys gives its most common grey. None for a
// picture with no visible pixel.
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
