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
// phone shows them) with their luminance and OKLab coordinates, made once.
struct PhoneColour
{
    Rgb colour;
    double luminance;
    Oklab oklab;
};

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

double levelOf(const Readability::Pair &pair, double textLevel)
{
    return pair.kind == Readability::Kind::Text ? textLevel : Readability::kMarkerLevel;
}

// A pair the element is part of: what the other side's luminance is on the
// phone, and the ratio the pair needs.
struct Requirement
{
    Readability::Pair pair;
    double other;
    double level;

    // The same sum as the contrast of two phone colours, so that a colour found
    // here passes the check exactly.
    bool isMetBy(double luminance) const
    {
        return (std::max(luminance, other) + 0.05) / (std::min(luminance, other) + 0.05) >= level;
    }
};

Requirement requirement(const ColourScheme &scheme, int element, const Readability::Pair &pair, double textLevel)
{
    const int other = pair.text == element ? pair.background : pair.text;
    return {pair, relativeLuminance(phoneColour(scheme.colour(other))), levelOf(pair, textLevel)};
}

// Every checked pair the element is part of; a pair whose text the phone
// hides is not checked, and asks for nothing.
std::vector<Requirement> requirementsOf(const ColourScheme &scheme, int element, double textLevel)
{
    std::vector<Requirement> requirements;
    for (const Readability::Pair &pair : Readability::pairs()) {
        if ((pair.text == element || pair.background == element) && scheme.isVisible(pair.text))
            requirements.push_back(requirement(scheme, element, pair, textLevel));
    }
    return requirements;
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
    for (int code = 0; code < kPhoneColourCount; ++code) {
        const PhoneColour &candidate = colours[std::size_t(code)];
        bool meets = true;
        for (const Requirement &requirement : requirements) {
            if (!requirement.isMetBy(candidate.luminance)) {
                meets = false;
                break;
            }
        }
        if (!meets)
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
};

std::optional<Rgb> colourFor(const ColourScheme &scheme, int element, const Readability::Pair &failing,
                             double textLevel, Keep keep)
{
    std::vector<Requirement> requirements = requirementsOf(scheme, element, textLevel);
    if (keep != Keep::Every) {
        const double luminance = relativeLuminance(phoneColour(scheme.colour(element)));
        const auto dropped = [&](const Requirement &requirement) {
            if (samePair(requirement.pair, failing))
                return false;
            return !requirement.isMetBy(luminance) || (keep == Keep::MetAsText && requirement.pair.text != element);
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
                                          double textLevel)
{
    const std::vector<Requirement> all = requirementsOf(scheme, element, textLevel);
    Proposal proposal = search(scheme.colour(element), all);
    if (proposal.lighter || proposal.darker)
        return proposal;
    // Which pair stands in the way: the first that cannot be met together with
    // the chosen one, else the first that the ones before it leave no room for.
    const Requirement first = requirement(scheme, element, chosen, textLevel);
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

ReadableFix::FixAll ReadableFix::fixAll(const ColourScheme &scheme, double textLevel)
{
    FixAll result{scheme, {}};
    ColourScheme &fixed = result.scheme;
    // A fix meets the failing pair and leaves the pairs of the other elements
    // as they were; it breaks no pair that was met, but for a text on the
    // element fixed as a last resort, which a later round gives a colour of its
    // own. The rounds are bounded all the same.
    const std::size_t rounds = 4 * Readability::pairs().size();
    for (std::size_t round = 0; round < rounds; ++round) {
        const std::vector<Readability::Verdict> verdicts = Readability::evaluate(fixed, textLevel);
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
            for (const Keep keep : {Keep::Every, Keep::Met, Keep::MetAsText}) {
                if (!colour && (colour = colourFor(fixed, side, pair, textLevel, keep)))
                    element = side;
            }
        }
        if (colour)
            fixed.setColour(element, *colour);
        else
            result.unmet.push_back(pair);
    }
    return result;
}
