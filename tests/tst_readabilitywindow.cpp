#include "support/WindowTest.h"

#include "ColourScience.h"
#include "Readability.h"
#include "ReadabilityWindow.h"
#include "Texts.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

using namespace Qt::Literals::StringLiterals;

// The list of readability pairs, opened from the status bar.
class TestReadabilityWindow : public QObject
{
    Q_OBJECT
private slots:
    void fixMakesTheWorstTextReadableAndUndoTakesItBack();

private:
    static int belowLevel(const WindowFixture &f)
    {
        int below = 0;
        for (const Readability::Verdict &verdict : Readability::evaluate(f.window.scheme()))
            below += verdict.isBelowLevel();
        return below;
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
    QCOMPARE(rows->topLevelItem(0)->text(4),
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
}

QTEST_MAIN(TestReadabilityWindow)
#include "tst_readabilitywindow.moc"
