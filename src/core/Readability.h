#pragma once

#include "Languages.h"
#include "Rgb.h"

#include <QString>

#include <optional>

#include <vector>

class ColourScheme;

// Which colours of a scheme must stand apart for the phone's screens to be read:
// every text with what it is drawn on, and the markers that show a choice with
// what lies around them. The ratio of a pair is computed on the colours the
// phone shows (ColourScience::phoneContrast), not on the file's 24-bit values.
class Readability
{
public:
    enum class Kind {
        Text,     // letters, digits and links, read against their background
        Marker,   // a bar, a mark or a frame that shows a selection or a place
        Outlined, // letters ringed by an outline on a surface: read where the letters
                  // stand apart from the outline, or the outline with its letters
                  // from the surface
    };

    // The ratios WCAG 2 asks for: 4.5 for normal text (AA), 3 for the parts of a
    // control that show its state.
    static constexpr double kTextLevel = 4.5;
    static constexpr double kMarkerLevel = 3.0;
    static constexpr double kHighestLevel = 21.0; // white on black

    // The background of a text on the phone's own white page (the phone book's
    // texts, a scroll mark beside it), which no scheme changes.
    static constexpr int kWhitePage = 0;

    // The phone's own drawings in fixed colours on a scheme's surfaces, which
    // are seen as markers are: the texts of their pairs, numbered below zero.
    // A drawing of several colours is seen by the one that stands most apart
    // from what it lies on (its outline, for most).
    static constexpr int kStandbyIcons = -1; // signal strength and battery, black, on the standby screen
    static constexpr int kTitleIcons = -2;   // the black outlines of the title bar's icons
    static constexpr int kMenuIcons = -3;    // the icons of the icon menu
    static bool isDrawing(int text) { return text < 0; }
    // The colours a drawing is made of.
    static const std::vector<Rgb> &drawingColours(int drawing);

    struct Pair
    {
        int text;       // the element read, or the marker, or one of the phone's drawings
        int background; // the element it is drawn on, or lies against, or kWhitePage
        Kind kind;
        int surface = 0; // Outlined: what the outline lies on

        friend bool operator==(const Pair &a, const Pair &b)
        {
            return a.text == b.text && a.background == b.background && a.kind == b.kind && a.surface == b.surface;
        }
    };
    // What a pair's background is: the element's colour, or the page's white.
    static Rgb backgroundColour(const ColourScheme &scheme, const Pair &pair);
    // The background's name: the element's (with its number where asked), or the page's.
    static QString backgroundName(Language language, const Pair &pair, bool numbered);
    // What a pair's text is: the element's colour, or of a drawing the colour
    // by which it is seen on its background (to normal eyes).
    static Rgb textColour(const ColourScheme &scheme, const Pair &pair);
    // The text's name: the element's (with its number where asked), or the drawing's.
    static QString textName(Language language, const Pair &pair, bool numbered);
    // The element a fix of the pair gives a colour: its text, or its background
    // where the text is one of the phone's drawings.
    static int elementToFix(const Pair &pair) { return isDrawing(pair.text) ? pair.background : pair.text; }

    // Every pair, in element order, the phone's drawings last. A text drawn on
    // several backgrounds has a pair for each.
    static const std::vector<Pair> &pairs();

    struct Verdict
    {
        Pair pair;
        double ratio = 1; // as the phone shows both colours
        double level = 0; // what the pair needs
        bool checked = true; // false while the phone hides the text element (a drawing always shows)
        // Where colour-blind eyes are asked for: the lowest ratio of the pair as
        // protan, deutan and tritan eyes see the phone's colours.
        std::optional<double> colourBlindRatio;

        // The ratio the verdict goes by: the lowest of the eyes asked for.
        double worstRatio() const { return colourBlindRatio ? std::min(ratio, *colourBlindRatio) : ratio; }
        // Unchecked pairs are never below their level.
        bool isBelowLevel() const { return checked && worstRatio() < level; }
    };

    // A ratio as it is shown: to one decimal, rounded down, so that a ratio
    // shown is never the level it misses ("4.4" for 4.49).
    static QString ratioText(double ratio);

    // Whose eyes a pair must reach its level for: normal ones, one kind of
    // colour-blind ones alone, or normal and all three colour-blind kinds.
    enum class Eyes { Normal, Protan, Deutan, Tritan, All };

    // Every pair of the scheme, worst first: checked pairs by their worst ratio
    // as a share of their level (a text at 4 of 4.5 before a marker at 2.9 of
    // 3), the unchecked ones last; pairs that fare alike keep the order of
    // pairs(). Text pairs need textLevel, markers kMarkerLevel. The ratio is
    // the one the eyes see (normal ones for All, which adds the lowest of the
    // three colour-blind kinds).
    static std::vector<Verdict> evaluate(const ColourScheme &scheme, double textLevel = kTextLevel,
                                         Eyes eyes = Eyes::Normal);

    // The ratio a pair's verdict goes by (Verdict::worstRatio) with its text or
    // marker in `text` instead of its colour in the scheme (a drawing keeps
    // its own colours, and `text` means nothing for it): the lowest of the
    // eyes asked for (for All, normal and the three colour-blind kinds), on the
    // colours the phone shows. Whatever shows a ratio for a colour it might
    // take asks this, so that it agrees with the verdicts.
    static double ratio(const ColourScheme &scheme, const Pair &pair, const Rgb &text, Eyes eyes);

};
