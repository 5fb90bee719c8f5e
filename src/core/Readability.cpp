#include "Readability.h"

#include "ColourScheme.h"
#include "ColourScience.h"

#include <algorithm>
#include <cmath>

namespace {

using Kind = Readability::Kind;

// Where a screen of the preview shows the text, the preview decides what it is
// drawn on: every element its pixels touch that lies under it has a pair. The
// other texts go with the background their names pair them with, or with the
// screen they appear on.
//
// Left out: the phone book's texts (10 to 15), which the phone draws on a white
// page of its own that no scheme changes; the provider name's outline (24),
// which is not read itself but sets the letters off whatever lies around them,
// so the letters are read against it; and the cursor, which is no text.
const std::vector<Readability::Pair> kPairs = {
    {1, 2, Kind::Text},     // date and time on the standby screen
    {3, 4, Kind::Text},     // title bar
    {5, 4, Kind::Text},     // the menu number in the title bar
    {6, 7, Kind::Text},     // softkeys
    {8, 9, Kind::Text},
    {16, 17, Kind::Text},   // selected menu entry
    {17, 21, Kind::Marker}, // the selection bar against the menu around it
    {20, 21, Kind::Text},   // menu entries
    {23, 24, Kind::Text},   // the provider name's letters inside their outline
    {25, 26, Kind::Text},
    {28, 29, Kind::Marker}, // the scroll mark against its bar
    {28, 21, Kind::Marker}, // and against the menu beside the bar
    {30, 31, Kind::Text},   // message window
    {32, 33, Kind::Text},   // message window title
    {36, 37, Kind::Text},   // marked line of a message window
    {37, 31, Kind::Marker}, // its bar against the window around it
    {44, 43, Kind::Marker}, // the selection of a radio button against its background;
                            // against the second background it need not stand out
                            // (the built-in red scheme gives both one colour)
    {52, 46, Kind::Text},   // calendar dates
    {53, 2, Kind::Text},    // a number typed on the standby screen
    {54, 21, Kind::Text},   // browser links, visited or not, and form texts, on
    {55, 21, Kind::Text},   // the text pages of the phone
    {56, 21, Kind::Text},
    {57, 21, Kind::Text},
};

} // namespace

const std::vector<Readability::Pair> &Readability::pairs()
{
    return kPairs;
}

double Readability::colourBlindRatio(const Rgb &a, const Rgb &b)
{
    using ColourScience::Vision;
    const Rgb shownA = ColourScience::phoneColour(a);
    const Rgb shownB = ColourScience::phoneColour(b);
    double lowest = kHighestLevel;
    for (const Vision vision : {Vision::Protan, Vision::Deutan, Vision::Tritan})
        lowest = std::min(lowest, ColourScience::contrastRatio(ColourScience::simulate(shownA, vision),
                                                               ColourScience::simulate(shownB, vision)));
    return lowest;
}

std::vector<Readability::Verdict> Readability::evaluate(const ColourScheme &scheme, double textLevel, Eyes eyes)
{
    std::vector<Verdict> verdicts;
    verdicts.reserve(kPairs.size());
    for (const Pair &pair : kPairs) {
        Verdict verdict;
        verdict.pair = pair;
        const Rgb text = ColourScience::phoneColour(scheme.colour(pair.text));
        const Rgb background = ColourScience::phoneColour(scheme.colour(pair.background));
        using ColourScience::Vision;
        const Vision seen = eyes == Eyes::Protan   ? Vision::Protan
                            : eyes == Eyes::Deutan ? Vision::Deutan
                            : eyes == Eyes::Tritan ? Vision::Tritan
                                                   : Vision::Normal;
        verdict.ratio = seen == Vision::Normal ? ColourScience::contrastRatio(text, background)
                                               : ColourScience::contrastRatio(ColourScience::simulate(text, seen),
                                                                              ColourScience::simulate(background, seen));
        verdict.level = pair.kind == Kind::Text ? textLevel : kMarkerLevel;
        verdict.checked = scheme.isVisible(pair.text);
        if (eyes == Eyes::All)
            verdict.colourBlindRatio = colourBlindRatio(scheme.colour(pair.text), scheme.colour(pair.background));
        verdicts.push_back(verdict);
    }
    const auto share = [](const Verdict &verdict) { return verdict.worstRatio() / verdict.level; };
    std::stable_sort(verdicts.begin(), verdicts.end(), [&share](const Verdict &a, const Verdict &b) {
        if (a.checked != b.checked)
            return a.checked;
        return a.checked && share(a) < share(b);
    });
    return verdicts;
}

QString Readability::ratioText(double ratio)
{
    return QString::number(std::floor(ratio * 10) / 10, 'f', 1);
}
