#include "ReadableFix.h"

#include "ColourScience.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
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

using Luminances = std::array<double, 4>; // to normal eyes, then protan, deutan, tritan

Luminances luminancesOf(const Rgb &colour, int eyes)
{
    Luminances luminances{};
    for (int eye = 0; eye < eyes; ++eye)
        luminances[std::size_t(eye)] = luminanceFor(phoneColour(colour), kEyes[std::size_t(eye)]);
    return luminances;
}

Luminances luminancesOf(int code, int eyes)
{
    Luminances luminances{phoneColours()[std::size_t(code)].luminance, 0, 0, 0};
    if (eyes > 1) {
        const std::array<double, 3> &blind = colourBlindLuminances()[std::size_t(code)];
        std::copy(blind.begin(), blind.end(), luminances.begin() + 1);
    }
    return luminances;
}

// What a pair asks of one of its elements, the rest of the scheme as it is:
// to every eye checked, the element's colour stands apart at the level from
// one of the colours across the pair (a drawing's colours, or an outlined
// text's two neighbours), unless the pair already reads another way to that
// eye (an outlined text whose outline stands apart from the surface).
struct Requirement
{
    Readability::Pair pair;
    std::vector<Luminances> across;
    int eyes; // 1: normal eyes; 4: colour-blind ones too
    double level;
    std::array<bool, 4> free{}; // per eye: met whatever the element's colour

    bool isMetBy(const Luminances &colour) const
    {
        for (int eye = 0; eye < eyes; ++eye) {
            const auto e = std::size_t(eye);
            if (free[e])
                continue;
            const auto apart = [&](const Luminances &other) { return reaches(colour[e], other[e], level); };
            if (std::none_of(across.begin(), across.end(), apart))
                return false;
        }
        return true;
    }
    bool isMetBy(int code) const { return isMetBy(luminancesOf(code, eyes)); }
};

// What the element is checked against: its pairs' levels, and whose eyes.
struct Check
{
    double textLevel;
    bool colourBlind;
    int eyes() const { return colourBlind ? 4 : 1; }
};

// What the pair asks of the element: the text, the background (a colour, or
// the page's white) or an outlined text's surface.
Requirement requirement(const ColourScheme &scheme, int element, const Readability::Pair &pair, const Check &check)
{
    const int eyes = check.eyes();
    const double level = levelOf(pair, check.textLevel);
    Requirement made{pair, {}, eyes, level, {}};
    const Rgb background = Readability::backgroundColour(scheme, pair);
    if (Readability::isDrawing(pair.text)) {
        for (const Rgb &colour : Readability::drawingColours(pair.text))
            made.across.push_back(luminancesOf(colour, eyes));
        return made;
    }
    const Rgb text = scheme.colour(pair.text);
    if (pair.kind == Readability::Kind::Outlined) {
        const Luminances surface = luminancesOf(scheme.colour(pair.surface), eyes);
        const Luminances letters = luminancesOf(text, eyes);
        const Luminances outline = luminancesOf(background, eyes);
        if (element == pair.background) {
            made.across = {letters, surface};
            return made;
        }
        // The letters, or the surface: free to every eye the other way reads for.
        for (int eye = 0; eye < eyes; ++eye) {
            const auto e = std::size_t(eye);
            made.free[e] = element == pair.text ? reaches(outline[e], surface[e], level)
                                                : reaches(letters[e], outline[e], level);
        }
        made.across = {outline};
        return made;
    }
    made.across = {luminancesOf(pair.text == element ? background : text, eyes)};
    return made;
}

bool isPartOf(int element, const Readability::Pair &pair)
{
    return pair.text == element || pair.background == element
           || (pair.kind == Readability::Kind::Outlined && pair.surface == element);
}

// Every checked pair the element is part of; a pair whose text the phone
// hides is not checked, and asks for nothing.
std::vector<Requirement> requirementsOf(const ColourScheme &scheme, int element, const Check &check)
{
    std::vector<Requirement> requirements;
    for (const Readability::Pair &pair : Readability::pairs()) {
        const bool checked = Readability::isDrawing(pair.text) || scheme.isVisible(pair.text);
        if (checked && isPartOf(element, pair))
            requirements.push_back(requirement(scheme, element, pair, check));
    }
    return requirements;
}

// The code of a phone colour.
int codeOf(const Rgb &colour)
{
    return ((colour.red >> 3) << 11) | ((colour.green >> 2) << 5) | (colour.blue >> 3);
}

// The phone's colours in OKLab, packed small for scans that visit them all.
const std::vector<std::array<float, 3>> &compactOklab()
{
    static const std::vector<std::array<float, 3>> packed = [] {
        std::vector<std::array<float, 3>> made;
        made.reserve(kPhoneColourCount);
        for (const PhoneColour &colour : phoneColours())
            made.push_back({float(colour.oklab.L), float(colour.oklab.a), float(colour.oklab.b)});
        return made;
    }();
    return packed;
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
    const int eyes = std::any_of(requirements.begin(), requirements.end(),
                                 [](const Requirement &requirement) { return requirement.eyes > 1; })
                         ? 4
                         : 1;
    // The luminances to normal eyes that stand apart from none of the colours
    // across a requirement: a colour in such a band fails at once, without
    // the exact sum (a hair's breadth off the bands' ends, the sum decides).
    struct Band
    {
        double low;
        double high;
    };
    std::vector<Band> bands;
    for (const Requirement &requirement : requirements) {
        if (requirement.free[0] || requirement.across.size() != 1)
            continue;
        const double other = requirement.across.front()[0];
        constexpr double kMargin = 1e-9;
        bands.push_back({(other + 0.05) / requirement.level - 0.05 + kMargin,
                         requirement.level * (other + 0.05) - 0.05 - kMargin});
    }
    for (int code = 0; code < kPhoneColourCount; ++code) {
        const double luminance = colours[std::size_t(code)].luminance;
        if (std::any_of(bands.begin(), bands.end(),
                        [luminance](const Band &band) { return luminance > band.low && luminance < band.high; }))
            continue;
        const Oklab &there = colours[std::size_t(code)].oklab;
        const double dL = there.L - here.L;
        const double da = there.a - here.a;
        const double db = there.b - here.b;
        const double squared = dL * dL + da * da + db * db;
        const int side = there.L > here.L ? 1 : 0;
        if (squared >= nearest[side])
            continue; // no nearer than one found: not worth checking
        const Luminances seen = luminancesOf(code, eyes);
        const auto unmet = [&](const Requirement &requirement) { return !requirement.isMetBy(seen); };
        if (std::any_of(requirements.begin(), requirements.end(), unmet))
            continue;
        nearest[side] = squared;
        found[side] = code;
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

double distanceBetween(const Rgb &a, const Rgb &b)
{
    return distance(toOklab(a), toOklab(b));
}

std::vector<Readability::Pair> belowLevel(const ColourScheme &scheme, const Check &check);

// A scheme on its way to every level: the colours it has, what they were,
// and what the pairs ask.
class Repair
{
public:
    // From the original colours, or from others already chosen.
    Repair(const ColourScheme &original, const Check &check, const ColourScheme *start = nullptr)
        : m_original(original)
        , m_scheme(start ? *start : original)
        , m_check(check)
    {
    }

    const ColourScheme &scheme() const { return m_scheme; }
    void setColour(int element, const Rgb &colour) { m_scheme.setColour(element, colour); }

    // The checked pairs below their level, worst first.
    std::vector<Readability::Pair> failing() const { return belowLevel(m_scheme, m_check); }

    // A side of a pair the scheme may change: not the page, nor a drawing.
    static bool isChangeable(int side) { return side > 0; }

    // The side of the pair that needs the smaller change: each to the nearest
    // colour that meets every pair it is part of or, where it has none, that
    // pair alone (what that breaks comes later); the text where both need as much.
    void moveCheaperSide(const Readability::Pair &pair)
    {
        std::optional<std::pair<int, ReadableFix::Candidate>> best;
        for (const int side : {pair.text, pair.background}) {
            if (!isChangeable(side))
                continue;
            std::vector<Requirement> requirements = requirementsOf(m_scheme, side, m_check);
            auto nearest = search(m_scheme.colour(side), requirements).nearest();
            if (!nearest) {
                requirements.erase(std::remove_if(requirements.begin(), requirements.end(),
                                                  [&](const Requirement &r) { return !samePair(r.pair, pair); }),
                                   requirements.end());
                nearest = search(m_scheme.colour(side), requirements).nearest();
            }
            if (nearest && (!best || nearest->distance < best->second.distance))
                best = std::pair(side, *nearest);
        }
        if (best)
            setColour(best->first, best->second.colour);
    }

    // Each changed colour back towards what it was, as far as its pairs let it
    // (those it meets now stay met), the one changed most first; again while
    // that gains.
    void moveBack()
    {
        // What each element's pairs saw at its last try: where nothing around
        // it changed since, trying again finds the same.
        std::map<int, std::vector<Rgb>> seenAt;
        for (int round = 0; round < 3; ++round) {
            std::vector<std::pair<double, int>> changed;
            for (int element = 1; element <= kElementCount; ++element) {
                const double far = distanceBetween(m_scheme.colour(element), m_original.colour(element));
                if (far > 0)
                    changed.emplace_back(-far, element);
            }
            std::sort(changed.begin(), changed.end());
            bool gained = false;
            for (const auto &[far, element] : changed) {
                std::vector<Rgb> around;
                for (const int partner : partnersOf(element))
                    around.push_back(m_scheme.colour(partner));
                const auto before = seenAt.find(element);
                if (before != seenAt.end() && before->second == around)
                    continue;
                seenAt[element] = around;
                std::vector<Requirement> kept = requirementsOf(m_scheme, element, m_check);
                const int now = codeOf(phoneColour(m_scheme.colour(element)));
                kept.erase(std::remove_if(kept.begin(), kept.end(), [&](const Requirement &r) { return !r.isMetBy(now); }),
                           kept.end());
                const auto nearest = search(m_original.colour(element), kept).nearest();
                if (nearest && nearest->distance < -far - 1e-9) {
                    setColour(element, nearest->colour);
                    gained = true;
                }
            }
            if (!gained)
                break;
        }
    }

private:
    // The elements an element shares a pair with, whose colours its pairs ask about.
    static const std::vector<int> &partnersOf(int element)
    {
        static const std::vector<std::vector<int>> partners = [] {
            std::vector<std::vector<int>> made(kElementCount + 1);
            for (const Readability::Pair &pair : Readability::pairs()) {
                const int sides[] = {pair.text, pair.background, pair.surface};
                for (const int a : sides) {
                    for (const int b : sides) {
                        if (a > 0 && b > 0 && a != b
                            && std::find(made[std::size_t(a)].begin(), made[std::size_t(a)].end(), b)
                                   == made[std::size_t(a)].end())
                            made[std::size_t(a)].push_back(b);
                    }
                }
            }
            return made;
        }();
        return partners[std::size_t(element)];
    }

    const ColourScheme &m_original;
    ColourScheme m_scheme;
    Check m_check;
};

// Worst pair first, the side that needs the smaller change, until every pair
// meets its level, or the same colours come round again, or the rounds run out.
ColourScheme sideBySide(const ColourScheme &original, const Check &check)
{
    Repair repair(original, check);
    std::set<std::vector<int>> seen;
    // Where it meets every pair at all, it does so in about a round per pair
    // below its level; longer, it is going round.
    const std::size_t rounds = repair.failing().size() + 8;
    for (std::size_t round = 0; round < rounds; ++round) {
        const std::vector<Readability::Pair> failing = repair.failing();
        if (failing.empty())
            break;
        std::vector<int> colours;
        for (int element = 1; element <= kElementCount; ++element)
            colours.push_back(codeOf(phoneColour(repair.scheme().colour(element))) << 8 | element);
        if (!seen.insert(colours).second)
            break;
        repair.moveCheaperSide(failing.front());
    }
    repair.moveBack();
    return repair.scheme();
}

// The least change that meets every pair, found exactly over a choice of
// colours per element: the colour it has, black, white, and for each of 96
// bands of OKLab lightness the phone colour in it nearest to what it had. The
// pairs link the elements into trees (the outlined text's three elements too,
// once its outline is chosen), so each tree is solved from its leaves up,
// choice by choice. Empty where the pairs do not form trees.
class TreeSolver
{
public:
    TreeSolver(const ColourScheme &original, const Check &check)
        : m_original(original)
        , m_check(check)
    {
    }

    std::optional<ColourScheme> solve()
    {
        collectPairs();
        m_failing = belowLevel(m_original, m_check);
        ColourScheme solved = m_original;
        for (const std::vector<int> &component : components()) {
            if (!needsWork(component))
                continue;
            const auto colours = solveComponent(component);
            if (!colours)
                return std::nullopt;
            for (const auto &[element, colour] : *colours)
                solved.setColour(element, colour);
        }
        return solved;
    }

private:
    struct Choice
    {
        Rgb colour;
        double cost;
        Luminances seen;
    };
    // A pair between two elements (text and background), or an outlined
    // text's letters and surface once its outline is chosen.
    struct Link
    {
        int a;
        int b;
        double level;
        const Choice *outline = nullptr; // an outlined text: letters a, surface b
    };

    void collectPairs()
    {
        for (const Readability::Pair &pair : Readability::pairs()) {
            const bool checked = Readability::isDrawing(pair.text) || m_original.isVisible(pair.text);
            if (!checked)
                continue;
            const double level = levelOf(pair, m_check.textLevel);
            if (pair.kind == Readability::Kind::Outlined) {
                m_outlined.push_back(pair);
            } else if (pair.background == Readability::kWhitePage || Readability::isDrawing(pair.text)) {
                Requirement fixed = requirement(m_original, Readability::elementToFix(pair), pair, m_check);
                m_alone[Readability::elementToFix(pair)].push_back(fixed);
            } else {
                m_links.push_back({pair.text, pair.background, level});
            }
        }
    }

    // The elements linked by pairs, each group once, in element order.
    std::vector<std::vector<int>> components() const
    {
        std::map<int, int> group;
        const auto find = [&group](int element) {
            while (group.count(element) && group.at(element) != element)
                element = group.at(element);
            return element;
        };
        const auto join = [&](int a, int b) {
            group.emplace(a, a);
            group.emplace(b, b);
            const int ra = find(a);
            const int rb = find(b);
            if (ra != rb)
                group[std::max(ra, rb)] = std::min(ra, rb);
        };
        for (const Link &link : m_links)
            join(link.a, link.b);
        for (const Readability::Pair &pair : m_outlined) {
            join(pair.text, pair.background);
            join(pair.background, pair.surface);
        }
        for (const auto &[element, requirements] : m_alone)
            join(element, element);
        std::map<int, std::vector<int>> members;
        for (const auto &[element, parent] : group)
            members[find(element)].push_back(element);
        std::vector<std::vector<int>> made;
        for (auto &[root, elements] : members)
            made.push_back(elements);
        return made;
    }

    bool needsWork(const std::vector<int> &component) const
    {
        for (const Readability::Pair &pair : m_failing) {
            if (std::find(component.begin(), component.end(), Readability::elementToFix(pair)) != component.end())
                return true;
        }
        return false;
    }

    std::vector<Choice> choicesOf(int element) const
    {
        const int eyes = m_check.eyes();
        const Rgb had = m_original.colour(element);
        const Oklab here = toOklab(had);
        constexpr int kBands = 96;
        std::array<int, kBands> nearest;
        nearest.fill(-1);
        std::array<float, kBands> squared{};
        const std::vector<std::array<float, 3>> &oklab = compactOklab();
        const std::array<float, 3> from{float(here.L), float(here.a), float(here.b)};
        for (int code = 0; code < kPhoneColourCount; ++code) {
            const std::array<float, 3> &there = oklab[std::size_t(code)];
            const auto band = std::size_t(std::clamp(int(there[0] * kBands), 0, kBands - 1));
            const float dL = there[0] - from[0];
            const float da = there[1] - from[1];
            const float db = there[2] - from[2];
            const float far = dL * dL + da * da + db * db;
            if (nearest[band] < 0 || far < squared[band]) {
                nearest[band] = code;
                squared[band] = far;
            }
        }
        const std::vector<PhoneColour> &colours = phoneColours();
        std::array<double, kBands> distances{};
        for (std::size_t band = 0; band < kBands; ++band) {
            if (nearest[band] >= 0)
                distances[band] = distance(here, colours[std::size_t(nearest[band])].oklab);
        }
        std::vector<Choice> choices;
        choices.push_back({had, 0, luminancesOf(had, eyes)});
        for (const Rgb &extreme : {Rgb{0, 0, 0}, Rgb{255, 255, 255}})
            choices.push_back({extreme, distanceBetween(had, extreme), luminancesOf(extreme, eyes)});
        for (std::size_t band = 0; band < kBands; ++band) {
            if (nearest[band] >= 0)
                choices.push_back({colours[std::size_t(nearest[band])].colour, distances[band],
                                   luminancesOf(nearest[band], eyes)});
        }
        // What the element must meet alone (the page's white, a drawing on it).
        const auto alone = m_alone.find(element);
        if (alone != m_alone.end()) {
            choices.erase(std::remove_if(choices.begin(), choices.end(),
                                         [&](const Choice &choice) {
                                             return std::any_of(alone->second.begin(), alone->second.end(),
                                                                [&](const Requirement &r) { return !r.isMetBy(choice.seen); });
                                         }),
                          choices.end());
        }
        return choices;
    }

    bool allowed(const Link &link, const Choice &a, const Choice &b) const
    {
        for (int eye = 0; eye < m_check.eyes(); ++eye) {
            const auto e = std::size_t(eye);
            const bool apart = link.outline ? reaches(a.seen[e], link.outline->seen[e], link.level)
                                                  || reaches(link.outline->seen[e], b.seen[e], link.level)
                                            : reaches(a.seen[e], b.seen[e], link.level);
            if (!apart)
                return false;
        }
        return true;
    }

    // The colours of the component's elements, chosen for the least summed
    // change; empty where the links do not form a tree or nothing meets them.
    std::optional<std::map<int, Rgb>> solveComponent(const std::vector<int> &component) const
    {
        std::map<int, std::vector<Choice>> choices;
        for (const int element : component)
            choices[element] = choicesOf(element);
        std::vector<Link> links;
        for (const Link &link : m_links) {
            if (choices.count(link.a))
                links.push_back(link);
        }
        const auto outlined = std::find_if(m_outlined.begin(), m_outlined.end(),
                                           [&](const Readability::Pair &pair) { return choices.count(pair.text) > 0; });
        if (outlined == m_outlined.end())
            return solveTree(component, choices, links);
        // Each choice of the outline, and the letters and the surface linked
        // by what it leaves them.
        std::optional<std::map<int, Rgb>> best;
        double bestCost = std::numeric_limits<double>::infinity();
        std::vector<int> rest = component;
        rest.erase(std::find(rest.begin(), rest.end(), outlined->background));
        for (const Choice &outline : choices.at(outlined->background)) {
            std::vector<Link> withOutline = links;
            withOutline.push_back({outlined->text, outlined->surface, levelOf(*outlined, m_check.textLevel), &outline});
            double cost = 0;
            auto solved = solveTree(rest, choices, withOutline, &cost);
            if (!solved)
                continue;
            cost += outline.cost;
            if (cost < bestCost) {
                bestCost = cost;
                (*solved)[outlined->background] = outline.colour;
                best = solved;
            }
        }
        return best;
    }

    std::optional<std::map<int, Rgb>> solveTree(const std::vector<int> &elements,
                                                const std::map<int, std::vector<Choice>> &choices,
                                                const std::vector<Link> &links, double *total = nullptr) const
    {
        if (links.size() + 1 != elements.size())
            return std::nullopt; // not a tree
        constexpr double kNone = std::numeric_limits<double>::infinity();
        // From the first element out: the order each is reached in, and the link it is reached by.
        std::vector<int> order{elements.front()};
        std::map<int, std::pair<int, const Link *>> parent; // element: its parent and the link
        for (std::size_t i = 0; i < order.size(); ++i) {
            for (const Link &link : links) {
                for (const auto &[here, there] : {std::pair(link.a, link.b), std::pair(link.b, link.a)}) {
                    if (here == order[i] && there != order.front() && !parent.count(there)) {
                        parent[there] = {here, &link};
                        order.push_back(there);
                    }
                }
            }
        }
        if (order.size() != elements.size())
            return std::nullopt;
        // From the leaves up: the least cost of each choice with what hangs below it.
        std::map<int, std::vector<double>> least;
        std::map<int, std::map<int, std::vector<int>>> below; // element, child: its choice per choice
        for (auto it = order.rbegin(); it != order.rend(); ++it) {
            const int element = *it;
            const std::vector<Choice> &mine = choices.at(element);
            std::vector<double> cost(mine.size());
            for (std::size_t c = 0; c < mine.size(); ++c)
                cost[c] = mine[c].cost;
            for (const auto &[child, up] : parent) {
                if (up.first != element)
                    continue;
                const Link &link = *up.second;
                const std::vector<Choice> &theirs = choices.at(child);
                const std::vector<double> &theirLeast = least.at(child);
                std::vector<int> &picked = below[element][child];
                picked.assign(mine.size(), -1);
                for (std::size_t c = 0; c < mine.size(); ++c) {
                    double bestChild = kNone;
                    for (std::size_t d = 0; d < theirs.size(); ++d) {
                        if (theirLeast[d] >= bestChild)
                            continue;
                        const bool ok = link.a == element ? allowed(link, mine[c], theirs[d])
                                                          : allowed(link, theirs[d], mine[c]);
                        if (ok) {
                            bestChild = theirLeast[d];
                            picked[c] = int(d);
                        }
                    }
                    cost[c] += bestChild;
                }
            }
            least[element] = cost;
        }
        const std::vector<double> &top = least.at(order.front());
        const auto first = std::min_element(top.begin(), top.end());
        if (first == top.end() || *first == kNone)
            return std::nullopt;
        if (total)
            *total = *first;
        std::map<int, int> chosen{{order.front(), int(first - top.begin())}};
        for (const int element : order) {
            for (const auto &[child, picked] : below[element])
                chosen[child] = picked[std::size_t(chosen.at(element))];
        }
        std::map<int, Rgb> colours;
        for (const auto &[element, choice] : chosen)
            colours[element] = choices.at(element)[std::size_t(choice)].colour;
        return colours;
    }

    const ColourScheme &m_original;
    Check m_check;
    std::vector<Link> m_links;
    std::vector<Readability::Pair> m_outlined;
    std::map<int, std::vector<Requirement>> m_alone;
    std::vector<Readability::Pair> m_failing;
};

std::vector<Readability::Pair> belowLevel(const ColourScheme &scheme, const Check &check)
{
    std::vector<Readability::Pair> below;
    for (const Readability::Verdict &verdict :
         Readability::evaluate(scheme, check.textLevel, eyesOf(check.colourBlind))) {
        if (verdict.isBelowLevel())
            below.push_back(verdict.pair);
    }
    return below;
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
    if (proposal.lighter || proposal.darker || !isPartOf(element, chosen))
        return proposal;
    const Requirement first = requirement(scheme, element, chosen, check);
    Proposal alone = search(scheme.colour(element), {first});
    if (!alone.lighter && !alone.darker) {
        alone.unmet = chosen; // no colour of the element meets the chosen pair at all
        return alone;
    }
    // Which pair stands in the way: the first that cannot be met together with
    // the chosen one, else the first that the ones before it leave no room for.
    std::vector<Requirement> together{first};
    for (const Requirement &other : all) {
        if (samePair(other.pair, chosen))
            continue;
        const Proposal two = search(scheme.colour(element), {first, other});
        if (!two.lighter && !two.darker) {
            alone.unmet = other.pair;
            return alone;
        }
    }
    for (const Requirement &other : all) {
        if (samePair(other.pair, chosen))
            continue;
        together.push_back(other);
        const Proposal some = search(scheme.colour(element), together);
        if (!some.lighter && !some.darker) {
            alone.unmet = other.pair;
            break;
        }
    }
    return alone;
}

double ReadableFix::changeBetween(const ColourScheme &from, const ColourScheme &to)
{
    double sum = 0;
    for (int element = 1; element <= kElementCount; ++element)
        sum += distanceBetween(from.colour(element), to.colour(element));
    return sum;
}

// The ways tried, the one that meets most pairs and then changes least kept;
// a way that is no cheaper than one before it is not taken.
ReadableFix::FixAll ReadableFix::fixAll(const ColourScheme &scheme, double textLevel, bool colourBlind)
{
    const Check check{textLevel, colourBlind};
    FixAll result{scheme, belowLevel(scheme, check), 0, 0};
    if (result.unmet.empty())
        return result;
    // The least change over a choice of colours per element, which always
    // meets every pair (black and white are among the choices, and a tree of
    // pairs can always have its surfaces light and what stands on them dark,
    // or the other way, which meets every level for every kind of eye); and
    // the simple way of the side that needs the smaller change, where that
    // meets every pair and changes less.
    std::vector<ColourScheme> ways;
    const auto solved = TreeSolver(scheme, check).solve();
    if (solved) {
        Repair repair(scheme, check, &*solved);
        repair.moveBack();
        ways.push_back(repair.scheme());
    }
    ways.push_back(sideBySide(scheme, check));
    for (const ColourScheme &tried : ways) {
        const std::vector<Readability::Pair> unmet = belowLevel(tried, check);
        const double change = changeBetween(scheme, tried);
        if (unmet.size() < result.unmet.size() || (unmet.size() == result.unmet.size() && change < result.change))
            result = {tried, unmet, 0, change};
    }
    for (int element = 1; element <= kElementCount; ++element)
        result.changed += result.scheme.colour(element) != scheme.colour(element);
    return result;
}

ReadableFix::Amount ReadableFix::amountOf(const FixAll &fixed)
{
    if (fixed.changed == 0)
        return Amount::None;
    const double mean = fixed.change / fixed.changed;
    return mean < 0.05 ? Amount::Slight : mean < 0.15 ? Amount::Clear : Amount::Strong;
}
