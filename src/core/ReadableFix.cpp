#include "ReadableFix.h"

#include "ColourScience.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <set>

using namespace ColourScience;

namespace {

constexpr int kPhoneColourCount = 1 << 16;

// The phone's 65,536 colours (5 bits red, 6 green, 5 blue, widened as the
// phone shows them) with their luminance and OKLab coordinates, made once; and
// their luminance to colour-blind eyes, made once when first asked for.
struct PhoneColour
{
    Rgb colour;
    double luminance;
    Oklab oklab;
};

// The eyes a colour is checked for: normal first, then as protan, deutan and
// tritan eyes see it.
constexpr std::array<Vision, 4> kEyes = {Vision::Normal, Vision::Protan, Vision::Deutan, Vision::Tritan};

double luminanceFor(const Rgb &colour, Vision eyes)
{
    return relativeLuminance(eyes == Vision::Normal ? colour : simulate(colour, eyes));
}

const std::vector<PhoneColour> &phoneColours()
{
    static const std::vector<PhoneColour> colours = [] {
        std::vector<PhoneColour> made;
        made.reserve(kPhoneColourCount);
        for (int code = 0; code < kPhoneColourCount; ++code) {
            const Rgb colour = phoneColour({quint8((code >> 11) << 3), quint8(((code >> 5) & 0x3f) << 2),
                                            quint8((code & 0x1f) << 3)});
            made.push_back({colour, relativeLuminance(colour), toOklab(colour)});
        }
        return made;
    }();
    return colours;
}

const std::vector<std::array<double, 3>> &colourBlindLuminances()
{
    static const std::vector<std::array<double, 3>> luminances = [] {
        std::vector<std::array<double, 3>> made;
        made.reserve(kPhoneColourCount);
        for (const PhoneColour &colour : phoneColours())
            made.push_back({luminanceFor(colour.colour, Vision::Protan), luminanceFor(colour.colour, Vision::Deutan),
                            luminanceFor(colour.colour, Vision::Tritan)});
        return made;
    }();
    return luminances;
}

double levelOf(const Readability::Pair &pair, double textLevel)
{
    return pair.kind == Readability::Kind::Marker ? Readability::kMarkerLevel : textLevel;
}

// The same sum as the contrast of two phone colours, so that a colour found
// here passes the check exactly.
bool reaches(double a, double b, double level)
{
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05) >= level;
}

// A pair the element is part of: the other side's luminance on the phone (to
// normal eyes, then to colour-blind ones where they are asked for), and the
// ratio the pair needs.
struct Requirement
{
    using Luminances = std::array<double, 4>;

    Readability::Pair pair;
    Luminances other;
    int eyes; // 1: normal eyes; 4: colour-blind ones too
    double level;
    // The outline of an outlined text may stand apart from the letters or from
    // the surface: either will do.
    std::optional<Luminances> orOther;

    // A colour of the luminance given, and (where colour-blind eyes are asked
    // for) of those luminances to them.
    bool isMetBy(double luminance, const std::array<double, 3> *colourBlind) const
    {
        return standsApart(luminance, colourBlind, other)
               || (orOther && standsApart(luminance, colourBlind, *orOther));
    }
    bool standsApart(double luminance, const std::array<double, 3> *colourBlind, const Luminances &from) const
    {
        if (!reaches(luminance, from[0], level))
            return false;
        for (int eye = 1; eye < eyes; ++eye) {
            if (!reaches((*colourBlind)[std::size_t(eye - 1)], from[std::size_t(eye)], level))
                return false;
        }
        return true;
    }
    bool isMetBy(int code) const
    {
        return isMetBy(phoneColours()[std::size_t(code)].luminance,
                       eyes > 1 ? &colourBlindLuminances()[std::size_t(code)] : nullptr);
    }
};

// What the element is checked against: its pairs' levels, and whose eyes.
struct Check
{
    double textLevel;
    bool colourBlind;
};

Requirement::Luminances luminancesOf(const Rgb &colour, int eyes)
{
    Requirement::Luminances luminances{};
    for (int eye = 0; eye < eyes; ++eye)
        luminances[std::size_t(eye)] = luminanceFor(phoneColour(colour), kEyes[std::size_t(eye)]);
    return luminances;
}

// Whether two colours of the scheme stand apart at the level to every eye checked.
bool standApart(const Rgb &a, const Rgb &b, double level, bool colourBlind)
{
    for (int eye = 0; eye < (colourBlind ? 4 : 1); ++eye) {
        const Vision eyes = kEyes[std::size_t(eye)];
        if (!reaches(luminanceFor(phoneColour(a), eyes), luminanceFor(phoneColour(b), eyes), level))
            return false;
    }
    return true;
}

// What the pair asks of the element, if anything: the text, the background
// (a colour, or the page's white) or an outlined text's surface.
std::optional<Requirement> requirement(const ColourScheme &scheme, int element, const Readability::Pair &pair,
                                       const Check &check)
{
    const int eyes = check.colourBlind ? 4 : 1;
    const double level = levelOf(pair, check.textLevel);
    const Rgb text = scheme.colour(pair.text);
    const Rgb background = Readability::backgroundColour(scheme, pair);
    Requirement made{pair, {}, eyes, level, std::nullopt};
    if (pair.kind == Readability::Kind::Outlined) {
        const Rgb surface = scheme.colour(pair.surface);
        if (element == pair.background) {
            made.other = luminancesOf(text, eyes);
            made.orOther = luminancesOf(surface, eyes);
            return made;
        }
        // The letters, or the surface: free where the other way already reads.
        const bool other = element == pair.text ? standApart(background, surface, level, check.colourBlind)
                                                : standApart(text, background, level, check.colourBlind);
        if (other)
            return std::nullopt;
        made.other = luminancesOf(background, eyes);
        return made;
    }
    made.other = luminancesOf(pair.text == element ? background : text, eyes);
    return made;
}

// Every checked pair the element is part of; a pair whose text the phone
// hides is not checked, and asks for nothing.
std::vector<Requirement> requirementsOf(const ColourScheme &scheme, int element, const Check &check)
{
    std::vector<Requirement> requirements;
    for (const Readability::Pair &pair : Readability::pairs()) {
        const bool part = pair.text == element || pair.background == element
                          || (pair.kind == Readability::Kind::Outlined && pair.surface == element);
        if (!part || !scheme.isVisible(pair.text))
            continue;
        if (const auto made = requirement(scheme, element, pair, check))
            requirements.push_back(*made);
    }
    return requirements;
}

// The code of a phone colour.
int codeOf(const Rgb &colour)
{
    return ((colour.red >> 3) << 11) | ((colour.green >> 2) << 5) | (colour.blue >> 3);
}

// The nearest phone colour to `from` that meets every requirement, lighter
// (in OKLab lightness) and not lighter; ties go to the lower colour code.
ReadableFix::Proposal search(const Rgb &from, const std::vector<Requirement> &requirements)
{
    const Oklab here = toOklab(from);
    constexpr double kNone = std::numeric_limits<double>::infinity();
    double nearest[2] = {kNone, kNone}; // darker, lighter: squared distances
    int found[2] = {-1, -1};
    const std::vector<PhoneColour> &colours = phoneColours();
    const bool colourBlind = std::any_of(requirements.begin(), requirements.end(),
                                         [](const Requirement &requirement) { return requirement.eyes > 1; });
    const std::array<double, 3> *blind = colourBlind ? colourBlindLuminances().data() : nullptr;
    for (int code = 0; code < kPhoneColourCount; ++code) {
        const PhoneColour &candidate = colours[std::size_t(code)];
        const std::array<double, 3> *seen = blind ? blind + code : nullptr;
        const auto unmet = [&](const Requirement &requirement) {
            return !requirement.isMetBy(candidate.luminance, seen);
        };
        if (std::any_of(requirements.begin(), requirements.end(), unmet))
            continue;
        const double dL = candidate.oklab.L - here.L;
        const double da = candidate.oklab.a - here.a;
        const double db = candidate.oklab.b - here.b;
        const double squared = dL * dL + da * da + db * db;
        const int side = candidate.oklab.L > here.L ? 1 : 0;
        if (squared < nearest[side]) {
            nearest[side] = squared;
            found[side] = code;
        }
    }
    ReadableFix::Proposal proposal;
    if (found[1] >= 0)
        proposal.lighter = ReadableFix::Candidate{colours[std::size_t(found[1])].colour, std::sqrt(nearest[1])};
    if (found[0] >= 0)
        proposal.darker = ReadableFix::Candidate{colours[std::size_t(found[0])].colour, std::sqrt(nearest[0])};
    return proposal;
}

Readability::Eyes eyesOf(bool colourBlind)
{
    return colourBlind ? Readability::Eyes::All : Readability::Eyes::Normal;
}

bool samePair(const Readability::Pair &a, const Readability::Pair &b)
{
    return a.text == b.text && a.background == b.background;
}

// Which pairs of the element a colour for it must meet besides the failing one.
enum class Keep {
    Every,      // every pair it is part of
    Met,        // every pair it meets now
    MetAsText,  // every pair it meets now as the text or marker: where it is
                // the background, the text on it can follow in a later round
    Alone,      // the failing pair alone: the last resort
};

std::optional<Rgb> colourFor(const ColourScheme &scheme, int element, const Readability::Pair &failing,
                             const Check &check, Keep keep)
{
    std::vector<Requirement> requirements = requirementsOf(scheme, element, check);
    if (keep != Keep::Every) {
        const int now = codeOf(phoneColour(scheme.colour(element)));
        const auto dropped = [&](const Requirement &requirement) {
            if (samePair(requirement.pair, failing))
                return false;
            return keep == Keep::Alone || !requirement.isMetBy(now)
                   || (keep == Keep::MetAsText && requirement.pair.text != element);
        };
        requirements.erase(std::remove_if(requirements.begin(), requirements.end(), dropped), requirements.end());
    }
    const auto nearest = search(scheme.colour(element), requirements).nearest();
    return nearest ? std::optional(nearest->colour) : std::nullopt;
}

} // namespace

std::optional<ReadableFix::Candidate> ReadableFix::Proposal::nearest() const
{
    if (lighter && darker)
        return lighter->distance < darker->distance ? lighter : darker;
    return lighter ? lighter : darker;
}

ReadableFix::Proposal ReadableFix::propose(const ColourScheme &scheme, int element, const Readability::Pair &chosen,
                                          double textLevel, bool colourBlind)
{
    const Check check{textLevel, colourBlind};
    const std::vector<Requirement> all = requirementsOf(scheme, element, check);
    Proposal proposal = search(scheme.colour(element), all);
    if (proposal.lighter || proposal.darker)
        return proposal;
    // Which pair stands in the way: the first that cannot be met together with
    // the chosen one, else the first that the ones before it leave no room for.
    const std::optional<Requirement> chosenRequirement = requirement(scheme, element, chosen, check);
    if (!chosenRequirement)
        return proposal; // the chosen pair asks nothing of the element
    const Requirement first = *chosenRequirement;
    std::vector<Requirement> together{first};
    for (const Requirement &other : all) {
        if (samePair(other.pair, chosen))
            continue;
        const Proposal two = search(scheme.colour(element), {first, other});
        if (!two.lighter && !two.darker) {
            proposal.unmet = other.pair;
            break;
        }
    }
    for (const Requirement &other : all) {
        if (proposal.unmet || samePair(other.pair, chosen))
            continue;
        together.push_back(other);
        const Proposal some = search(scheme.colour(element), together);
        if (!some.lighter && !some.darker)
            proposal.unmet = other.pair;
    }
    Proposal alone = search(scheme.colour(element), {first});
    alone.unmet = proposal.unmet;
    return alone;
}

ReadableFix::FixAll ReadableFix::fixAll(const ColourScheme &scheme, double textLevel, bool colourBlind)
{
    const Check check{textLevel, colourBlind};
    FixAll result{scheme, {}};
    ColourScheme &fixed = result.scheme;
    // A fix meets the failing pair and leaves the pairs of the other elements
    // as they were; it breaks no pair that was met, but for a text on the
    // element fixed as a last resort, which a later round gives a colour of its
    // own. The rounds are bounded all the same.
    const std::size_t rounds = 4 * Readability::pairs().size();
    for (std::size_t round = 0; round < rounds; ++round) {
        const std::vector<Readability::Verdict> verdicts = Readability::evaluate(fixed, textLevel, eyesOf(colourBlind));
        const auto failing = std::find_if(verdicts.begin(), verdicts.end(), [&](const Readability::Verdict &v) {
            return v.isBelowLevel() && std::none_of(result.unmet.begin(), result.unmet.end(),
                                                    [&](const Readability::Pair &p) { return samePair(p, v.pair); });
        });
        if (failing == verdicts.end())
            break;
        // The text (or marker) for every pair it is part of, then for this pair
        // without breaking any it meets, then without breaking any where it is
        // the text; only then the background, alike.
        const Readability::Pair pair = failing->pair;
        std::optional<Rgb> colour;
        int element = 0;
        for (const int side : {pair.text, pair.background}) {
            if (side == Readability::kWhitePage)
                continue; // the phone's own page takes no colour
            for (const Keep keep : {Keep::Every, Keep::Met, Keep::MetAsText}) {
                if (!colour && (colour = colourFor(fixed, side, pair, check, keep)))
                    element = side;
            }
        }
        // The last resort: black or white for the text, and the nearest
        // background on which it reaches the level; the pairs this breaks are
        // met in later rounds.
        // On the phone's page, whose white stays, the text for this pair alone;
        // its other backgrounds follow in later rounds.
        if (!colour && pair.background == Readability::kWhitePage
            && (colour = colourFor(fixed, pair.text, pair, check, Keep::Alone)))
            element = pair.text;
        if (!colour && pair.background != Readability::kWhitePage) {
            for (const Rgb text : {Rgb{0, 0, 0}, Rgb{255, 255, 255}}) {
                ColourScheme tried = fixed;
                tried.setColour(pair.text, text);
                const auto background = colourFor(tried, pair.background, pair, check, Keep::Alone);
                if (background && !colour) {
                    colour = background;
                    element = pair.background;
                    fixed.setColour(pair.text, text);
                }
            }
        }
        if (colour)
            fixed.setColour(element, *colour);
        else
            result.unmet.push_back(pair);
    }
    // What the rounds left below its level is said too.
    for (const Readability::Verdict &verdict : Readability::evaluate(fixed, textLevel, eyesOf(colourBlind))) {
        const auto same = [&](const Readability::Pair &p) { return samePair(p, verdict.pair); };
        if (verdict.isBelowLevel() && std::none_of(result.unmet.begin(), result.unmet.end(), same))
            result.unmet.push_back(verdict.pair);
    }
    return result;
}
