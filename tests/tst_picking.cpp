#include "support/WindowTest.h"

#include "ColourScience.h"
#include "ElementCatalogue.h"
#include "ElementCode.h"
#include "LargePreview.h"
#include "PaneView.h"

#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>

using namespace Qt::Literals::StringLiterals;

namespace {

QPoint pixelOf(int pane, int element)
{
    return findPixel(pane, [element](int r, int g, int) { return r == element && g == 254 - element; });
}

} // namespace

// Choosing an element by clicking the preview, and its flash.
class TestPicking : public QObject
{
    Q_OBJECT
private slots:
    void pickingAnElementPixelChoosesAndFlashesIt();
    void pickingWithoutFlashNeverStartsTheTimer();
    void aSecondPickDuringAFlashTakesOver();
    void pickingTheFlashingElementAgainKeepsItsColour();
    void fixedPixelsChangeNothing_data();
    void fixedPixelsChangeNothing();
    void iconColoursPickTheElementTheyName();
    void choosingAnotherElementDuringAFlash_data();
    void choosingAnotherElementDuringAFlash();
    void aRejectedClickLeavesTheFlashAlone();
    void providerOptionOnlyTouchesTwoFlags();
    void restingOnAPaneNamesTheElement_data();
    void restingOnAPaneNamesTheElement();
    void theViewMenuChangesOnlyWhatIsDrawn_data();
    void theViewMenuChangesOnlyWhatIsDrawn();
    void theLargePreviewPicksAtEveryZoom_data();
    void theLargePreviewPicksAtEveryZoom();

private:
    static void click(WindowFixture &f, int pane, QPoint at)
    {
        auto *view = f.control(QStringLiteral("PicturePreview%1").arg(pane));
        QTest::mouseMove(view, at);
        QTest::mouseClick(view, Qt::LeftButton, {}, at);
    }
};

void TestPicking::pickingAnElementPixelChoosesAndFlashesIt()
{
    WindowFixture f;
    f.clickElement(3);
    const QPoint at = pixelOf(0, 21);
    QVERIFY(at.x() >= 0);
    const Rgb colour = f.colour(21);
    auto *timer = f.control<QTimer>(QStringLiteral("tmrBlink"));

    click(f, 0, at);
    QCOMPARE(f.list()->currentRow(), 20);
    QCOMPARE(f.shownValues(), colour);
    QCOMPARE(f.colour(21), colour);
    QCOMPARE(f.history().undoColour(), colour);
    QCOMPARE(f.control<QLabel>(QStringLiteral("DEVEdition3"))->text(), QStringLiteral("21  233 xyz"));
    QVERIFY(f.control<QLabel>(QStringLiteral("DEVEdition3"))->isHidden());
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 50);
    QVERIFY(f.showsEverywhere(21, colour));

    f.preview()->blink();
    QVERIFY(f.showsEverywhere(21, colour.inverted()));
    QVERIFY(timer->isActive());
    QCOMPARE(f.colour(21), colour); // the flash never reaches the table

    f.preview()->blink();
    QVERIFY(f.showsEverywhere(21, colour));
    QVERIFY(!timer->isActive());
    QCOMPARE(f.preview()->flashElement(), 21);
}

void TestPicking::pickingWithoutFlashNeverStartsTheTimer()
{
    WindowFixture f;
    auto *blink = f.control<QCheckBox>(QStringLiteral("chkBlink"));
    QVERIFY(blink->isChecked());
    QTest::mouseClick(blink, Qt::LeftButton, {}, QPoint(5, blink->height() / 2));
    QVERIFY(!blink->isChecked());

    click(f, 1, pixelOf(1, 2));
    QCOMPARE(f.list()->currentRow(), 1);
    QVERIFY(!f.control<QTimer>(QStringLiteral("tmrBlink"))->isActive());
    QCOMPARE(f.preview()->flashElement(), 0);
}

void TestPicking::aSecondPickDuringAFlashTakesOver()
{
    WindowFixture f;
    const Rgb title = f.colour(4);
    click(f, 0, pixelOf(0, 4));
    f.preview()->blink();
    QVERIFY(f.showsEverywhere(4, title.inverted()));

    click(f, 0, pixelOf(0, 21));
    QCOMPARE(f.preview()->flashElement(), 21);
    QVERIFY(f.control<QTimer>(QStringLiteral("tmrBlink"))->isActive());
    QVERIFY(f.showsEverywhere(4, title)); // the first element gets its colour back
    f.preview()->blink();
    f.preview()->blink();
    QVERIFY(f.showsEverywhere(21, f.colour(21)));
}

void TestPicking::pickingTheFlashingElementAgainKeepsItsColour()
{
    WindowFixture f;
    const QPoint at = pixelOf(0, 21);
    const Rgb colour = f.colour(21);
    click(f, 0, at);
    f.preview()->blink(); // shown in its inverse colour
    click(f, 0, at);
    QCOMPARE(f.colour(21), colour);
    QCOMPARE(f.shownValues(), colour);
    QVERIFY(f.showsEverywhere(21, colour));
    QCOMPARE(f.preview()->flashElement(), 21);
    f.preview()->blink();
    f.preview()->blink();
    QVERIFY(f.showsEverywhere(21, colour));
}

void TestPicking::fixedPixelsChangeNothing_data()
{
    QTest::addColumn<int>("pane");
    QTest::addColumn<QPoint>("at");
    QTest::newRow("white") << 1 << findPixel(1, [](int r, int g, int b) { return r == 255 && g == 255 && b == 255; });
    QTest::newRow("black") << 0 << findPixel(0, [](int r, int g, int b) { return r == 0 && g == 0 && b == 0; });
}

void TestPicking::fixedPixelsChangeNothing()
{
    QFETCH(int, pane);
    QFETCH(QPoint, at);
    WindowFixture f;
    f.clickElement(5);
    const ColourScheme before = f.scheme();
    const Rgb undo = f.history().undoColour();
    const auto pictures = f.pictures();

    click(f, pane, at);
    QCOMPARE(f.list()->currentRow(), 4);
    QVERIFY(f.scheme().table() == before.table());
    QCOMPARE(f.history().undoColour(), undo);
    QCOMPARE(f.pictures(), pictures);
    QVERIFY(!f.control<QTimer>(QStringLiteral("tmrBlink"))->isActive());
}

// Fixed pixels whose red names an element and whose green is no near miss pass
// the pick's test, e.g. icon pixels (36, 0, 0): the element takes their colour.
// Here with flashing off, while the flash of an earlier pick is still due.
void TestPicking::iconColoursPickTheElementTheyName()
{
    QTemporaryDir dir;
    QImage picture(PreviewPanes::kWidth, PreviewPanes::kHeight, QImage::Format_RGB888);
    picture.fill(Qt::white);
    const QPoint title(10, 10), icon(50, 40), iconElement(60, 40);
    picture.setPixel(title, qRgb(21, 233, 0));
    picture.setPixel(icon, qRgb(36, 0, 0));
    picture.setPixel(iconElement, qRgb(36, 218, 0));
    const QString path = dir.filePath(QStringLiteral("icon.bmp"));
    QVERIFY(picture.save(path, "BMP"));

    WindowFixture f;
    f.dialogs->answers << path;
    f.window.loadMask();
    QVERIFY(f.dialogs->messages.isEmpty());
    f.window.loadStandardScheme(StandardScheme::Green);
    const Rgb title21 = f.colour(21);
    const Rgb before36 = f.colour(36);

    click(f, 2, title); // element 21, its flash due
    auto *blink = f.control<QCheckBox>(QStringLiteral("chkBlink"));
    QTest::mouseClick(blink, Qt::LeftButton, {}, QPoint(5, blink->height() / 2));
    QVERIFY(!blink->isChecked());
    click(f, 2, icon);

    const Rgb iconColour{36, 0, 0};
    QCOMPARE(f.list()->currentRow(), 35);
    QCOMPARE(f.colour(36), iconColour);
    QCOMPARE(f.history().undoColour(), before36); // undo can take it back
    QCOMPARE(f.shownValues(), iconColour);
    QCOMPARE(f.control<ColourSwatch>(QStringLiteral("picColor2"))->colour(), iconColour);
    for (int channel = 0; channel < 3; ++channel) {
        QCOMPARE(f.control<QLineEdit>(QStringLiteral("txtS55PaletteRGB%1").arg(channel))->text(),
                 QString::number(channel == 0 ? 36 : 0));
    }
    QCOMPARE(f.panes().pane(2).pictureColourAt(iconElement), iconColour);

    // The earlier flash runs its course in element 21's own colours.
    QVERIFY(f.control<QTimer>(QStringLiteral("tmrBlink"))->isActive());
    f.preview()->blink();
    QCOMPARE(f.panes().pane(2).pictureColourAt(title), title21.inverted());
    f.preview()->blink();
    QCOMPARE(f.panes().pane(2).pictureColourAt(title), title21);
    QVERIFY(f.showsEverywhere(36, iconColour));
    QCOMPARE(f.colour(21), title21);
}

void TestPicking::choosingAnotherElementDuringAFlash_data()
{
    QTest::addColumn<int>("ticksBefore"); // 0: the flash is due; 1: it is shown
    QTest::newRow("due") << 0;
    QTest::newRow("shown") << 1;
}

// The flash belongs to the element picked, whatever the editor shows meanwhile.
void TestPicking::choosingAnotherElementDuringAFlash()
{
    QFETCH(int, ticksBefore);
    WindowFixture f;
    const Rgb colour = f.colour(21);
    click(f, 0, pixelOf(0, 21));
    for (int tick = 0; tick < ticksBefore; ++tick)
        f.preview()->blink();
    f.clickElement(4);
    QCOMPARE(f.shownValues(), f.colour(4));

    auto *timer = f.control<QTimer>(QStringLiteral("tmrBlink"));
    if (ticksBefore == 0) {
        f.preview()->blink();
        QVERIFY(f.showsEverywhere(21, colour.inverted()));
    }
    f.preview()->blink();
    QVERIFY(!timer->isActive());
    QVERIFY(f.showsEverywhere(21, colour));
    QVERIFY(f.showsEverywhere(4, f.colour(4)));
    QCOMPARE(f.colour(21), colour);
}

void TestPicking::aRejectedClickLeavesTheFlashAlone()
{
    WindowFixture f;
    const Rgb colour = f.colour(21);
    click(f, 0, pixelOf(0, 21));
    f.preview()->blink();
    QVERIFY(f.showsEverywhere(21, colour.inverted()));

    click(f, 1, findPixel(1, [](int r, int g, int b) { return r == 255 && g == 255 && b == 255; }));
    QCOMPARE(f.list()->currentRow(), 20);
    QCOMPARE(f.preview()->flashElement(), 21);
    QVERIFY(f.preview()->isFlashShown());
    QVERIFY(f.control<QTimer>(QStringLiteral("tmrBlink"))->isActive());
    QVERIFY(f.showsEverywhere(21, colour.inverted()));
    f.preview()->blink();
    QVERIFY(f.showsEverywhere(21, colour));
}

void TestPicking::providerOptionOnlyTouchesTwoFlags()
{
    WindowFixture f;
    auto *provider = f.control<QCheckBox>(QStringLiteral("chkProvider"));
    const auto pictures = f.pictures();
    QTest::mouseClick(provider, Qt::LeftButton, {}, QPoint(5, provider->height() / 2));
    QVERIFY(provider->isChecked());
    for (int element = 1; element <= 60; ++element) {
        const bool visible = element != 23 && element != 24 && element != 45;
        QCOMPARE(f.scheme().isVisible(element), visible);
        QCOMPARE(f.list()->item(element - 1)->checkState(), visible ? Qt::Checked : Qt::Unchecked);
    }
    QTest::mouseClick(provider, Qt::LeftButton, {}, QPoint(5, provider->height() / 2));
    QVERIFY(!provider->isChecked());
    QVERIFY(f.scheme().isVisible(23) && f.scheme().isVisible(24));
    QCOMPARE(f.list()->item(22)->checkState(), Qt::Checked);
    QCOMPARE(f.pictures(), pictures);
}

void TestPicking::restingOnAPaneNamesTheElement_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("tip");
    const QPoint title = pixelOf(0, 4);
    const QPoint white = findPixel(0, [](int r, int g, int b) { return r == 255 && g == 255 && b == 255; });
    // A surface adds how the phone's own drawings on it stand out: the black
    // outlines of the title bar's icons on the blue bar.
    QTest::newRow("German") << Language::German << title
                            << QStringLiteral("4 - ! Basisfenstertitel Hintergrund\nR 0, G 0, B 192   #0000C0\n"
                                              "Umrisse der Symbole der Titelleiste darauf: 1.8:1 (nötig 3:1)");
    QTest::newRow("English") << Language::English << title
                             << QStringLiteral("4 - ! base window background\nR 0, G 0, B 192   #0000C0\n"
                                               "outlines of the title bar's icons on it: 1.8:1 (needs 3:1)");
    QTest::newRow("fixed pixel, German") << Language::German << white << QString();
    QTest::newRow("fixed pixel, English") << Language::English << white << QString();
    // A text adds its ratio against what the phone draws it on: white on
    // (0, 0, 192), which the phone shows as (0, 0, 198), is 11.56:1.
    const QPoint softkeys = pixelOf(0, 6);
    QTest::newRow("text, German") << Language::German << softkeys
                                  << QStringLiteral("6 - ! Softkeys Schrift\nR 255, G 255, B 255   #FFFFFF\n"
                                                    "auf 7 Softkeys Hintergrund: 11.5:1 (nötig 4.5:1)");
    QTest::newRow("text, English") << Language::English << softkeys
                                   << QStringLiteral("6 - ! softkeys font\nR 255, G 255, B 255   #FFFFFF\n"
                                                     "on 7 softkeys background: 11.5:1 (needs 4.5:1)");
}

void TestPicking::restingOnAPaneNamesTheElement()
{
    QFETCH(Language, language);
    QFETCH(QPoint, at);
    QFETCH(QString, tip);
    QVERIFY(at.x() >= 0);
    WindowFixture f;
    f.window.applyLanguage(language);
    QWidget *pane = f.control(QStringLiteral("PicturePreview0"));
    QToolTip::hideText();
    QHelpEvent rest(QEvent::ToolTip, at, pane->mapToGlobal(at));
    QApplication::sendEvent(pane, &rest);
    QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), tip);
    QToolTip::hideText();
}

void TestPicking::theLargePreviewPicksAtEveryZoom_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("pane");
    QTest::addColumn<int>("element");
    for (const int zoom : {2, 3, 4}) {
        QTest::addRow("%dx, title bar", zoom) << zoom << 0 << 4;
        QTest::addRow("%dx, softkeys", zoom) << zoom << 5 << 7;
    }
}

// Ctrl+L opens the large preview; at every zoom a click on an element's pixel
// picks that element, as a click on the preview does, and the picture saved
// is what the window shows.
void TestPicking::theLargePreviewPicksAtEveryZoom()
{
    QFETCH(int, zoom);
    QFETCH(int, pane);
    QFETCH(int, element);
    WindowFixture f;
    f.press(QKeySequence(Qt::CTRL | Qt::Key_L));
    auto *window = f.window.findChild<QWidget *>(QStringLiteral("largePreviewWindow"));
    QVERIFY(window && window->isVisible());
    auto *large = window->findChild<LargePanes *>(QStringLiteral("largePanes"));
    large->resize(233 * zoom + 10, 288 * zoom + 10);
    QCOMPARE(large->scale(), zoom);

    const QPoint pixel = pixelOf(pane, element);
    QVERIFY(pixel.x() >= 0);
    const QPoint origin((large->width() - 233 * zoom) / 2, (large->height() - 288 * zoom) / 2);
    const QPoint at = origin + (PreviewPanes::position(pane) + pixel) * zoom + QPoint(zoom / 2, zoom / 2);
    QCOMPARE(large->paneAt(at), std::optional(std::pair(pane, pixel)));
    f.clickElement(1);
    QTest::mouseClick(large, Qt::LeftButton, {}, at);
    QCOMPARE(f.list()->currentRow(), element - 1);
    QCOMPARE(large->picture().size(), QSize(233, 288) * zoom);

    // Compared with the red scheme: both side by side, the differing elements
    // outlined; while Space is held the red scheme stands on the left too.
    f.clickElement(3);
    f.typeInto(2, u"0"_s); // a yellow title, white in the red scheme
    window->findChild<QAction *>(QStringLiteral("actComparered"))->trigger();
    QVERIFY(large->isComparing());
    large->resize((233 * 2 + 8) * zoom + 10, 288 * zoom + 10);
    QCOMPARE(large->scale(), zoom);
    const QImage compared = large->picture();
    QCOMPARE(compared.width(), (233 * 2 + 8) * large->scale());
    const auto outlined = [](const QImage &shown) {
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) == PreviewPanes::kOutline)
                    return true;
        return false;
    };
    QVERIFY(outlined(compared));
    // Beside a text, not over it: every pixel of the first pane's title keeps
    // its colour, though the title and its bar both differ from the red scheme's.
    const Rgb title = f.scheme().colour(3);
    const PreviewPane &first = PreviewPanes::builtInPanes()[0];
    int titlePixels = 0;
    for (int y = 0; y < PreviewPanes::kHeight; ++y) {
        for (int x = 0; x < PreviewPanes::kWidth; ++x) {
            if (first.elementAt({x, y}) != 3)
                continue;
            ++titlePixels;
            const QRect enlarged((PreviewPanes::position(0) + QPoint(x, y)) * zoom, QSize(zoom, zoom));
            for (int v = enlarged.top(); v <= enlarged.bottom(); ++v)
                for (int u = enlarged.left(); u <= enlarged.right(); ++u)
                    QCOMPARE(compared.pixel(u, v) & 0xFFFFFF, qRgb(title.red, title.green, title.blue) & 0xFFFFFF);
        }
    }
    QCOMPARE(titlePixels, 20);
    QTest::keyPress(large, Qt::Key_Space);
    const QImage held = large->picture();
    QTest::keyRelease(large, Qt::Key_Space);
    const int half = 233 * large->scale();
    QCOMPARE(held.copy(0, 0, half, held.height()), held.copy(held.width() - half, 0, half, held.height()));
    QVERIFY(large->picture().copy(0, 0, half, held.height()) != held.copy(0, 0, half, held.height()));

    // Wherever Space is released, the held view ends; so it does when the
    // focus goes to the editor, and when the window is hidden.
    const auto holding = [large] {
        const QImage shown = large->picture();
        const int side = 233 * large->scale();
        return shown.copy(0, 0, side, shown.height()) == shown.copy(shown.width() - side, 0, side, shown.height());
    };
    const auto focusPanes = [&] {
        window->activateWindow();
        QVERIFY(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
        large->setFocus();
        QCOMPARE(QApplication::focusWidget(), large);
    };
    focusPanes();
    QTest::keyPress(large, Qt::Key_Space);
    QVERIFY(holding());
    QTest::keyRelease(window->findChild<QWidget *>(QStringLiteral("largePreviewSave")), Qt::Key_Space);
    QVERIFY(!holding());
    QTest::keyPress(large, Qt::Key_Space);
    f.window.activateWindow();
    QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == &f.window; }));
    QVERIFY(!holding());
    focusPanes();
    QTest::keyPress(large, Qt::Key_Space);
    window->hide();
    window->show();
    QVERIFY(!holding());

    // Compared with the scheme as last opened or saved, it follows the saves:
    // once the yellow title is saved, nothing differs, so nothing is outlined.
    window->findChild<QAction *>(QStringLiteral("actCompareSaved"))->trigger();
    QVERIFY(outlined(large->picture()));
    QTemporaryDir folder;
    f.dialogs->answers << folder.filePath(u"saved.col"_s);
    QVERIFY(f.window.saveScheme());
    QVERIFY(!outlined(large->picture()));
}

QTEST_MAIN(TestPicking)
// The panes' own pixels as a view draws them, worked out pixel by pixel.
static QImage expectedDrawing(const QImage &picture, bool phone, ColourScience::Vision vision)
{
    QImage drawn(picture.size(), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            Rgb c{quint8(qRed(p)), quint8(qGreen(p)), quint8(qBlue(p))};
            if (phone)
                c = ColourScience::phoneColour(c);
            c = ColourScience::simulate(c, vision);
            drawn.setPixel(x, y, qRgb(c.red, c.green, c.blue));
        }
    }
    return drawn;
}

static bool drawsAs(PaneView *view, const QImage &expected)
{
    const QImage grabbed = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (grabbed.size() != expected.size())
        return false;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if ((grabbed.pixel(x, y) & 0xFFFFFF) != (expected.pixel(x, y) & 0xFFFFFF)) {
                qWarning("pixel (%d, %d): %06x drawn, %06x expected", x, y, grabbed.pixel(x, y) & 0xFFFFFF,
                         expected.pixel(x, y) & 0xFFFFFF);
                return false;
            }
        }
    }
    return true;
}

void TestPicking::theViewMenuChangesOnlyWhatIsDrawn_data()
{
    QTest::addColumn<QStringList>("choices"); // the menu items chosen, in turn
    QTest::addColumn<bool>("phone");
    QTest::addColumn<int>("vision"); // ColourScience::Vision
    QTest::addColumn<QString>("storedVision");
    QTest::addColumn<QString>("line"); // what the frame says of the view, in German
    QTest::newRow("as on the phone") << QStringList{QStringLiteral("actPhoneColours")} << true << 0
                                     << QStringLiteral("normal") << QStringLiteral("Ansicht: 16 Bit");
    QTest::newRow("red-blind") << QStringList{QStringLiteral("actVision1")} << false << 1 << QStringLiteral("protan")
                               << QStringLiteral("Ansicht: rotblind");
    QTest::newRow("green-blind") << QStringList{QStringLiteral("actVision2")} << false << 2 << QStringLiteral("deutan")
                                 << QStringLiteral("Ansicht: grünblind");
    QTest::newRow("blue-blind as on the phone")
        << QStringList{QStringLiteral("actVision3"), QStringLiteral("actPhoneColours")} << true << 3
        << QStringLiteral("tritan") << QStringLiteral("Ansicht: 16 Bit, blaublind");
    QTest::newRow("back to the plain view")
        << QStringList{QStringLiteral("actPhoneColours"), QStringLiteral("actVision2"), QStringLiteral("actPhoneColours"),
                       QStringLiteral("actVision0")}
        << false << 0 << QStringLiteral("normal") << QString();
}

// A right click on a pane opens its view menu; what is chosen there changes the
// drawing only: the pictures, the table and picking keep the scheme's colours,
// and the next start draws the same way.
void TestPicking::theViewMenuChangesOnlyWhatIsDrawn()
{
    QFETCH(QStringList, choices);
    QFETCH(bool, phone);
    QFETCH(int, vision);
    QFETCH(QString, storedVision);
    QFETCH(QString, line);
    const auto seen = ColourScience::Vision(vision);
    {
        WindowFixture f;
        f.clickElement(3);
        f.window.dispatch(QStringLiteral("keyUndo")); // Undo is no longer offered; a pick would offer it again
        const ColourScheme before = f.scheme();
        const auto pictures = f.pictures();
        auto *menu = f.control<QMenu>(QStringLiteral("mnuPreviewView"));
        QVERIFY(menu);
        // Nothing stored: the window speaks German.
        QCOMPARE(menu->findChild<QAction *>(QStringLiteral("actPhoneColours"))->text(),
                 QStringLiteral("Wie auf dem Handy (16 Bit)"));
        QCOMPARE(menu->findChild<QAction *>(QStringLiteral("actVision3"))->text(), QStringLiteral("Farbsehen: blaublind"));
        for (int pane = 0; pane < PreviewPanes::kCount; ++pane)
            QVERIFY(drawsAs(f.control<PaneView>(QStringLiteral("PicturePreview%1").arg(pane)), pictures[pane].convertToFormat(QImage::Format_RGB32)));

        for (int step = 0; step < choices.size(); ++step) {
            auto *view = f.control<PaneView>(QStringLiteral("PicturePreview%1").arg(step % PreviewPanes::kCount));
            const QPoint at = pixelOf(0, 21);
            QTest::mousePress(view, Qt::RightButton, {}, at);
            QTest::mouseRelease(view, Qt::RightButton, {}, at);
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->mapToGlobal(at));
            QApplication::sendEvent(view, &event);
            QTRY_VERIFY(menu->isVisible());
            // A right click makes the element under the pointer current, as the
            // list does: no flash, no step of the makers' sequence, Undo as it was.
            const Rgb mask = f.panes().pane(step % PreviewPanes::kCount).maskColourAt(at);
            const int pointed = ElementCode::picked(mask).value_or(0);
            QVERIFY(pointed > 0);
            QCOMPARE(f.list()->currentRow(), pointed - 1);
            QCOMPARE(f.window.findChild<QAction *>(QStringLiteral("actColourTarget"))->text(),
                     ElementCatalogue::numberedName(Language::German, pointed));
            QVERIFY(!f.control<QTimer>(QStringLiteral("tmrBlink"))->isActive());
            QCOMPARE(f.preview()->clickSequence().state(), 0);
            QVERIFY(!f.menuItem(QStringLiteral("keyUndo"))->isEnabled());
            auto *item = menu->findChild<QAction *>(choices[step]);
            QVERIFY(item);
            QVERIFY(menu->actions().contains(item));
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
            QTRY_VERIFY(!menu->isVisible());
        }

        for (int pane = 0; pane < PreviewPanes::kCount; ++pane) {
            auto *view = f.control<PaneView>(QStringLiteral("PicturePreview%1").arg(pane));
            QVERIFY(drawsAs(view, expectedDrawing(pictures[pane], phone, seen)));
        }
        QCOMPARE(f.pictures(), pictures);
        QVERIFY(f.scheme().table() == before.table());
        QCOMPARE(WindowFixture::stored(QStringLiteral("View/phone")).toString(), phone ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(WindowFixture::stored(QStringLiteral("View/vision")).toString(), storedVision);
        const auto *shownLine = f.control<QLabel>(QStringLiteral("lblView"));
        QCOMPARE(shownLine->isVisible(), !line.isEmpty());
        if (!line.isEmpty())
            QCOMPARE(shownLine->text(), line);

        // A left click still picks the element's own colour.
        const Rgb colour = f.colour(21);
        click(f, 0, pixelOf(0, 21));
        QCOMPARE(f.list()->currentRow(), 20);
        QCOMPARE(f.shownValues(), colour);
        QVERIFY(f.scheme().table() == before.table());

        // A change of a pane is drawn in the view too.
        f.preview()->blink();
        QVERIFY(f.showsEverywhere(21, colour.inverted()));
        auto *first = f.control<PaneView>(QStringLiteral("PicturePreview0"));
        QVERIFY(drawsAs(first, expectedDrawing(f.panes().pane(0).picture(), phone, seen)));
        f.preview()->blink();
    }

    // A new window over the same store draws the same way.
    MainWindow again;
    again.start();
    again.show();
    auto *menu = again.findChild<QMenu *>(QStringLiteral("mnuPreviewView"));
    QVERIFY(menu);
    QCOMPARE(again.findChild<QAction *>(QStringLiteral("actPhoneColours"))->isChecked(), phone);
    QVERIFY(again.findChild<QAction *>(QStringLiteral("actVision%1").arg(vision))->isChecked());
    QCOMPARE(again.findChild<QLabel *>(QStringLiteral("lblView"))->isVisible(), !line.isEmpty());
    auto *view = again.findChild<PaneView *>(QStringLiteral("PicturePreview1"));
    QVERIFY(drawsAs(view, expectedDrawing(panesOf(again).pane(1).picture(), phone, seen)));
}

#include "tst_picking.moc"
