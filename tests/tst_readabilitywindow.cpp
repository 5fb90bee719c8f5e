#include "support/WindowTest.h"

#include "ColourScience.h"
#include "Readability.h"
#include "ContrastPlane.h"
#include "ProposalBar.h"
#include "ReadabilityModel.h"
#include "ReadabilityTable.h"
#include "ReadabilityWindow.h"
#include "ReadableFix.h"
#include "SchemeModel.h"
#include "StandardSchemes.h"
#include "Texts.h"

#include <QCheckBox>
#include <QDataStream>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTreeView>

#include <algorithm>
#include <map>
#include <tuple>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

using namespace Qt::Literals::StringLiterals;

// The list of readability pairs, opened from the status bar.
class TestReadabilityWindow : public QObject
{
    Q_OBJECT
private slots:
    void fixMakesTheWorstTextReadableAndUndoTakesItBack();
    void fixGivesTheNearestReadableColour_data();
    void fixGivesTheNearestReadableColour();
    void keysPressedInTheWindowActInIt_data();
    void keysPressedInTheWindowActInIt();
    void aPlaceTheWindowCannotUseIsTreatedAsAbsent_data();
    void aPlaceTheWindowCannotUseIsTreatedAsAbsent();
    void fixWaitsWhileFixingIsNotAllowed();
    void colourBlindEyesCountToo();
    void thePlaneTakesAColourOfTheTextsHue();
    void languageSwitchesLeaveTheHeapAsItWas();

private:
    static ReadabilityWindow *open(WindowFixture &f)
    {
        QTest::mouseClick(f.control<QLabel>(u"StatusBar1Panel3"_s), Qt::LeftButton);
        auto *window = f.window.findChild<ReadabilityWindow *>(u"readabilityWindow"_s);
        // A tool window counts as active while its editor is (QWidget::isActiveWindow).
        if (window && !QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }))
            qWarning("the readability window did not become active");
        return window;
    }
    static int belowLevel(const WindowFixture &f)
    {
        int below = 0;
        for (const Readability::Verdict &verdict : Readability::evaluate(f.scheme()))
            below += verdict.isBelowLevel();
        return below;
    }
    static void typeColour(WindowFixture &f, int element, const Rgb &colour)
    {
        f.clickElement(element);
        f.typeInto(0, QString::number(colour.red));
        f.typeInto(1, QString::number(colour.green));
        f.typeInto(2, QString::number(colour.blue));
        QCOMPARE(f.colour(element), colour);
    }
    static void checkPanel(WindowFixture &f, int below)
    {
        QCOMPARE(f.control<QLabel>(u"StatusBar1Panel3"_s)->text(),
                 Texts::get(Text::PairsHardToRead, Languages::current()).arg(below));
    }
};

void TestReadabilityWindow::fixMakesTheWorstTextReadableAndUndoTakesItBack()
{
    WindowFixture f;
    QVERIFY(f.chooseByKeys(u"keyGreenscheme"_s));
    QCOMPARE(f.window.findChild<ReadabilityWindow *>(u"readabilityWindow"_s), nullptr);

    QTest::mouseClick(f.control<QLabel>(u"StatusBar1Panel3"_s), Qt::LeftButton);
    auto *window = f.window.findChild<ReadabilityWindow *>(u"readabilityWindow"_s);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(window->windowFlags().testFlag(Qt::Tool));

    // Five pairs below their level, and they come first.
    const std::vector<Readability::Verdict> verdicts = window->verdicts();
    QCOMPARE(belowLevel(f), 5);
    checkPanel(f, 5);
    for (std::size_t i = 0; i < verdicts.size(); ++i)
        QCOMPARE(verdicts[i].isBelowLevel(), i < 5);
    auto *rows = window->findChild<QTreeView *>(u"readabilityList"_s);
    QCOMPARE(rows->model()->rowCount(), int(verdicts.size()));
    const Readability::Verdict worst = verdicts.front();
    QVERIFY(!Readability::isDrawing(worst.pair.text)); // a text whose element the row chooses
    QCOMPARE(rows->model()->index(0, ReadabilityTable::Rating).data().toString(),
             Texts::get(worst.ratio < 3 ? Text::MarkPoor : Text::MarkBelowLevel, Languages::current()));

    // Choosing the row makes its text element current, as the list does.
    const QRect first = rows->visualRect(rows->model()->index(0, 0));
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, first.center());
    QCOMPARE(f.list()->currentRow(), worst.pair.text - 1);

    const Rgb before = f.colour(worst.pair.text);
    QTest::mouseClick(window->findChild<QPushButton *>(u"readabilityFix"_s), Qt::LeftButton);
    const Rgb fixed = f.colour(worst.pair.text);
    QVERIFY(fixed != before);
    QVERIFY(ColourScience::phoneContrast(fixed, f.colour(worst.pair.background)) >= worst.level);
    QVERIFY(f.showsEverywhere(worst.pair.text, fixed));
    QVERIFY(belowLevel(f) < 5);
    checkPanel(f, belowLevel(f));

    // One Undo takes the fix back.
    f.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(f.colour(worst.pair.text), before);
    checkPanel(f, 5);
    QCOMPARE(window->verdicts().front().pair.text, worst.pair.text);

    // Scrolled down and closed, it keeps its place; it follows the language
    // while closed.
    QTest::keyClick(rows, Qt::Key_End);
    QVERIFY(rows->verticalScrollBar()->value() > 0);
    window->close();
    QVERIFY(!WindowFixture::stored(u"Readability/geometry"_s).toByteArray().isEmpty());
    QVERIFY(f.chooseByKeys(u"keyEnglish"_s));
    QCOMPARE(window->windowTitle(), u"Readability"_s);

    // Tab reaches the count, and Space opens the window again.
    auto *count = f.control<QLabel>(u"StatusBar1Panel3"_s);
    QVERIFY(count->focusPolicy() & Qt::TabFocus);
    count->setFocus(Qt::TabFocusReason);
    QTest::keyClick(count, Qt::Key_Space);
    QVERIFY(window->isVisible());
    // It opens at the top, with the worst pairs in view.
    QCOMPARE(rows->verticalScrollBar()->value(), 0);
    QVERIFY(rows->viewport()->rect().contains(rows->visualRect(rows->model()->index(0, 0))));

    // In every language the list asks for the room its columns take, as far as
    // the screen has it, and no more: the columns do not grow with the window,
    // and the window stays on the screen. The window is as wide as the columns
    // need, shrinking after a wider language; where the screen is narrower than
    // that, it fills the screen's width.
    // Moved aside to make room in a wider language, the window goes back to
    // the place it had once it fits there again, rather than staying over the editor.
    const int english = rows->header()->length();
    const QPoint place(100, 40);
    window->move(place);
    for (const QString &language : {u"keyGerman"_s, u"keyFrance"_s, u"keyEspanol"_s, u"keyDutch"_s, u"keyEnglish"_s}) {
        QVERIFY(f.chooseByKeys(language));
        const QRect screen = window->screen()->availableGeometry();
        QTRY_VERIFY2(rows->minimumWidth() >= std::min(rows->header()->length() + 2 * rows->frameWidth(), screen.width() / 2),
                     qPrintable(language));
        QTRY_VERIFY2(screen.contains(window->frameGeometry()), qPrintable(language));
        const int slack = rows->viewport()->width() - rows->header()->length();
        if (slack >= 0)
            QVERIFY2(slack <= 20, qPrintable(u"%1: %2 px beside the columns"_s.arg(language).arg(slack)));
        else
            QVERIFY2(window->frameGeometry().width() >= screen.width() - 40, qPrintable(language));
    }
    QCOMPARE(rows->header()->length(), english);
    QCOMPARE(window->pos(), place);
}

enum class Way { Lighter, Darker };

void TestReadabilityWindow::fixGivesTheNearestReadableColour_data()
{
    QTest::addColumn<Rgb>("text");
    QTest::addColumn<Rgb>("background");
    QTest::addColumn<Way>("way");
    QTest::newRow("dark blue on black") << Rgb{0, 0, 128} << Rgb{0, 0, 0} << Way::Lighter;
    QTest::newRow("light grey on white") << Rgb{192, 192, 192} << Rgb{255, 255, 255} << Way::Darker;
    // No red reaches it: a light yellow lies nearer than black or white.
    QTest::newRow("red on mid grey") << Rgb{255, 0, 0} << Rgb{118, 118, 118} << Way::Lighter;
}

// The softkeys font on its background: Fix gives the font the nearest colour
// that is readable on it, lighter or darker, and one Undo takes it back.
void TestReadabilityWindow::fixGivesTheNearestReadableColour()
{
    QFETCH(Rgb, text);
    QFETCH(Rgb, background);
    QFETCH(Way, way);
    WindowFixture f;
    typeColour(f, 7, background);
    typeColour(f, 6, text);

    QTest::mouseClick(f.control<QLabel>(u"StatusBar1Panel3"_s), Qt::LeftButton);
    auto *window = f.window.findChild<ReadabilityWindow *>(u"readabilityWindow"_s);
    QVERIFY(window);
    const auto &verdicts = window->verdicts();
    const auto pair = std::find_if(verdicts.begin(), verdicts.end(), [](const Readability::Verdict &v) {
        return v.pair.text == 6 && v.pair.background == 7;
    });
    QVERIFY(pair != verdicts.end() && pair->isBelowLevel());
    auto *rows = window->findChild<QTreeView *>(u"readabilityList"_s);
    const QModelIndex row = rows->model()->index(int(pair - verdicts.begin()), 0);
    rows->scrollTo(row);
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualRect(row).center());
    QCOMPARE(f.list()->currentRow(), 5);
    // The colours proposed, the nearer first, with their distances.
    const ReadableFix::Proposal proposed = ReadableFix::propose(f.scheme(), 6, pair->pair);
    auto *nearer = window->findChild<QPushButton *>(u"readabilityCandidate0"_s);
    QVERIFY(nearer->isVisible() && nearer->isEnabled());
    QVERIFY(nearer->text().contains(QString::number(proposed.nearest()->distance, 'f', 3)));
    QCOMPARE(nearer->text().startsWith(u"Heller"_s), way == Way::Lighter);
    f.clickElement(1); // the fix belongs to the row, not to the element current now
    QTest::mouseClick(window->findChild<QPushButton *>(u"readabilityFix"_s), Qt::LeftButton);

    const Rgb fixed = f.colour(6);
    QVERIFY(ColourScience::isPhoneColour(fixed));
    QVERIFY(ColourScience::phoneContrast(fixed, background) >= 4.5);
    const double from = ColourScience::toOklab(text).L;
    const double to = ColourScience::toOklab(fixed).L;
    QCOMPARE(to > from, way == Way::Lighter);
    QCOMPARE(fixed, proposed.nearest()->colour);
    QVERIFY(f.showsEverywhere(6, fixed));
    QCOMPARE(f.colour(7), background);

    f.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(f.colour(6), text);
    QVERIFY(f.showsEverywhere(6, text));
}

enum class Effect { Nothing, Closes, Fixes };

void TestReadabilityWindow::keysPressedInTheWindowActInIt_data()
{
    QTest::addColumn<QString>("language"); // a language's menu key, or empty for the one the editor starts in
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<Effect>("effect");
    QTest::newRow("Esc closes") << QString() << QKeySequence(Qt::Key_Escape) << Effect::Closes;
    QTest::newRow("Alt+V presses Verbessern") << QString() << QKeySequence(Qt::ALT | Qt::Key_V) << Effect::Fixes;
    QTest::newRow("Alt+F presses Fix, not the editor's File")
        << u"keyEnglish"_s << QKeySequence(Qt::ALT | Qt::Key_F) << Effect::Fixes;
    QTest::newRow("Alt+D is not the editor's Datei") << QString() << QKeySequence(Qt::ALT | Qt::Key_D) << Effect::Nothing;
    QTest::newRow("Alt+E is not the editor's Edit") << QString() << QKeySequence(Qt::ALT | Qt::Key_E) << Effect::Nothing;
    QTest::newRow("F10 is not the editor's menu") << QString() << QKeySequence(Qt::Key_F10) << Effect::Nothing;
    QTest::newRow("Ctrl+Z is not the editor's Undo") << QString() << QKeySequence(Qt::CTRL | Qt::Key_Z) << Effect::Nothing;
    QTest::newRow("Ctrl+O is not the editor's Open") << QString() << QKeySequence(Qt::CTRL | Qt::Key_O) << Effect::Nothing;
    QTest::newRow("Ctrl+S is not the editor's Save") << QString() << QKeySequence(Qt::CTRL | Qt::Key_S) << Effect::Nothing;
}

// Keys pressed in the readability window act in it: the editor's menu bar and
// commands do not see them, although a tool window shares its parent's
// shortcuts in Qt.
void TestReadabilityWindow::keysPressedInTheWindowActInIt()
{
    QFETCH(QString, language);
    QFETCH(QKeySequence, keys);
    QFETCH(Effect, effect);
    WindowFixture f;
    QVERIFY(f.chooseByKeys(u"keyGreenscheme"_s)); // pairs below their level, and a step to undo
    if (!language.isEmpty())
        QVERIFY(f.chooseByKeys(language));
    ReadabilityWindow *window = open(f);
    QVERIFY(window);
    auto *rows = window->findChild<QTreeView *>(u"readabilityList"_s);
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualRect(rows->model()->index(0, 0)).center());
    QCOMPARE(QApplication::focusWidget(), rows);
    const Readability::Verdict worst = window->verdicts().front();
    std::array<Rgb, 61> before;
    for (int element = 1; element <= 60; ++element)
        before[element] = f.colour(element);

    QTest::keySequence(rows, keys);

    const bool menuOpened = QApplication::activePopupWidget() || f.menuBar()->activeAction();
    while (QApplication::activePopupWidget())
        QApplication::activePopupWidget()->close();
    QVERIFY(!menuOpened);
    QVERIFY(f.dialogs->folders.isEmpty());
    QCOMPARE(window->isVisible(), effect != Effect::Closes);
    for (int element = 1; element <= 60; ++element) {
        if (element != worst.pair.text || effect != Effect::Fixes)
            QCOMPARE(f.colour(element), before[element]);
    }
    if (effect == Effect::Fixes)
        QVERIFY(ColourScience::phoneContrast(f.colour(worst.pair.text), f.colour(worst.pair.background)) >= worst.level);
}

namespace {

// A remembered place as QWidget::saveGeometry() writes it, with the window's
// rectangle as given.
QByteArray placeOf(const QRect &rect)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    stream << quint32(0x1D9D0CB) << quint16(3) << quint16(0) << rect << rect << qint32(0) << quint8(0) << quint8(0)
           << qint32(QGuiApplication::primaryScreen()->geometry().width()) << rect;
    return bytes;
}

} // namespace

void TestReadabilityWindow::aPlaceTheWindowCannotUseIsTreatedAsAbsent_data()
{
    QTest::addColumn<QByteArray>("place");
    QTest::addColumn<bool>("used");
    QTest::newRow("on the screen") << placeOf({100, 60, 700, 300}) << true;
    QTest::newRow("huge") << placeOf({0, 0, 1 << 30, 1 << 30}) << false;
    QTest::newRow("huge, from far off") << placeOf({-100000, -100000, 200000, 200000}) << false;
    QTest::newRow("zero") << placeOf({0, 0, 0, 0}) << false;
    QTest::newRow("inverted") << placeOf(QRect(QPoint(600, 400), QPoint(100, 100))) << false;
    QTest::newRow("1x1") << placeOf({100, 100, 1, 1}) << false;
    QTest::newRow("lower than its content") << placeOf({0, 40, 700, 40}) << false;
    QTest::newRow("mostly off the screen") << placeOf({-600, 40, 700, 300}) << false;
    QTest::newRow("far off every screen") << placeOf({30000, 30000, 700, 300}) << false;
    // Larger than the screen, or partly off it: buttons out of reach.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QTest::newRow("taller than the screen") << placeOf({100, 0, 700, 2 * screen.height()}) << false;
    QTest::newRow("wider than the screen") << placeOf({0, 60, screen.width() + 100, 300}) << false;
    QTest::newRow("partly off the screen") << placeOf({screen.right() - 600, 60, 700, 300}) << false;
    QTest::newRow("up to the screen's edge") << placeOf({100, 60, screen.width() - 100, 300}) << true;
    QTest::newRow("truncated") << placeOf({0, 40, 700, 300}).left(40) << false;
    QTest::newRow("no place at all") << QByteArray("rubbish, not a place") << false;
}

// A remembered place that the window cannot use is as good as none: the window
// opens beside the editor at the size it has without one, and keeps that.
void TestReadabilityWindow::aPlaceTheWindowCannotUseIsTreatedAsAbsent()
{
    QFETCH(QByteArray, place);
    QFETCH(bool, used);
    QRect beside;
    {
        WindowFixture f;
        beside = open(f)->geometry();
    }
    WindowFixture f({{u"Reg/RegDone"_s, u"1"_s}, {u"Readability/geometry"_s, place}});
    ReadabilityWindow *window = open(f);
    QVERIFY(window);
    if (used) {
        QCOMPARE(window->geometry().topLeft(), QPoint(100, 60));
        QCOMPARE(window->height(), 300);
    } else {
        QCOMPARE(window->geometry(), beside);
    }
    // What it keeps is a place it can use.
    window->close();
    WindowFixture again({{u"Reg/RegDone"_s, u"1"_s},
                         {u"Readability/geometry"_s, WindowFixture::stored(u"Readability/geometry"_s)}});
    QCOMPARE(open(again)->size(), window->size());
}

// The window on its own, as the editor drives it while a panel covers the
// editor: Fix is grey and neither a click nor its access key asks for a fix;
// allowed again, Fix is enabled where a row is current and only there.
void TestReadabilityWindow::fixWaitsWhileFixingIsNotAllowed()
{
    storeOnly({});
    SchemeModel scheme;
    scheme.loadStandard(StandardScheme::Green);
    ReadabilityModel readability(scheme);
    ReadabilityWindow window(readability, nullptr);
    QSignalSpy fixes(&window, &ReadabilityWindow::fixRequested);
    auto *rows = window.findChild<QTreeView *>(u"readabilityList"_s);
    auto *fix = window.findChild<QPushButton *>(u"readabilityFix"_s);
    const auto checkFix = [&](bool enabled, int requested) {
        QCOMPARE(fix->isEnabled(), enabled);
        QTest::mouseClick(fix, Qt::LeftButton);
        QTest::keySequence(rows, QKeySequence(Qt::ALT | Qt::Key_V));
        QCOMPARE(fixes.count(), requested);
    };

    // No row yet: allowed again, Fix stays grey.
    window.setEditorCovered(true);
    window.setEditorCovered(false);
    QVERIFY(!fix->isEnabled());

    window.setEditorCovered(true);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualRect(rows->model()->index(0, 0)).center());
    const Readability::Pair chosenPair = window.verdicts().front().pair;
    const int chosen = chosenPair.text;
    checkFix(false, 0);
    // The rows shown afresh after a colour change leave Fix grey; the chosen
    // pair, made readable, stays the current row where it moves to, and its
    // move chooses no element.
    QSignalSpy chosenElements(&window, &ReadabilityWindow::elementChosen);
    scheme.setColour(1, {1, 2, 3}, ChangeCause::Typed);
    const Rgb unreadable = scheme.colour(chosen);
    scheme.setColour(chosen, ColourScience::blackOrWhite(scheme.colour(chosenPair.background)), ChangeCause::Typed);
    QVERIFY(rows->currentIndex().row() > 0);
    const Readability::Pair current = window.verdicts()[std::size_t(rows->currentIndex().row())].pair;
    QCOMPARE(current.text, chosen);
    QCOMPARE(current.background, chosenPair.background);
    QCOMPARE(chosenElements.count(), 0);
    checkFix(false, 0);
    // Readable now, in a colour the phone shows as it is: nothing to fix.
    window.setEditorCovered(false);
    checkFix(false, 0);

    scheme.setColour(chosen, unreadable, ChangeCause::Typed);
    checkFix(true, 2); // the click and the access key
    QCOMPARE(fixes.at(0).at(0).toInt(), chosen);
    QCOMPARE(fixes.at(1).at(0).toInt(), chosen);
}

// With the box checked, every pair must reach its level to colour-blind eyes
// too: the count, the rows (with a column of their lowest ratio), Fix and Fix
// all go by it, and the choice is kept for the next start.
void TestReadabilityWindow::colourBlindEyesCountToo()
{
    // The count the window's own readability gives, for the eyes it covers.
    const auto below = [](const WindowFixture &fixture) {
        return fixture.window.findChild<const ReadabilityModel *>(u"readability"_s)->belowLevel();
    };
    WindowFixture f;
    QVERIFY(f.chooseByKeys(u"keyRedscheme"_s));
    QCOMPARE(below(f), 3);
    ReadabilityWindow *window = open(f);
    auto *rows = window->findChild<QTreeView *>(u"readabilityList"_s);
    QVERIFY(rows->isColumnHidden(ReadabilityTable::ColourBlind));
    auto *box = window->findChild<QCheckBox *>(u"readabilityColourBlind"_s);
    QVERIFY(!box->isChecked());
    box->click();
    QCOMPARE(WindowFixture::stored(u"Readability/colourBlind"_s).toString(), u"1"_s);
    QCOMPARE(below(f), 7); // the softkeys among them: 3.9:1 to deuteranopes
    checkPanel(f, 7);
    QVERIFY(!rows->isColumnHidden(ReadabilityTable::ColourBlind));
    QCOMPARE(rows->model()->index(0, ReadabilityTable::ColourBlind).data().toString().isEmpty(), false);

    // Fix all is proposed for the eyes chosen, and follows the choice while it stands.
    window->findChild<QPushButton *>(u"readabilityFixAll"_s)->click();
    auto *proposal = f.window.findChild<ProposalBar *>();
    QVERIFY(proposal && proposal->isVisible());
    QCOMPARE(below(f), 7);
    QVERIFY(proposal->scheme().table()
            == ReadableFix::fixAll(f.scheme(), Readability::kTextLevel, true).scheme.table());
    box->click();
    QTRY_VERIFY(proposal->scheme().table()
                == ReadableFix::fixAll(f.scheme(), Readability::kTextLevel, false).scheme.table());
    box->click();
    QTRY_VERIFY(proposal->scheme().table()
                == ReadableFix::fixAll(f.scheme(), Readability::kTextLevel, true).scheme.table());
    QTest::mouseClick(proposal->findChild<QPushButton *>(u"proposalApply"_s), Qt::LeftButton);
    QCOMPARE(below(f), 0);
    for (const Readability::Verdict &verdict :
         Readability::evaluate(f.scheme(), Readability::kTextLevel, Readability::Eyes::All))
        QVERIFY(!verdict.isBelowLevel());

    WindowFixture again({{u"Reg/RegDone"_s, u"1"_s}, {u"Readability/colourBlind"_s, u"1"_s}});
    QVERIFY(again.chooseByKeys(u"keyRedscheme"_s));
    QCOMPARE(below(again), 7);
}

// The plane of the chosen text's hue: a click takes the colour under the
// pointer, as the phone shows it (one change, which one Undo takes back); the
// arrow keys move its cursor and Return takes the colour there.
void TestReadabilityWindow::thePlaneTakesAColourOfTheTextsHue()
{
    WindowFixture f;
    typeColour(f, 7, {118, 118, 118});
    typeColour(f, 6, {255, 0, 0});
    ReadabilityWindow *window = open(f);
    auto *rows = window->findChild<QTreeView *>(u"readabilityList"_s);
    const auto &verdicts = window->verdicts();
    const auto softkeys = std::find_if(verdicts.begin(), verdicts.end(), [](const Readability::Verdict &v) {
        return v.pair.text == 6 && v.pair.background == 7;
    });
    rows->setCurrentIndex(rows->model()->index(int(softkeys - verdicts.begin()), 0));
    auto *plane = window->findChild<ContrastPlane *>(u"readabilityPlane"_s);
    QVERIFY(plane->isVisible() && plane->isEnabled());

    // The darkest red the plane shows, at its lower left: readable on the grey.
    const QPoint dark(2, plane->height() - 2);
    const std::optional<Rgb> taken = plane->colourAt(dark);
    QVERIFY(taken && ColourScience::isPhoneColour(*taken));
    QTest::mouseClick(plane, Qt::LeftButton, {}, dark);
    QCOMPARE(f.colour(6), *taken);
    QVERIFY(ColourScience::phoneContrast(*taken, {118, 118, 118}) >= 4.5);
    f.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(f.colour(6), (Rgb{255, 0, 0}));

    // By keys: from the text's own colour, three steps down, to a greyer red
    // of the same lightness.
    plane->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(plane, Qt::Key_Down);
    QTest::keyClick(plane, Qt::Key_Return);
    const ColourScience::Oklch red = ColourScience::toOklch(Rgb{255, 0, 0});
    const ColourScience::Oklch greyer = ColourScience::toOklch(f.colour(6));
    QVERIFY(greyer.C < red.C);
    QVERIFY(std::abs(greyer.L - red.L) < 0.02);

    // For colour-blind eyes too, the level line lies where the check's verdict
    // of the softkeys, their colour the plane's, turns: on black, the reds a
    // protanope sees darker reach the level further to the right than they do
    // for normal eyes.
    typeColour(f, 7, {0, 0, 0});
    window->findChild<QCheckBox *>(u"readabilityColourBlind"_s)->click();
    rows->setFocus(); // no cursor on the plane
    std::map<std::tuple<int, int, int>, bool> metFor;
    const auto met = [&](const Rgb &colour) {
        const auto key = std::make_tuple(int(colour.red), int(colour.green), int(colour.blue));
        if (const auto known = metFor.find(key); known != metFor.end())
            return known->second;
        ColourScheme taken = f.scheme();
        taken.setColour(6, colour);
        const auto verdicts = Readability::evaluate(taken, Readability::kTextLevel, Readability::Eyes::All);
        const auto pair = std::find_if(verdicts.begin(), verdicts.end(), [](const Readability::Verdict &v) {
            return v.pair.text == 6 && v.pair.background == 7;
        });
        return metFor[key] = !pair->isBelowLevel();
    };
    const QImage shown = plane->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int turns = 0;
    int unmarked = 0;
    for (int y = 1; y < plane->height() - 2; ++y) {
        for (int x = 2; x < plane->width() - 1; ++x) {
            const std::optional<Rgb> here = plane->colourAt({x, y});
            const std::optional<Rgb> left = plane->colourAt({x - 1, y});
            const std::optional<Rgb> below = plane->colourAt({x, y + 1});
            if (!here || (!left && !below) || *here == Rgb{0, 0, 0} || *here == Rgb{255, 255, 255})
                continue;
            if ((left && met(*left) != met(*here)) || (below && met(*below) != met(*here))) {
                ++turns;
                const QRgb pixel = shown.pixel(x, y) & 0xffffff;
                unmarked += pixel != 0 && pixel != 0xffffff;
            }
        }
    }
    QVERIFY(turns > 20);
    QCOMPARE(unmarked, 0);
}

namespace {

// The bytes the heap holds in use, or 0 where the C library does not tell.
qint64 heapInUse()
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || __GLIBC_MINOR__ >= 33)
    return qint64(mallinfo2().uordblks);
#else
    return 0;
#endif
}

} // namespace

// Each language switch makes the rows afresh and paints them; with the window
// open, switch after switch leaves the heap as it was (no cache takes the
// samples of rows that are gone).
void TestReadabilityWindow::languageSwitchesLeaveTheHeapAsItWas()
{
    storeOnly({});
    SchemeModel scheme;
    ReadabilityModel readability(scheme);
    ReadabilityWindow window(readability, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto switchLanguages = [&window](int count) {
        for (int i = 0; i < count; ++i) {
            Languages::setCurrent(Languages::kAll[i % Languages::kCount]);
            QEvent changed(QEvent::LanguageChange);
            QCoreApplication::sendEvent(&window, &changed);
            QCoreApplication::processEvents(); // paints the rows
        }
    };
    switchLanguages(10); // each language's glyphs are loaded once
    const qint64 before = heapInUse();
    if (before == 0)
        QSKIP("the heap in use cannot be told here");
    constexpr int kSwitches = 100;
    switchLanguages(kSwitches);
    const qint64 grown = heapInUse() - before;
    QVERIFY2(grown < kSwitches * 1024, qPrintable(u"%1 bytes a switch"_s.arg(grown / kSwitches)));
}

// The offscreen screen is given the size of a small desktop (1024 x 768), where
// some languages' columns fit and others need more than the screen's width.
int main(int argc, char *argv[])
{
    QTemporaryDir folder;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        QFile config(folder.filePath(u"screens.json"_s));
        if (config.open(QIODevice::WriteOnly)
            && config.write(R"({"screens": [{"name": "desktop", "width": 1024, "height": 768}]})") > 0) {
            config.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
        }
    }
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestReadabilityWindow test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_readabilitywindow.moc"
