#include "support/WindowTest.h"

#include "ColourScience.h"
#include "Readability.h"
#include "ReadabilityWindow.h"
#include "Texts.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

// The list of readability pairs, opened from the status bar.
class TestReadabilityWindow : public QObject
{
    Q_OBJECT
private slots:
    void fixMakesTheWorstTextReadableAndUndoTakesItBack();
    void fixGoesTheWayTheBackgroundAsks_data();
    void fixGoesTheWayTheBackgroundAsks();

private:
    static int belowLevel(const WindowFixture &f)
    {
        int below = 0;
        for (const Readability::Verdict &verdict : Readability::evaluate(f.window.scheme()))
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
                 Texts::get(Text::PairsHardToRead, f.window.language()).arg(below));
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

    // Four pairs below their level, and they come first.
    const std::vector<Readability::Verdict> verdicts = window->verdicts();
    QCOMPARE(belowLevel(f), 4);
    checkPanel(f, 4);
    for (std::size_t i = 0; i < verdicts.size(); ++i)
        QCOMPARE(verdicts[i].isBelowLevel(), i < 4);
    auto *rows = window->findChild<QTreeWidget *>(u"readabilityList"_s);
    QCOMPARE(rows->topLevelItemCount(), int(verdicts.size()));
    const Readability::Verdict worst = verdicts.front();
    QCOMPARE(rows->topLevelItem(0)->text(5),
             Texts::get(worst.ratio < 3 ? Text::MarkPoor : Text::MarkBelowLevel, f.window.language()));

    // Choosing the row makes its text element current, as the list does.
    const QRect first = rows->visualItemRect(rows->topLevelItem(0));
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, first.center());
    QCOMPARE(f.list()->currentRow(), worst.pair.text - 1);

    const Rgb before = f.colour(worst.pair.text);
    QTest::mouseClick(window->findChild<QPushButton *>(u"readabilityFix"_s), Qt::LeftButton);
    const Rgb fixed = f.colour(worst.pair.text);
    QVERIFY(fixed != before);
    QVERIFY(ColourScience::phoneContrast(fixed, f.colour(worst.pair.background)) >= worst.level);
    QVERIFY(f.showsEverywhere(worst.pair.text, fixed));
    QVERIFY(belowLevel(f) < 4);
    checkPanel(f, belowLevel(f));

    // One Undo takes the fix back.
    f.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(f.colour(worst.pair.text), before);
    checkPanel(f, 4);
    QCOMPARE(window->verdicts().front().pair.text, worst.pair.text);

    // Closed, it keeps its place; it follows the language while closed.
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

    // In every language the list asks for the room its columns take, as far as
    // the screen has it, and no more: the columns do not grow with the window,
    // and the window stays on the screen.
    const int english = rows->header()->length();
    for (const QString &language : {u"keyGerman"_s, u"keyFrance"_s, u"keyEspanol"_s, u"keyDutch"_s, u"keyEnglish"_s}) {
        QVERIFY(f.chooseByKeys(language));
        const QRect screen = window->screen()->availableGeometry();
        QTRY_VERIFY2(rows->minimumWidth() >= std::min(rows->header()->length() + 2 * rows->frameWidth(), screen.width() / 2),
                     qPrintable(language));
        QTRY_VERIFY2(screen.contains(window->frameGeometry()), qPrintable(language));
    }
    QCOMPARE(rows->header()->length(), english);
}

enum class Way { Lighter, Darker, BlackOrWhite };

void TestReadabilityWindow::fixGoesTheWayTheBackgroundAsks_data()
{
    QTest::addColumn<Rgb>("text");
    QTest::addColumn<Rgb>("background");
    QTest::addColumn<Way>("way");
    QTest::newRow("dark blue on black") << Rgb{0, 0, 128} << Rgb{0, 0, 0} << Way::Lighter;
    QTest::newRow("light grey on white") << Rgb{192, 192, 192} << Rgb{255, 255, 255} << Way::Darker;
    QTest::newRow("red on mid grey: no red reaches it") << Rgb{255, 0, 0} << Rgb{118, 118, 118} << Way::BlackOrWhite;
}

// The softkeys font on its background: Fix gives the font the colour the
// background asks for, and one Undo takes it back.
void TestReadabilityWindow::fixGoesTheWayTheBackgroundAsks()
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
    auto *rows = window->findChild<QTreeWidget *>(u"readabilityList"_s);
    QTreeWidgetItem *row = rows->topLevelItem(int(pair - verdicts.begin()));
    rows->scrollToItem(row);
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualItemRect(row).center());
    QCOMPARE(f.list()->currentRow(), 5);
    f.clickElement(1); // the fix belongs to the row, not to the element current now
    QTest::mouseClick(window->findChild<QPushButton *>(u"readabilityFix"_s), Qt::LeftButton);

    const Rgb fixed = f.colour(6);
    QVERIFY(ColourScience::isPhoneColour(fixed));
    QVERIFY(ColourScience::phoneContrast(fixed, background) >= 4.5);
    const double from = ColourScience::toOklab(text).L;
    const double to = ColourScience::toOklab(fixed).L;
    switch (way) {
    case Way::Lighter: QVERIFY(to > from); break;
    case Way::Darker: QVERIFY(to < from); break;
    case Way::BlackOrWhite:
        QVERIFY(!ColourScience::readableColour(text, background, 4.5));
        QCOMPARE(fixed, ColourScience::blackOrWhite(background));
        break;
    }
    QVERIFY(f.showsEverywhere(6, fixed));
    QCOMPARE(f.colour(7), background);

    f.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(f.colour(6), text);
    QVERIFY(f.showsEverywhere(6, text));
}

QTEST_MAIN(TestReadabilityWindow)
#include "tst_readabilitywindow.moc"
