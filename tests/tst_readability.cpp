// The pairs of colours the phone must show apart, held against the preview
// screens that draw them and against the element names, and the verdicts they
// give on whole schemes.

#include "support/RandomScheme.h"

#include "ColourScheme.h"
#include "ColourScience.h"
#include "ColourText.h"
#include "ElementCatalogue.h"
#include "PreviewPanes.h"
#include "Readability.h"
#include "ReadableFix.h"
#include "StandardSchemes.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <array>
#include <limits>
#include <cmath>
#include <functional>
#include <map>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

using Kind = Readability::Kind;

// The elements whose English name says they are read: a text, a font, a number
// or a link, but not the background of one, nor a menu of texts ("scroll mark
// text menu").
QSet<int> elementsNamedAsText()
{
    static const QRegularExpression word(QStringLiteral("\\b(text|font|number|link)\\b"));
    QSet<int> texts;
    for (int element = 1; element <= kElementCount; ++element) {
        const QString name = ElementCatalogue::name(Language::English, element);
        if (name.contains(word) && !name.contains(u"background") && !name.contains(u"text menu"))
            texts.insert(element);
    }
    return texts;
}

// Per element of the built-in preview screens, the elements beside its pixels
// (left, right, above or below) in any screen, and the phone's own white page
// (Readability::kWhitePage) where a fixed white pixel lies beside one. A fixed
// pixel of another colour is counted as -1: every one must be accounted for.
std::map<int, QSet<int>> touchedInThePictures()
{
    std::map<int, QSet<int>> touched;
    for (const PreviewPane &pane : PreviewPanes::builtInPanes()) {
        const QImage &mask = pane.mask();
        const auto at = [&pane](int x, int y) { return pane.elementAt({x, y}); };
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                const int element = at(x, y);
                if (element == 0)
                    continue;
                touched[element]; // present, even where it touches no other element
                for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint next(x + step.x(), y + step.y());
                    if (!QRect(QPoint(0, 0), mask.size()).contains(next))
                        continue;
                    const int other = at(next.x(), next.y());
                    if (other == 0)
                        touched[element].insert((pane.picture().pixel(next) & 0xffffff) == 0xffffff
                                                    ? Readability::kWhitePage : -1);
                    else if (other != element)
                        touched[element].insert(other);
                }
            }
        }
    }
    return touched;
}

// Per element, the colours of the fixed pixels beside it (left, right, above
// or below) in any screen, but the white of the phone's page.
std::map<int, QSet<QRgb>> fixedColoursBeside()
{
    std::map<int, QSet<QRgb>> beside;
    for (const PreviewPane &pane : PreviewPanes::builtInPanes()) {
        const QRect inside(QPoint(0, 0), pane.mask().size());
        for (int y = 0; y < inside.height(); ++y) {
            for (int x = 0; x < inside.width(); ++x) {
                const int element = pane.elementAt({x, y});
                for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint next(x + step.x(), y + step.y());
                    if (element == 0 || !inside.contains(next) || pane.elementAt(next) != 0)
                        continue;
                    const QRgb colour = pane.picture().pixel(next) | 0xff000000;
                    if (colour != qRgb(255, 255, 255))
                        beside[element].insert(colour);
                }
            }
        }
    }
    return beside;
}

QSet<int> backgroundsOf(int element, std::optional<Kind> kind = std::nullopt)
{
    QSet<int> backgrounds;
    for (const Readability::Pair &pair : Readability::pairs())
        if (pair.text == element && (!kind || pair.kind == *kind))
            backgrounds.insert(pair.background);
    return backgrounds;
}

// Texts named as such that have no pair: the phone book's that the preview does
// not show (10, 12, 14), and the provider name's outline (24), which rings the
// letters of the outlined pair (23).
const QSet<int> kTextsWithoutPair = {10, 12, 14, 24};

// Of each text or marker the preview shows, the elements its pixels touch that
// lie over or beside it rather than under it; every other element it touches is
// what it is drawn on, and has a pair.
const std::map<int, QList<int>> kTouchedButNotUnder = {
    {1, {}},
    {3, {34}}, // the pop-up's border, over the title bar
    {5, {}},
    {6, {Readability::kWhitePage, 21}}, // a lone softkey's frame, drawn in the softkeys'
               // font colour, borders the menu or the page above the bar: the key
               // is read against the bar
    {11, {}},  // the phone book's texts lie on the phone's own page
    {13, {}},
    {15, {}},
    {16, {}},
    {17, {16, 18, 34, 42, 44, 45}}, // its text, its border, the pop-up's border, the
                                    // symbol drawn on the bar
    {18, {-1, 17, 19, 21, 34, 44}}, // the icon menu's frame also borders the selection bar of
                                    // the menus, which stands out itself (17 on 21); its
                                    // shadow, the pop-up's border, a symbol's corner, and the
                                    // selected icon it rings
    {20, {}},
    {23, {}},
    {24, {2, 23}}, // the outline rings the letters: the outlined pair (23) covers it
    {28, {35}},    // the pop-up's shadow, over the scroll mark
    {30, {}},
    {32, {}},
    {36, {}},
    {37, {34, 36}}, // the pop-up's border, and the text on the bar
    {44, {17, 18, 19, 21, 34, 42}}, // a symbol's corners meet what lies around the
                                    // symbol; 42 is its border
};

// A scheme in which every pair reaches any level: black texts on white, but the
// selected menu entry and the marked line of a message window white on black
// bars, which stand out from the white menus around them.
ColourScheme blackOnWhite()
{
    ColourScheme scheme;
    const QSet<int> black = {1,  3,  5,  6,  8,  11, 13, 15, 17, 18, 20, 23,
                             25, 28, 30, 32, 37, 44, 52, 53, 54, 55, 56, 57};
    for (int element = 1; element <= kElementCount; ++element)
        scheme.setColour(element, black.contains(element) ? Rgb{0, 0, 0} : Rgb{255, 255, 255});
    return scheme;
}

Rgb grey(int level)
{
    return {quint8(level), quint8(level), quint8(level)};
}

} // namespace

using Colours = QList<QPair<int, Rgb>>;
Q_DECLARE_METATYPE(Rgb)
Q_DECLARE_METATYPE(Colours)
Q_DECLARE_METATYPE(ColourScheme)

class TestReadability : public QObject
{
    Q_OBJECT
private slots:
    void everyTextHasItsPairs();
    void pairsAgreeWithThePictures_data();
    void pairsAgreeWithThePictures();
    void evaluate_data();
    void evaluate();
    void exactFixMeetsEveryPairOfItsElement_data();
    void exactFixMeetsEveryPairOfItsElement();
    void fixAllBringsEveryPairToItsLevel_data();
    void fixAllBringsEveryPairToItsLevel();
    void fixAllChangesLittle_data();
    void fixAllChangesLittle();
};

void TestReadability::everyTextHasItsPairs()
{
    const QSet<int> named = elementsNamedAsText();
    QCOMPARE(named, (QSet<int>{1, 3, 5, 6, 8, 10, 11, 12, 13, 14, 15, 16, 20, 23, 24, 25, 30, 32, 36, 52, 53,
                               54, 55, 56, 57}));
    QSet<int> withTextPair;
    QSet<int> paired; // texts and markers
    QSet<QPair<int, int>> seen;
    for (const Readability::Pair &pair : Readability::pairs()) {
        const QString what = QStringLiteral("%1 on %2").arg(pair.text).arg(pair.background);
        QVERIFY2((ElementNumber::isValid(pair.text) || Readability::isDrawing(pair.text))
                     && (pair.background == Readability::kWhitePage || ElementNumber::isValid(pair.background)),
                 qPrintable(what));
        QVERIFY2(pair.text != pair.background, qPrintable(what));
        QVERIFY2(!seen.contains({pair.text, pair.background}), qPrintable(what));
        seen.insert({pair.text, pair.background});
        paired.insert(pair.text);
        if (pair.kind != Kind::Marker)
            withTextPair.insert(pair.text);
    }
    QCOMPARE(withTextPair, named - kTextsWithoutPair);
    QVERIFY(paired.contains(withTextPair));

    // Every text or marker the preview shows is held against the pictures below.
    const std::map<int, QSet<int>> touched = touchedInThePictures();
    QSet<int> shown;
    for (const int element : named | paired)
        if (touched.count(element))
            shown.insert(element);
    QSet<int> examined;
    for (const auto &entry : kTouchedButNotUnder)
        examined.insert(entry.first);
    QCOMPARE(examined, shown);

    // The pairs between two elements link them into trees, the provider name's
    // letters and surface once its outline is chosen: Fix all solves each tree
    // exactly, and a pair that closed a ring would leave it without a way.
    std::map<int, int> group;
    const std::function<int(int)> root = [&](int element) {
        return group.count(element) && group[element] != element ? root(group[element]) : element;
    };
    for (const Readability::Pair &pair : Readability::pairs()) {
        const int a = pair.text;
        const int b = pair.kind == Kind::Outlined ? pair.surface : pair.background;
        if (a <= 0 || b <= 0)
            continue; // the page and the drawings are no elements
        const int ra = root(a);
        const int rb = root(b);
        QVERIFY2(ra != rb, qPrintable(QStringLiteral("%1 on %2 closes a ring").arg(a).arg(b)));
        group[ra] = rb;
    }

    // Every fixed pixel of the phone's own beside an element, but the white
    // page, is one of a drawing whose pair lies on that element (its colours
    // all the drawing's), or left out for a reason.
    const std::map<int, QString> leftOut = {
        {18, u"the selected icon inside the frame: the frame is seen against the menu around it (18 on 58)"_s},
        {22, u"a window's shadow beside the phone's black lines: neither is read"_s},
        {34, u"the options window's border beside the title bar's icon: the icon lies on the title bar"_s},
        {42, u"the icons' border beside the cursor's fixed blue-grey: neither is read against the other"_s},
    };
    for (const auto &[element, colours] : fixedColoursBeside()) {
        QSet<QRgb> drawn;
        for (const Readability::Pair &pair : Readability::pairs()) {
            if (Readability::isDrawing(pair.text) && pair.background == element) {
                for (const Rgb &colour : Readability::drawingColours(pair.text))
                    drawn.insert(qRgb(colour.red, colour.green, colour.blue));
            }
        }
        const QString what = QString::number(element);
        if (leftOut.count(element))
            QVERIFY2(drawn.isEmpty(), qPrintable(what));
        else
            QVERIFY2(!drawn.isEmpty() && drawn.contains(colours), qPrintable(what));
    }
}

void TestReadability::pairsAgreeWithThePictures_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<QList<int>>("notUnder");
    for (const auto &entry : kTouchedButNotUnder)
        QTest::addRow("%d", entry.first) << entry.first << entry.second;
}

void TestReadability::pairsAgreeWithThePictures()
{
    QFETCH(int, element);
    QFETCH(QList<int>, notUnder);
    const std::map<int, QSet<int>> pictures = touchedInThePictures();
    QVERIFY(pictures.count(element));
    const QSet<int> touched = pictures.at(element);
    // Every element it touches is listed as its background or lies over or beside
    // it, and every element said to lie over or beside it does touch it.
    QList<int> unlisted = (touched - backgroundsOf(element)).values();
    std::sort(unlisted.begin(), unlisted.end());
    QCOMPARE(unlisted, notUnder);
    // A text lies on each background listed for it. (A marker need not touch what
    // it stands out from: a border may lie between the selection bar and the menu.)
    const QSet<int> textBackgrounds = backgroundsOf(element, Kind::Text);
    QVERIFY2(touched.contains(textBackgrounds), qPrintable(QString::number(element)));
}

void TestReadability::evaluate_data()
{
    QTest::addColumn<Colours>("colours"); // changes to blackOnWhite()
    QTest::addColumn<QList<int>>("hidden");
    QTest::addColumn<double>("textLevel");
    QTest::addColumn<QStringList>("below"); // "text on background: ratio < level", worst first
    QTest::addColumn<int>("unchecked");

    const double text = Readability::kTextLevel;
    QTest::newRow("black on white") << Colours{} << QList<int>{} << text << QStringList{} << 0;
    // (232, 0, 112) reaches 4.50:1 on white in the file's 24 bits; the phone
    // shows it as (239, 0, 115), at 4.27:1.
    QTest::newRow("a text that reaches its level only in the file's colours")
        << Colours{{6, {232, 0, 112}}} << QList<int>{} << text << QStringList{QStringLiteral("6 on 7: 4.2 < 4.5")}
        << 0;
    // Grey 148 is 3.03:1 on white in the file, 2.98:1 on the phone.
    QTest::newRow("a marker that reaches its level only in the file's colours")
        << Colours{{28, grey(148)}} << QList<int>{} << text
        << QStringList{QStringLiteral("28 on 29: 2.9 < 3"), QStringLiteral("28 on 21: 2.9 < 3"),
                       QStringLiteral("28 on 0: 2.9 < 3")} << 0;
    QTest::newRow("one colour, enough for a marker, too little for a text")
        << Colours{{17, grey(128)}} << QList<int>{} << text << QStringList{QStringLiteral("16 on 17: 3.8 < 4.5")}
        << 0;
    // By plain ratio the marker (2.9) would come before the text at 3.8.
    QTest::newRow("worst first, as a share of the level")
        << Colours{{28, grey(148)}, {30, grey(128)}, {3, grey(170)}} << QList<int>{} << text
        << QStringList{QStringLiteral("3 on 4: 2.3 < 4.5"), QStringLiteral("30 on 31: 3.8 < 4.5"),
                       QStringLiteral("28 on 29: 2.9 < 3"), QStringLiteral("28 on 21: 2.9 < 3"),
                       QStringLiteral("28 on 0: 2.9 < 3")}
        << 0;
    QTest::newRow("a hidden text is not checked, however it looks")
        << Colours{{6, grey(255)}, {17, grey(255)}} << QList<int>{6, 17} << text
        << QStringList{QStringLiteral("16 on 17: 1.0 < 4.5")} << 2;
    QTest::newRow("a hidden background leaves the pair checked")
        << Colours{{6, grey(255)}} << QList<int>{7, 45} << text << QStringList{QStringLiteral("6 on 7: 1.0 < 4.5")}
        << 0;
    QTest::newRow("a higher level for texts, not for markers")
        << Colours{{3, grey(100)}, {28, grey(100)}} << QList<int>{} << 7.0
        << QStringList{QStringLiteral("3 on 4: 5.8 < 7")} << 0;
    QTest::newRow("the lowest level passes every text, not the markers")
        << Colours{{3, grey(255)}, {28, grey(255)}} << QList<int>{} << 1.0
        << QStringList{QStringLiteral("28 on 29: 1.0 < 3"), QStringLiteral("28 on 21: 1.0 < 3"),
                       QStringLiteral("28 on 0: 1.0 < 3")} << 0;
    // The phone book's texts on the page, and the provider name: letters and
    // outline both black stand apart from a light surface as one bold mass; white
    // letters in a white outline on it do not.
    QTest::newRow("near-white phone book texts")
        << Colours{{11, grey(250)}, {13, grey(250)}, {15, grey(250)}} << QList<int>{} << text
        << QStringList{QStringLiteral("11 on 0: 1.0 < 4.5"), QStringLiteral("13 on 0: 1.0 < 4.5"),
                       QStringLiteral("15 on 0: 1.0 < 4.5")} << 0;
    QTest::newRow("the icons' detail as their fill")
        << Colours{{44, grey(0)}, {45, grey(0)}} << QList<int>{} << text
        << QStringList{QStringLiteral("44 on 45: 1.0 < 3")} << 0;
    // The phone's own drawings: black outlines need a title bar light enough
    // to show them; the icon menu's icons show by their light or their dark
    // colours; its frame is the only sign of the selected icon.
    QTest::newRow("a dark title bar hides its icons' black outlines")
        << Colours{{4, grey(60)}, {3, grey(255)}, {5, grey(255)}} << QList<int>{} << text
        << QStringList{QStringLiteral("-2 on 4: 1.8 < 3")} << 0;
    QTest::newRow("any icon menu shows its icons, not a frame in its colour")
        << Colours{{58, grey(128)}, {18, grey(128)}} << QList<int>{} << text
        << QStringList{QStringLiteral("18 on 58: 1.0 < 3")} << 0;
    QTest::newRow("provider name, letters and outline black") << Colours{{24, grey(0)}} << QList<int>{} << text
                                                              << QStringList{} << 0;
    QTest::newRow("provider name, white in white on white") << Colours{{23, grey(255)}} << QList<int>{} << text
                                                            << QStringList{QStringLiteral("23 on 24: 1.0 < 4.5")} << 0;
}

void TestReadability::evaluate()
{
    QFETCH(Colours, colours);
    QFETCH(QList<int>, hidden);
    QFETCH(double, textLevel);
    QFETCH(QStringList, below);
    QFETCH(int, unchecked);
    ColourScheme scheme = blackOnWhite();
    for (const auto &change : colours)
        scheme.setColour(change.first, change.second);
    for (const int element : hidden)
        scheme.setVisible(element, false);

    const std::vector<Readability::Verdict> verdicts = Readability::evaluate(scheme, textLevel);
    QCOMPARE(verdicts.size(), Readability::pairs().size());
    QStringList found;
    int notChecked = 0;
    for (std::size_t i = 0; i < verdicts.size(); ++i) {
        const Readability::Verdict &verdict = verdicts[i];
        const Readability::Pair &pair = verdict.pair;
        QCOMPARE(verdict.level, pair.kind == Kind::Marker ? Readability::kMarkerLevel : textLevel);
        QCOMPARE(verdict.checked, !hidden.contains(pair.text));
        if (verdict.isBelowLevel()) {
            found << QStringLiteral("%1 on %2: %3 < %4")
                         .arg(pair.text)
                         .arg(pair.background)
                         .arg(std::floor(verdict.ratio * 10) / 10, 0, 'f', 1)
                         .arg(verdict.level);
        }
        notChecked += !verdict.checked;
        // Worst first; the unchecked pairs at the end.
        if (i > 0) {
            const Readability::Verdict &before = verdicts[i - 1];
            QVERIFY(before.checked || !verdict.checked);
            if (verdict.checked)
                QVERIFY(before.ratio / before.level <= verdict.ratio / verdict.level);
        }
    }
    QCOMPARE(found, below);
    QCOMPARE(notChecked, unchecked);
    // Black and white stay black and white on the phone: 21:1.
    if (colours.isEmpty()) {
        for (const Readability::Verdict &verdict : verdicts)
            QCOMPARE(verdict.ratio, 21.0);
    }
}

namespace {

double levelOf(const Readability::Pair &pair)
{
    return pair.kind == Kind::Marker ? Readability::kMarkerLevel : Readability::kTextLevel;
}

// Whether the element, given the colour, meets every checked pair it is part of.
bool meetsEveryPair(ColourScheme scheme, int element, const Rgb &colour,
                    Readability::Eyes eyes = Readability::Eyes::Normal)
{
    scheme.setColour(element, colour);
    for (const Readability::Verdict &verdict : Readability::evaluate(scheme, Readability::kTextLevel, eyes)) {
        const bool part = verdict.pair.text == element || verdict.pair.background == element
                          || (verdict.pair.kind == Kind::Outlined && verdict.pair.surface == element);
        if (part && verdict.isBelowLevel())
            return false;
    }
    return true;
}

} // namespace

void TestReadability::exactFixMeetsEveryPairOfItsElement_data()
{
    QTest::addColumn<ColourScheme>("scheme");
    QTest::addColumn<int>("pair");  // its place in pairs()
    QTest::addColumn<bool>("text"); // the pair's text is fixed, else its background
    QTest::addColumn<bool>("colourBlind");

    // A yellow radio button selection on mauve, both its backgrounds: the
    // lighter side, a step away, is nearest, though black or white on mauve
    // would point to the darker one.
    ColourScheme yellow = blackOnWhite();
    yellow.setColour(44, {248, 234, 2});
    yellow.setColour(43, {164, 122, 139});
    yellow.setColour(45, {164, 122, 139});
    const auto &all = Readability::pairs();
    const int radio = int(std::find_if(all.begin(), all.end(), [](const Readability::Pair &p) {
                              return p.text == 44 && p.background == 43;
                          }) - all.begin());
    QTest::newRow("yellow on mauve") << yellow << radio << true << false;
    for (quint32 seed = 1; seed <= 12; ++seed) {
        const ColourScheme scheme = randomScheme(seed);
        const auto verdicts = Readability::evaluate(scheme);
        const auto failing = std::find_if(verdicts.begin(), verdicts.end(),
                                          [](const Readability::Verdict &v) { return v.isBelowLevel(); });
        if (failing == verdicts.end())
            continue;
        const auto &pairs = Readability::pairs();
        const int place = int(std::find_if(pairs.begin(), pairs.end(), [&](const Readability::Pair &p) {
                                  return p.text == failing->pair.text && p.background == failing->pair.background;
                              }) - pairs.begin());
        QTest::addRow("random %u, text", seed) << scheme << place << true << false;
        if (failing->pair.background != Readability::kWhitePage && !Readability::isDrawing(failing->pair.text))
            QTest::addRow("random %u, background", seed) << scheme << place << false << false;
    }
    // The provider name's outline, to every kind of eye: it may stand apart
    // from the letters for one kind and from the surface for another, as the
    // check takes it.
    const int outlined = int(std::find_if(all.begin(), all.end(), [](const Readability::Pair &p) {
                                 return p.kind == Kind::Outlined;
                             }) - all.begin());
    for (quint32 seed = 1; seed <= 6; ++seed)
        QTest::addRow("random %u, the provider name's outline, colour-blind", seed)
            << randomScheme(seed) << outlined << false << true;
}

// The colour Fix proposes brings every pair of the element to its level on the
// phone, and no phone colour that does so lies nearer on its side: a search of
// all 65,536 phone colours finds the same distances. Where no colour meets every
// pair, the proposal says so and meets the chosen pair alone.
void TestReadability::exactFixMeetsEveryPairOfItsElement()
{
    QFETCH(ColourScheme, scheme);
    QFETCH(int, pair);
    QFETCH(bool, text);
    QFETCH(bool, colourBlind);
    const auto &all = Readability::pairs();
    const Readability::Pair chosen = all[std::size_t(pair)];
    const int element = text ? chosen.text : chosen.background;
    const ReadableFix::Proposal proposal =
        ReadableFix::propose(scheme, element, chosen, Readability::kTextLevel, colourBlind);
    const auto eyes = colourBlind ? Readability::Eyes::All : Readability::Eyes::Normal;

    const ColourScience::Oklab here = ColourScience::toOklab(scheme.colour(element));
    std::optional<double> nearest[2]; // darker, lighter
    std::optional<double> nearestForTheChosen[2];
    for (int code = 0; code < 1 << 16; ++code) {
        const Rgb colour = ColourScience::phoneColour(
            {quint8((code >> 11) << 3), quint8(((code >> 5) & 0x3f) << 2), quint8((code & 0x1f) << 3)});
        const ColourScience::Oklab there = ColourScience::toOklab(colour);
        const int side = there.L > here.L ? 1 : 0;
        const double distance = ColourScience::distance(here, there);
        ColourScheme with = scheme;
        with.setColour(element, colour);
        if ((!nearestForTheChosen[side] || distance < *nearestForTheChosen[side])
            && Readability::ratio(with, chosen, Readability::textColour(with, chosen), eyes) >= levelOf(chosen))
            nearestForTheChosen[side] = distance;
        if ((!nearest[side] || distance < *nearest[side]) && meetsEveryPair(scheme, element, colour, eyes))
            nearest[side] = distance;
    }
    const bool every = nearest[0] || nearest[1];
    QCOMPARE(proposal.unmet.has_value(), !every);
    const std::optional<double> *expected = every ? nearest : nearestForTheChosen;
    const std::optional<ReadableFix::Candidate> found[2] = {proposal.darker, proposal.lighter};
    for (int side = 0; side < 2; ++side) {
        QCOMPARE(found[side].has_value(), expected[side].has_value());
        if (!found[side])
            continue;
        QVERIFY(qFuzzyCompare(found[side]->distance, *expected[side]));
        QVERIFY(ColourScience::isPhoneColour(found[side]->colour));
        if (every)
            QVERIFY(meetsEveryPair(scheme, element, found[side]->colour, eyes));
    }
    if (QByteArray(QTest::currentDataTag()) == "yellow on mauve") {
        QVERIFY(proposal.lighter && proposal.lighter->distance < 0.02);
        QCOMPARE(proposal.nearest()->colour, proposal.lighter->colour);
        // On a middle grey neither black nor white reaches 7:1: no colour of
        // the softkeys meets their pair, and it is that pair that is named.
        ColourScheme middle = blackOnWhite();
        middle.setColour(7, grey(118));
        const Readability::Pair softkeys = *std::find_if(all.begin(), all.end(), [](const Readability::Pair &p) {
            return p.text == 6 && p.background == 7;
        });
        const ReadableFix::Proposal none = ReadableFix::propose(middle, 6, softkeys, 7.0);
        QVERIFY(!none.lighter && !none.darker);
        QVERIFY(none.unmet && *none.unmet == softkeys);
    }
}

void TestReadability::fixAllBringsEveryPairToItsLevel_data()
{
    QTest::addColumn<ColourScheme>("scheme");
    QTest::addColumn<bool>("colourBlind");
    for (const bool colourBlind : {false, true}) {
        const char *eyes = colourBlind ? ", colour-blind too" : "";
        for (const StandardScheme standard : {StandardScheme::Blue, StandardScheme::Green, StandardScheme::Red}) {
            ColourScheme scheme;
            scheme.loadStandard(standard);
            QTest::addRow("%s%s", qPrintable(StandardSchemes::name(standard)), eyes) << scheme << colourBlind;
        }
        for (quint32 seed = 100; seed < (colourBlind ? 108 : 120); ++seed)
            QTest::addRow("random %u%s", seed, eyes) << randomScheme(seed) << colourBlind;
    }
}

// Every pair ends at its level (to colour-blind eyes too where they are asked
// for), only colours change (to phone colours), and the same scheme gives the
// same result.
void TestReadability::fixAllBringsEveryPairToItsLevel()
{
    QFETCH(ColourScheme, scheme);
    QFETCH(bool, colourBlind);
    if (QByteArray(QTest::currentDataTag()) == "red, colour-blind too") {
        // The red scheme's softkeys: 4.78:1 to normal eyes, 3.92:1 to deuteranopes.
        const auto verdicts = Readability::evaluate(scheme, Readability::kTextLevel, Readability::Eyes::All);
        const auto softkeys = std::find_if(verdicts.begin(), verdicts.end(), [](const Readability::Verdict &v) {
            return v.pair.text == 6 && v.pair.background == 7;
        });
        QVERIFY(softkeys->ratio > 4.7 && softkeys->ratio < 4.8);
        QVERIFY(*softkeys->colourBlindRatio > 3.9 && *softkeys->colourBlindRatio < 4.0);
        QVERIFY(softkeys->isBelowLevel());
    }
    const ReadableFix::FixAll fixed = ReadableFix::fixAll(scheme, Readability::kTextLevel, colourBlind);
    QVERIFY(fixed.unmet.empty());
    // The built-in schemes keep their look: the red one its white title texts on
    // a bar a little darker, the green one its light texts on darker green bars.
    // No text changes; the bars keep their hue.
    if (QByteArray(QTest::currentDataTag()) == "red" || QByteArray(QTest::currentDataTag()) == "green") {
        using Role = ElementCatalogue::Role;
        for (int element = 1; element <= kElementCount; ++element) {
            const Role role = ElementCatalogue::role(element);
            if (role == Role::Text || role == Role::TextOnRaised || role == Role::TextOnAccent)
                QCOMPARE(fixed.scheme.colour(element), scheme.colour(element));
            else if (fixed.scheme.colour(element) != scheme.colour(element) && role != Role::IconFill)
                QVERIFY2(ColourScience::hueDifference(ColourScience::toOklch(fixed.scheme.colour(element)).h,
                                                      ColourScience::toOklch(scheme.colour(element)).h)
                             < 15,
                         qPrintable(QString::number(element)));
        }
    }
    for (const Readability::Verdict &verdict : Readability::evaluate(fixed.scheme, Readability::kTextLevel,
                                                                        colourBlind ? Readability::Eyes::All : Readability::Eyes::Normal)) {
        const bool named = std::any_of(fixed.unmet.begin(), fixed.unmet.end(), [&](const Readability::Pair &p) {
            return p.text == verdict.pair.text && p.background == verdict.pair.background;
        });
        QVERIFY2(!verdict.isBelowLevel() || named,
                 qPrintable(QStringLiteral("%1 on %2").arg(verdict.pair.text).arg(verdict.pair.background)));
    }
    QCOMPARE(fixed.scheme.name(), scheme.name());
    QCOMPARE(fixed.scheme.visibleBits(), scheme.visibleBits());
    for (int element = 1; element <= kElementCount; ++element) {
        QCOMPARE(fixed.scheme.entry(element).brightness, scheme.entry(element).brightness);
        if (fixed.scheme.colour(element) != scheme.colour(element))
            QVERIFY(ColourScience::isPhoneColour(fixed.scheme.colour(element)));
    }
    QVERIFY(ReadableFix::fixAll(scheme, Readability::kTextLevel, colourBlind).scheme.table() == fixed.scheme.table());
}

namespace {

// The phone's colours with their luminance and OKLab coordinates.
struct PhoneColours
{
    std::vector<Rgb> colour;
    std::vector<double> luminance;
    std::vector<ColourScience::Oklab> oklab;
    PhoneColours()
    {
        for (int code = 0; code < 1 << 16; ++code) {
            const Rgb c = ColourScience::phoneColour(
                {quint8((code >> 11) << 3), quint8(((code >> 5) & 0x3f) << 2), quint8((code & 0x1f) << 3)});
            colour.push_back(c);
            luminance.push_back(ColourScience::relativeLuminance(c));
            oklab.push_back(ColourScience::toOklab(c));
        }
    }
};

// The least change of one side of a text or marker pair that brings that pair
// alone to its level to normal eyes, the rest as it is.
double leastSingleSideChange(const ColourScheme &scheme, const Readability::Pair &pair, double level)
{
    static const PhoneColours phone;
    double least = std::numeric_limits<double>::infinity();
    const Rgb text = scheme.colour(pair.text);
    const Rgb background = Readability::backgroundColour(scheme, pair);
    for (const auto &[side, other] : {std::pair(pair.text, background), std::pair(pair.background, text)}) {
        if (side <= 0)
            continue;
        const ColourScience::Oklab from = ColourScience::toOklab(scheme.colour(side));
        const double across = ColourScience::relativeLuminance(ColourScience::phoneColour(other));
        for (std::size_t i = 0; i < phone.colour.size(); ++i) {
            const double a = phone.luminance[i];
            if ((std::max(a, across) + 0.05) / (std::min(a, across) + 0.05) >= level)
                least = std::min(least, ColourScience::distance(from, phone.oklab[i]));
        }
    }
    return least;
}

// Worst pair first, whichever side needs the smaller change: to a colour that
// meets every pair it is part of, or where it has none, that pair alone; empty
// where that does not end with every pair met within a round per pair below
// its level and eight more.
std::optional<ColourScheme> simpleGreedy(ColourScheme scheme, double level, bool colourBlind)
{
    const auto eyes = colourBlind ? Readability::Eyes::All : Readability::Eyes::Normal;
    QSet<QByteArray> seen; // the same colours again: it goes round for ever
    const auto below = [&] {
        const auto verdicts = Readability::evaluate(scheme, level, eyes);
        return std::count_if(verdicts.begin(), verdicts.end(), [](const auto &v) { return v.isBelowLevel(); });
    };
    for (auto round = below() + 8; round >= 0; --round) {
        const std::vector<Readability::Verdict> verdicts = Readability::evaluate(scheme, level, eyes);
        if (!verdicts.front().isBelowLevel())
            return scheme;
        QByteArray colours;
        for (int element = 1; element <= kElementCount; ++element)
            colours += ColourText::hex(scheme.colour(element)).toLatin1();
        if (std::exchange(seen, seen + QSet<QByteArray>{colours}).contains(colours))
            return std::nullopt;
        const Readability::Pair pair = verdicts.front().pair;
        std::optional<std::pair<int, ReadableFix::Candidate>> best;
        for (const int side : {pair.text, pair.background}) {
            if (side <= 0)
                continue;
            const ReadableFix::Proposal proposal = ReadableFix::propose(scheme, side, pair, level, colourBlind);
            const auto nearest = proposal.nearest();
            if (nearest && (!best || nearest->distance < best->second.distance))
                best = std::pair(side, *nearest);
        }
        if (!best)
            return std::nullopt;
        scheme.setColour(best->first, best->second.colour);
    }
    return std::nullopt;
}

} // namespace

void TestReadability::fixAllChangesLittle_data()
{
    QTest::addColumn<double>("level");
    QTest::addColumn<bool>("colourBlind");
    QTest::addColumn<int>("schemes");
#if defined(__SANITIZE_ADDRESS__)
    constexpr int kShare = 5; // the sanitizers' build runs a fifth, to keep its time
#else
    constexpr int kShare = 1;
#endif
    QTest::newRow("4.5, normal eyes") << 4.5 << false << 300 / kShare;
    QTest::newRow("7, normal eyes") << 7.0 << false << 100 / kShare;
    QTest::newRow("4.5, colour-blind too") << 4.5 << true << 60 / kShare;
    QTest::newRow("7, colour-blind too") << 7.0 << true << 60 / kShare;
}

// Over seeded random schemes and the built-in ones: Fix all ends with every
// pair at its level, changes no more than the simple greedy where that
// succeeds, and with normal eyes, on the median, no more than 1.2 times the sum
// over failing pairs of the least change of one side for that pair alone.
void TestReadability::fixAllChangesLittle()
{
    QFETCH(double, level);
    QFETCH(bool, colourBlind);
    QFETCH(int, schemes);
    std::vector<double> shares;
    int greedyMet = 0;
    for (int seed = -3; seed < schemes; ++seed) {
        ColourScheme scheme = randomScheme(quint32(1000 + seed));
        if (seed < 0)
            scheme.loadStandard(std::array{StandardScheme::Blue, StandardScheme::Green, StandardScheme::Red}[std::size_t(seed + 3)]);
        const ReadableFix::FixAll fixed = ReadableFix::fixAll(scheme, level, colourBlind);
        const QString what = u"seed %1"_s.arg(seed);
        QVERIFY2(fixed.unmet.empty(), qPrintable(what));
        QVERIFY(qAbs(fixed.change - ReadableFix::changeBetween(scheme, fixed.scheme)) < 1e-9);
        if (const auto greedy = simpleGreedy(scheme, level, colourBlind)) {
            ++greedyMet;
            const double greedyChange = ReadableFix::changeBetween(scheme, *greedy);
            QVERIFY2(fixed.change <= greedyChange + 1e-9,
                     qPrintable(u"%1: %2 against %3"_s.arg(what).arg(fixed.change).arg(greedyChange)));
        }
        if (colourBlind)
            continue;
        double bound = 0;
        for (const Readability::Verdict &verdict : Readability::evaluate(scheme, level)) {
            if (verdict.isBelowLevel() && verdict.pair.kind != Kind::Outlined && !Readability::isDrawing(verdict.pair.text)) {
                // Where no one side alone can meet the pair, the bound leaves it out.
                if (const double least = leastSingleSideChange(scheme, verdict.pair, verdict.level); std::isfinite(least))
                    bound += least;
            }
        }
        if (bound > 0)
            shares.push_back(fixed.change / bound);
    }
    if (!shares.empty()) {
        std::sort(shares.begin(), shares.end());
        const double median = shares[shares.size() / 2];
        qInfo("median change %.3f of the bound; the simple greedy met every pair on %d of %d", median, greedyMet,
              schemes + 3);
        QVERIFY2(median <= 1.2, qPrintable(QString::number(median)));
    }
}

QTEST_APPLESS_MAIN(TestReadability)
#include "tst_readability.moc"
