#include "Readability.h"

#include "ColourScheme.h"
#include "ColourScience.h"
#include "ElementCatalogue.h"
#include "Texts.h"

#include <algorithm>
#include <cmath>

namespace {

using Kind = Readability::Kind;

// Where a screen of the preview shows the text or marker, the preview decides
// what it is drawn on: every element or fixed pixel its pixels touch that lies
// under it has a pair. The other texts go with the background their names pair
// them with, or with the screen they appear on.
//
// Left out: the phone book's texts the preview does not show (10, 12 and 14);
// the provider name's outline (24), which is not read itself but rings the
// letters (23); and the cursor, which is no text.
const std::vector<Readability::Pair> kPairs = {
    {1, 2, Kind::Text},     // date and time on the standby screen
    {3, 4, Kind::Text},     // title bar
    {5, 4, Kind::Text},     // the menu number in the title bar
    {6, 7, Kind::Text},     // softkeys
    {8, 9, Kind::Text},
    {11, Readability::kWhitePage, Kind::Text}, // the phone book's texts, on the
    {13, Readability::kWhitePage, Kind::Text}, // phone's own white page
    {15, Readability::kWhitePage, Kind::Text},
    {16, 17, Kind::Text},   // selected menu entry
    {17, 21, Kind::Marker}, // the selection bar against the menu around it
    {20, 21, Kind::Text},   // menu entries
    {23, 24, Kind::Outlined, 2}, // the provider name: letters, outline, surface
    {25, 26, Kind::Text},
    {28, 29, Kind::Marker}, // the scroll mark against its bar
    {28, 21, Kind::Marker}, // against the menu beside the bar
    {28, Readability::kWhitePage, Kind::Marker}, // and on the phone book's page
    {30, 31, Kind::Text},   // message window
    {32, 33, Kind::Text},   // message window title
    {36, 37, Kind::Text},   // marked line of a message window
    {37, 31, Kind::Marker}, // its bar against the window around it
    {44, 43, Kind::Marker}, // the selection of a radio button against its background;
                            // against the second background it need not stand out
                            // (the built-in red scheme gives both one colour)
    {44, 45, Kind::Marker}, // the detail of the phone book's icons, drawn wholly on
                            // their fill
    {52, 46, Kind::Text},   // calendar dates
    {53, 2, Kind::Text},    // a number typed on the standby screen
    {54, 21, Kind::Text},   // browser links, visited or not, and form texts, on
    {55, 21, Kind::Text},   // the text pages of the phone
    {56, 21, Kind::Text},
    {57, 21, Kind::Text},
    {18, 58, Kind::Marker}, // the frame round the selected icon of the icon menu: the
                            // only sign of the selection
    // The phone's own drawings, on the surfaces they are drawn on.
    {Readability::kStandbyIcons, 2, Kind::Marker},
    {Readability::kTitleIcons, 4, Kind::Marker},
    {Readability::kMenuIcons, 58, Kind::Marker},
};

// The colours of the drawings, as the preview screens show them: the standby
// screen's icons and the title bar's outlines are black; the icon menu's icons
// have black and grey outlines and green, blue, red and light grey faces.
const std::vector<Rgb> kBlack = {{0, 0, 0}};
const std::vector<Rgb> kMenuIconColours = {{0x00, 0x00, 0x00}, {0x00, 0x58, 0x18}, {0x22, 0x00, 0xc8},
                                           {0x58, 0x58, 0x58}, {0xd6, 0x20, 0x20}, {0xd8, 0xd8, 0xd8}};

// The contrast of two colours as the phone shows them to the eyes.
double seen(const Rgb &a, const Rgb &b, ColourScience::Vision eyes)
{
    const Rgb shownA = ColourScience::phoneColour(a);
    const Rgb shownB = ColourScience::phoneColour(b);
    if (eyes == ColourScience::Vision::Normal)
        return ColourScience::contrastRatio(shownA, shownB);
    return ColourScience::contrastRatio(ColourScience::simulate(shownA, eyes), ColourScience::simulate(shownB, eyes));
}

// A pair's ratio to the eyes, its text in `text`; an outlined text goes by the
// better of its two ways, a drawing by the colour of it that stands most apart.
double ratioOf(const ColourScheme &scheme, const Readability::Pair &pair, const Rgb &text,
               ColourScience::Vision eyes)
{
    const Rgb background = Readability::backgroundColour(scheme, pair);
    if (Readability::isDrawing(pair.text)) {
        double best = 1;
        for (const Rgb &colour : Readability::drawingColours(pair.text))
            best = std::max(best, seen(colour, background, eyes));
        return best;
    }
    const double ratio = seen(text, background, eyes);
    if (pair.kind != Kind::Outlined)
        return ratio;
    return std::max(ratio, seen(background, scheme.colour(pair.surface), eyes));
}

// The lowest of a pair's ratios to protan, deutan and tritan eyes.
double lowestColourBlind(const ColourScheme &scheme, const Readability::Pair &pair, const Rgb &text)
{
    using ColourScience::Vision;
    double lowest = Readability::kHighestLevel;
    for (const Vision vision : {Vision::Protan, Vision::Deutan, Vision::Tritan})
        lowest = std::min(lowest, ratioOf(scheme, pair, text, vision));
    return lowest;
}

ColourScience::Vision visionOf(Readability::Eyes eyes)
{
    using ColourScience::Vision;
    switch (eyes) {
    case Readability::Eyes::Protan:
        return Vision::Protan;
    case Readability::Eyes::Deutan:
        return Vision::Deutan;
    case Readability::Eyes::Tritan:
        return Vision::Tritan;
    case Readability::Eyes::Normal:
    case Readability::Eyes::All:
        break;
    }
    return Vision::Normal;
}

} // namespace

const std::vector<Readability::Pair> &Readability::pairs()
{
    return kPairs;
}

const std::vector<Rgb> &Readability::drawingColours(int drawing)
{
    return drawing == kMenuIcons ? kMenuIconColours : kBlack;
}

Rgb Readability::textColour(const ColourScheme &scheme, const Pair &pair)
{
    if (!isDrawing(pair.text))
        return scheme.colour(pair.text);
    const Rgb background = backgroundColour(scheme, pair);
    const std::vector<Rgb> &colours = drawingColours(pair.text);
    return *std::max_element(colours.begin(), colours.end(), [&](const Rgb &a, const Rgb &b) {
        return seen(a, background, ColourScience::Vision::Normal) < seen(b, background, ColourScience::Vision::Normal);
    });
}

QString Readability::textName(Language language, const Pair &pair, bool numbered)
{
    switch (pair.text) {
    case kStandbyIcons:
        return Texts::get(Text::StandbyIcons, language);
    case kTitleIcons:
        return Texts::get(Text::TitleIcons, language);
    case kMenuIcons:
        return Texts::get(Text::MenuIcons, language);
    }
    return numbered ? ElementCatalogue::numberedName(language, pair.text)
                    : ElementCatalogue::name(language, pair.text).trimmed();
}

Rgb Readability::backgroundColour(const ColourScheme &scheme, const Pair &pair)
{
    return pair.background == kWhitePage ? Rgb{255, 255, 255} : scheme.colour(pair.background);
}

QString Readability::backgroundName(Language language, const Pair &pair, bool numbered)
{
    if (pair.background == kWhitePage)
        return Texts::get(Text::WhitePage, language);
    return numbered ? ElementCatalogue::numberedName(language, pair.background)
                    : ElementCatalogue::name(language, pair.background).trimmed();
}

std::vector<Readability::Verdict> Readability::evaluate(const ColourScheme &scheme, double textLevel, Eyes eyes)
{
    std::vector<Verdict> verdicts;
    verdicts.reserve(kPairs.size());
    for (const Pair &pair : kPairs) {
        Verdict verdict;
        verdict.pair = pair;
        const Rgb text = textColour(scheme, pair);
        verdict.ratio = ratioOf(scheme, pair, text, visionOf(eyes));
        verdict.level = pair.kind == Kind::Marker ? kMarkerLevel : textLevel;
        verdict.checked = isDrawing(pair.text) || scheme.isVisible(pair.text);
        if (eyes == Eyes::All)
            verdict.colourBlindRatio = lowestColourBlind(scheme, pair, text);
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

double Readability::ratio(const ColourScheme &scheme, const Pair &pair, const Rgb &text, Eyes eyes)
{
    const double seenRatio = ratioOf(scheme, pair, text, visionOf(eyes));
    return eyes == Eyes::All ? std::min(seenRatio, lowestColourBlind(scheme, pair, text)) : seenRatio;
}

QString Readability::ratioText(double ratio)
{
    return QString::number(std::floor(ratio * 10) / 10, 'f', 1);
}
