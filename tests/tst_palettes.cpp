#include "support/WindowTest.h"

#include "ColourSwatch.h"
#include "PalettePicture.h"
#include "SchemeFile.h"

#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>

namespace {

// The point over a palette cell, inside the view's one-pixel border.
QPoint cellPoint(int column, int row)
{
    return {1 + 8 * column + 3, 1 + 8 * row + 4};
}

// Presses a key on the widget that has the keyboard focus, as a user does.
void pressOnFocus(int key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

} // namespace

// The palette tab and the tab strip.
class TestPalettes : public QObject
{
    Q_OBJECT
private slots:
    void pointingShowsTheColourUnderThePointer();
    void clickGivesTheColourLastShown();
    void clickWithoutAMoveGivesTheElementItsOwnColour();
    void keysPointAndChooseOnThePalette_data();
    void keysPointAndChooseOnThePalette();
    void tabsSwitchFramesAndNothingElse();
};

void TestPalettes::pointingShowsTheColourUnderThePointer()
{
    WindowFixture f;
    QWidget *palette = f.control(QStringLiteral("picS55Palette"));
    auto *swatch = f.control<ColourSwatch>(QStringLiteral("picColor2"));
    const QList<QPoint> cells = {{0, 0}, {1, 0}, {5, 9}, {15, 15}, {10, 3}};
    for (QPoint cell : cells) {
        QTest::mouseMove(palette, cellPoint(cell.x(), cell.y()));
        const Rgb expected = PalettePicture::cellColour(cell.x(), cell.y());
        QCOMPARE(swatch->colour(), expected);
        QCOMPARE(f.control<QLineEdit>(QStringLiteral("txtS55PaletteRGB0"))->text(), QString::number(expected.red));
        QCOMPARE(f.control<QLineEdit>(QStringLiteral("txtS55PaletteRGB1"))->text(), QString::number(expected.green));
        QCOMPARE(f.control<QLineEdit>(QStringLiteral("txtS55PaletteRGB2"))->text(), QString::number(expected.blue));
    }
    // Leaving the picture keeps the last colour.
    QTest::mouseMove(f.control(QStringLiteral("frameFarbe256")), QPoint(200, 160));
    QCOMPARE(swatch->colour(), PalettePicture::cellColour(10, 3));
    QVERIFY(f.scheme().table() == [] {
        ColourScheme blue;
        blue.loadStandard(StandardScheme::Blue);
        return blue.table();
    }());
}

void TestPalettes::clickGivesTheColourLastShown()
{
    WindowFixture f;
    f.clickElement(7);
    const Rgb old = f.colour(7);
    QWidget *palette = f.control(QStringLiteral("picS55Palette"));
    QTest::mouseMove(palette, cellPoint(6, 2));
    QTest::mouseClick(palette, Qt::LeftButton, {}, cellPoint(6, 2));

    const Rgb chosen = PalettePicture::cellColour(6, 2);
    QCOMPARE(f.colour(7), chosen);
    QCOMPARE(f.history().undoColour(), old);
    const QPoint bar = findPixel(3, [](int r, int g, int) { return r == 7 && g == 247; });
    QCOMPARE(f.panes().pane(3).pictureColourAt(bar), chosen);
    // The RGB editor shows the new colour at once.
    QCOMPARE(f.shownValues(), chosen);
    QCOMPARE(f.control<QScrollBar>(QStringLiteral("scrollRGB2"))->value(), int(chosen.blue));
    QCOMPARE(f.control<ColourSwatch>(QStringLiteral("picColor"))->colour(), chosen);

    // Typing one channel now changes that channel of the table's colour.
    f.control(QStringLiteral("frameFarbe16Bit"))->show();
    f.typeInto(0, QStringLiteral("9"));
    const Rgb edited{9, chosen.green, chosen.blue};
    QCOMPARE(f.colour(7), edited);
    QVERIFY(f.showsEverywhere(7, edited));
    f.window.dispatch(QStringLiteral("keyUndo"));
    QCOMPARE(f.colour(7), chosen);

    QTemporaryDir dir;
    f.dialogs->answers << dir.filePath(QStringLiteral("p.col"));
    f.window.saveScheme();
    const SchemeReadResult saved = SchemeFile::read(dir.filePath(QStringLiteral("p.col")));
    QCOMPARE(saved.table[6].rgb(), chosen);
}

void TestPalettes::clickWithoutAMoveGivesTheElementItsOwnColour()
{
    WindowFixture f;
    QWidget *palette = f.control(QStringLiteral("picS55Palette"));
    QTest::mouseMove(palette, cellPoint(3, 3));
    f.clickElement(12);
    // No move over the palette since the element was chosen: the swatch shows
    // the element's colour, and that is what a click gives.
    QTest::mousePress(palette, Qt::LeftButton, {}, cellPoint(9, 9));
    QTest::mouseRelease(palette, Qt::LeftButton, {}, cellPoint(9, 9));
    QCOMPARE(f.colour(12), (Rgb{32, 160, 192}));
    QCOMPARE(f.history().undoColour(), (Rgb{32, 160, 192}));
}

void TestPalettes::keysPointAndChooseOnThePalette_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<QPoint>("pointed"); // the cell the pointer showed before, or none
    QTest::addColumn<QList<int>>("arrows");
    QTest::addColumn<QPoint>("cell"); // where the arrows lead
    QTest::addColumn<int>("choose");

    // White is the bottom right cell; the cursor starts there and the edges hold it.
    QTest::newRow("white element, Return") << 2 << QPoint(-1, -1)
                                           << QList<int>{Qt::Key_Right, Qt::Key_Down, Qt::Key_Up, Qt::Key_Left}
                                           << QPoint(14, 14) << int(Qt::Key_Return);
    // (32, 160, 192) is no palette colour: the cursor starts at the top left.
    QTest::newRow("colour off the palette, Space")
        << 12 << QPoint(-1, -1) << QList<int>{Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right}
        << QPoint(1, 2) << int(Qt::Key_Space);
    QTest::newRow("colour the pointer showed, Enter")
        << 12 << QPoint(5, 9) << QList<int>{Qt::Key_Right} << QPoint(6, 9) << int(Qt::Key_Enter);
    // No arrow: the key takes the marked cell, not the colour the readout still shows.
    QTest::newRow("the marked cell at once, Space") << 12 << QPoint(-1, -1) << QList<int>{} << QPoint(0, 0)
                                                    << int(Qt::Key_Space);
}

// Tab reaches the palette; the arrows move a visible cursor cell whose colour
// the readout shows, and the choosing key gives it to the element as a click
// does, one step of the history.
void TestPalettes::keysPointAndChooseOnThePalette()
{
    QFETCH(int, element);
    QFETCH(QPoint, pointed);
    QFETCH(QList<int>, arrows);
    QFETCH(QPoint, cell);
    QFETCH(int, choose);
    WindowFixture f;
    QWidget *palette = f.control(QStringLiteral("picS55Palette"));
    auto *swatch = f.control<ColourSwatch>(QStringLiteral("picColor2"));
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    f.clickElement(element);
    if (pointed.x() >= 0)
        QTest::mouseMove(palette, cellPoint(pointed.x(), pointed.y()));
    const Rgb old = f.colour(element);
    const Rgb shownBefore = swatch->colour();

    for (int tabs = 0; tabs < 30 && !palette->hasFocus(); ++tabs)
        pressOnFocus(Qt::Key_Tab);
    QVERIFY(palette->hasFocus());
    QCOMPARE(swatch->colour(), shownBefore); // arriving shows nothing new

    for (int key : arrows)
        pressOnFocus(key);
    const Rgb expected = PalettePicture::cellColour(cell.x(), cell.y());
    if (!arrows.isEmpty()) {
        QCOMPARE(swatch->colour(), expected);
        const int values[3] = {expected.red, expected.green, expected.blue};
        for (int channel = 0; channel < 3; ++channel) {
            const auto *box = f.control<QLineEdit>(QStringLiteral("txtS55PaletteRGB%1").arg(channel));
            QCOMPARE(box->text(), QString::number(values[channel]));
        }
    }
    QCOMPARE(f.colour(element), old);

    // The cursor rings the cell, which keeps its colour in the middle, and only
    // while the palette has the focus.
    const QPoint corner(1 + 8 * cell.x(), 1 + 8 * cell.y());
    const QColor cellColour(expected.red, expected.green, expected.blue);
    QImage shown = palette->grab().toImage();
    QVERIFY(shown.pixelColor(corner) != cellColour);
    QCOMPARE(shown.pixelColor(corner + QPoint(4, 4)), cellColour);

    pressOnFocus(choose);
    QCOMPARE(f.colour(element), expected);
    QVERIFY(f.showsEverywhere(element, expected));
    QCOMPARE(f.history().undoColour(), old);
    pressOnFocus(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.colour(element), old);
    QVERIFY(f.showsEverywhere(element, old));

    pressOnFocus(Qt::Key_Tab);
    QVERIFY(!palette->hasFocus());
    shown = palette->grab().toImage();
    QCOMPARE(shown.pixelColor(corner), cellColour);
}

void TestPalettes::tabsSwitchFramesAndNothingElse()
{
    WindowFixture f;
    auto *tabs = f.control(QStringLiteral("TabPaletteSelect"))->findChild<QTabBar *>();
    QWidget *s55 = f.control(QStringLiteral("frameFarbe256"));
    QWidget *rgb = f.control(QStringLiteral("frameFarbe16Bit"));
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabData(0).toString(), QStringLiteral("pS55"));
    QCOMPARE(tabs->tabData(1).toString(), QStringLiteral("p16Bit"));
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(s55->isVisible() && !rgb->isVisible());

    f.clickElement(9);
    const ColourScheme before = f.scheme();
    const auto pictures = f.pictures();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QVERIFY(!s55->isVisible() && rgb->isVisible());
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    QVERIFY(s55->isVisible() && !rgb->isVisible());
    QVERIFY(f.scheme().table() == before.table());
    QCOMPARE(f.pictures(), pictures);

    // Ctrl+Tab switches from the tab bar, never from inside a frame.
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    f.box(0)->setFocus();
    QTest::keyClick(f.box(0), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), 1);
    QVERIFY(f.box(0)->hasFocus());
    tabs->setFocus();
    QTest::keyClick(tabs, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), 0);
}

QTEST_MAIN(TestPalettes)
#include "tst_palettes.moc"
