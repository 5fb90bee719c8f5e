#pragma once

#include "ColourScheme.h"
#include "Readability.h"

#include <optional>
#include <vector>

// Colours that make the scheme readable on the phone, found by looking at every
// one of the 65,536 colours the phone shows.
namespace ReadableFix {

// A colour proposed for an element, and how far it lies from the element's
// colour now (Euclidean distance in OKLab).
struct Candidate
{
    Rgb colour;
    double distance = 0;
};

// For an element: the nearest phone colour that brings every checked pair the
// element is part of (as text and as background) to its level, one lighter and
// one darker than the colour it has. Where no colour meets them all, `unmet`
// names a pair that cannot be met together with the chosen one, and the
// candidates meet the chosen pair alone.
struct Proposal
{
    std::optional<Candidate> lighter;
    std::optional<Candidate> darker;
    std::optional<Readability::Pair> unmet;

    // The nearer of the two, if any.
    std::optional<Candidate> nearest() const;
};

// `chosen` is a pair of the element (text or background); text pairs need
// `textLevel`, markers Readability::kMarkerLevel. With `colourBlind`, every
// pair must reach its level to protan, deutan and tritan eyes too.
Proposal propose(const ColourScheme &scheme, int element, const Readability::Pair &chosen,
                 double textLevel = Readability::kTextLevel, bool colourBlind = false);

// Fix all: every checked pair brought to its level, changing as little as it
// can. Pairs are taken worst first; a pair's text (or marker) is given the
// nearest colour that meets every pair it is part of, and only where no colour
// of the text can, its background. The same scheme gives the same result.
struct FixAll
{
    ColourScheme scheme;                       // the scheme repaired
    std::vector<Readability::Pair> unmet;      // pairs no change could bring to their level
};
FixAll fixAll(const ColourScheme &scheme, double textLevel = Readability::kTextLevel, bool colourBlind = false);

} // namespace ReadableFix
