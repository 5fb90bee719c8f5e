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
// names a pair that cannot be met together with the chosen one (the chosen
// pair itself where no colour of the element meets it), and the candidates
// meet the chosen pair alone.
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

// Fix all: every checked pair brought to its level, changing the scheme as
// little as it can: the least summed OKLab distance between the colours it
// changes and what they were, over both sides of every pair. It tries more
// than one way (an exact solution over a choice of colours per element, and
// the side of each failing pair that needs the smaller change) and keeps the
// cheapest that meets every pair, then moves each changed colour back towards
// what it was as far as its pairs allow. Each colour keeps its hue where it
// can. It always ends, and names a pair as unmet only where no colours can
// meet it. The same scheme gives the same result.
struct FixAll
{
    ColourScheme scheme;                  // the scheme repaired
    std::vector<Readability::Pair> unmet; // pairs no colours can bring to their level
    int changed = 0;                      // how many colours changed
    double change = 0;                    // their summed distance in OKLab
};
FixAll fixAll(const ColourScheme &scheme, double textLevel = Readability::kTextLevel, bool colourBlind = false);

// How much a change of colours is to the eye, by the mean OKLab distance of
// the colours changed: slight (under 0.05), clear (under 0.15), strong.
enum class Amount { None, Slight, Clear, Strong };
Amount amountOf(const FixAll &fixed);

// The summed OKLab distance between two schemes' colours.
double changeBetween(const ColourScheme &from, const ColourScheme &to);

} // namespace ReadableFix