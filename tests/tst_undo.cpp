#include "support/WindowTest.h"

#include "PalettePicture.h"
#include "ReadabilityWindow.h"
#include "StandardSchemes.h"

#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QScrollBar>

using namespace Qt::Literals::StringLiterals;

namespace {

const QKeySequence kUndo(Qt::CTRL | Qt::Key_Z);
const QKeySequence kRedo(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);

} // namespace

// One step of undo and redo, chosen with the keys a user presses.
class TestUndo : public QObject
{
    Q_OBJECT
private slots:
    void undoTakesBackTheLastKeystrokeAndRedoAlternates();
    void undoAfterChoosingAnotherElementKeepsItsColour();
    void setAllThenUndoTakesBackOneChannel();
    void paletteClickThenUndoRestoresTheColour();
    void undoBeforeAnyChangeChangesNoColour();
    void aLanguageSwitchOrAPickOffersUndoAgain();
    void theKeysInAChannelBoxUndoTheProgramsStep();
    void theProgramsColourCommandsOfferUndoAgain_data();
    void theProgramsColourCommandsOfferUndoAgain();

private:
    // The whole observable state after a step: the element's colour in the table,
    // the preview and the editor's boxes, and which of Undo and Redo is offered.
    static void checkState(WindowFixture &f, int element, const Rgb &colour, bool undo, bool redo)
    {
        QCOMPARE(f.colour(element), colour);
        QVERIFY(f.showsEverywhere(element, colour));
        QCOMPARE(f.shownValues(), colour);
        QCOMPARE(f.control<ColourSwatch>(u"picColor"_s)->colour(), colour);
        QCOMPARE(f.menuItem(u"keyUndo"_s)->isEnabled(), undo);
        QCOMPARE(f.menuItem(u"keyRedo"_s)->isEnabled(), redo);
    }
    static void showRgbEditor(WindowFixture &f) { f.control(u"frameFarbe16Bit"_s)->show(); }
};

void TestUndo::undoTakesBackTheLastKeystrokeAndRedoAlternates()
{
    WindowFixture f;
    showRgbEditor(f);
    f.clickElement(4); // (0, 0, 192) in the blue scheme
    f.typeInto(0, u"10"_s);
    QCOMPARE(f.colour(4), (Rgb{10, 0, 192}));
    // Every keystroke is one change: 2, 20, 200.
    QLineEdit *red = f.box(0);
    red->selectAll();
    QTest::keyClicks(red, u"200"_s);
    checkState(f, 4, {200, 0, 192}, true, false);

    f.press(kUndo);
    checkState(f, 4, {20, 0, 192}, false, true);
    f.press(kUndo); // not offered: nothing happens
    checkState(f, 4, {20, 0, 192}, false, true);
    f.press(kRedo);
    checkState(f, 4, {200, 0, 192}, true, false);
    f.press(kUndo);
    checkState(f, 4, {20, 0, 192}, false, true);
    f.press(kRedo);
    checkState(f, 4, {200, 0, 192}, true, false);
}

void TestUndo::undoAfterChoosingAnotherElementKeepsItsColour()
{
    WindowFixture f;
    showRgbEditor(f);
    f.clickElement(4);
    f.typeInto(2, u"7"_s);
    f.clickElement(12); // (32, 160, 192): choosing it records its own colour
    f.press(kUndo);
    checkState(f, 12, {32, 160, 192}, false, true);
    QCOMPARE(f.colour(4), (Rgb{0, 0, 7}));
}

void TestUndo::setAllThenUndoTakesBackOneChannel()
{
    WindowFixture f;
    showRgbEditor(f);
    f.clickElement(9);
    f.typeInto(0, u"10"_s);
    f.typeInto(1, u"20"_s);
    f.typeInto(2, u"30"_s);
    QTest::mouseClick(f.control<QPushButton>(u"cmdSetAll1"_s), Qt::LeftButton);
    checkState(f, 9, {255, 255, 255}, true, false);
    f.press(kUndo);
    checkState(f, 9, {255, 255, 30}, false, true);
}

void TestUndo::paletteClickThenUndoRestoresTheColour()
{
    WindowFixture f;
    f.clickElement(7);
    const Rgb old = f.colour(7);
    QWidget *palette = f.control(u"picS55Palette"_s);
    const QPoint cell(6 * 8 + 5, 2 * 8 + 5);
    QTest::mouseMove(palette, cell);
    QTest::mouseClick(palette, Qt::LeftButton, {}, cell);
    const Rgb chosen = PalettePicture::cellColour(6, 2);
    QCOMPARE(f.colour(7), chosen);
    const QString paletteRed = f.control<QLineEdit>(u"txtS55PaletteRGB0"_s)->text();

    f.press(kUndo);
    checkState(f, 7, old, false, true);
    QCOMPARE(f.control<ColourSwatch>(u"picColor2"_s)->colour(), old);
    QCOMPARE(f.control<QScrollBar>(u"scrollRGB0"_s)->value(), int(old.red));
    // The palette's value boxes keep the colour last pointed at.
    QCOMPARE(f.control<QLineEdit>(u"txtS55PaletteRGB0"_s)->text(), paletteRed);
    QCOMPARE(paletteRed, QString::number(chosen.red));
}

// Right after start nothing was ever changed, so there is nothing to go back to:
// element 1 keeps its colour (and does not turn black); the items still switch.
void TestUndo::undoBeforeAnyChangeChangesNoColour()
{
    WindowFixture f;
    QVERIFY(!f.history().hasUndoColour());
    const auto pictures = f.pictures();
    f.press(kUndo);
    QCOMPARE(f.colour(1), (Rgb{0, 0, 128}));
    QCOMPARE(f.pictures(), pictures);
    QCOMPARE(f.shownValues(), (Rgb{0, 0, 128}));
    QVERIFY(!f.menuItem(u"keyUndo"_s)->isEnabled());
    QVERIFY(f.menuItem(u"keyRedo"_s)->isEnabled());
    f.press(kRedo);
    QCOMPARE(f.colour(1), (Rgb{0, 0, 128}));
    QVERIFY(f.menuItem(u"keyUndo"_s)->isEnabled());
}

void TestUndo::aLanguageSwitchOrAPickOffersUndoAgain()
{
    WindowFixture f;
    showRgbEditor(f);
    f.clickElement(4);
    f.typeInto(1, u"99"_s);
    f.press(kUndo);
    const Rgb redoColour = f.history().redoColour();
    QVERIFY(f.chooseByKeys(u"keyEnglish"_s));
    checkState(f, 1, {0, 0, 128}, true, false); // the switch chose element 1
    QCOMPARE(f.history().redoColour(), redoColour);

    f.press(kUndo);
    QCOMPARE(f.menuItem(u"keyUndo"_s)->isEnabled(), false);
    auto *view = f.control(u"PicturePreview0"_s);
    QTest::mouseMove(view, {50, 75});
    QTest::mouseClick(view, Qt::LeftButton, {}, {50, 75});
    QCOMPARE(f.menuItem(u"keyUndo"_s)->isEnabled(), true);
    QCOMPARE(f.menuItem(u"keyRedo"_s)->isEnabled(), true); // a pick leaves Redo as it is
}

// With the focus in a channel box, the keys run the program's Undo and Redo,
// never the box's own text history.
void TestUndo::theKeysInAChannelBoxUndoTheProgramsStep()
{
    WindowFixture f;
    showRgbEditor(f);
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    f.clickElement(4); // (0, 0, 192)
    QLineEdit *red = f.box(0);
    f.typeInto(0, u"10"_s);
    QVERIFY(red->hasFocus());
    QTest::keySequence(red, kUndo);
    checkState(f, 4, {1, 0, 192}, false, true);
    QTest::keySequence(red, kUndo); // not offered: the box keeps its text as well
    checkState(f, 4, {1, 0, 192}, false, true);
    QCOMPARE(red->text(), u"1"_s);
    QTest::keySequence(red, kRedo);
    checkState(f, 4, {10, 0, 192}, true, false);

    // A set-all button leaves the focus in the box; its step is the last channel.
    QTest::mouseClick(f.control<QPushButton>(u"cmdSetAll1"_s), Qt::LeftButton);
    QVERIFY(red->hasFocus());
    checkState(f, 4, {255, 255, 255}, true, false);
    QTest::keySequence(red, kUndo);
    checkState(f, 4, {255, 255, 192}, false, true);
}

void TestUndo::theProgramsColourCommandsOfferUndoAgain_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("offered"); // Undo, after an Undo and the command again
    QTest::newRow("paste") << u"paste"_s << true;
    QTest::newRow("Enter colour") << u"enter"_s << true;
    QTest::newRow("Reset to built-in") << u"reset"_s << true;
    QTest::newRow("Fix") << u"fix"_s << true;
    // An ordinary edit keeps the rule of the one-step history.
    QTest::newRow("palette click") << u"palette"_s << false;
}

// The program's own colour commands are each one step for Undo, however often:
// after an Undo, the command offers Undo again, as a pick does.
void TestUndo::theProgramsColourCommandsOfferUndoAgain()
{
    QFETCH(QString, command);
    QFETCH(bool, offered);
    WindowFixture f;
    f.window.loadStandardScheme(StandardScheme::Green);
    f.clickElement(4); // (0, 224, 0)
    const auto run = [&f, &command] {
        if (command == u"paste") {
            QGuiApplication::clipboard()->setText(u"#123456"_s);
            f.list()->setFocus();
            QTest::keySequence(f.list(), QKeySequence::Paste);
        } else if (command == u"enter") {
            f.window.findChild<QAction *>(u"actEnterColour"_s)->trigger();
            auto *dialog = f.window.findChild<QDialog *>(u"colourInputDialog"_s);
            QVERIFY(dialog);
            dialog->findChild<QLineEdit *>(u"colourText"_s)->setText(u"rgb(1, 2, 3)"_s);
            dialog->accept();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // it closed for good
        } else if (command == u"reset") {
            f.window.findChild<QAction *>(u"actResetBlue"_s)->trigger();
        } else if (command == u"fix") {
            QTest::mouseClick(f.control<QLabel>(u"StatusBar1Panel3"_s), Qt::LeftButton);
            auto *window = f.window.findChild<ReadabilityWindow *>();
            QVERIFY(window);
            auto *rows = window->findChild<QTreeView *>();
            rows->setCurrentIndex(rows->model()->index(0, 0));
            QTest::mouseClick(window->findChild<QPushButton *>(u"readabilityFix"_s), Qt::LeftButton);
        } else {
            QWidget *palette = f.control(u"picS55Palette"_s);
            const QPoint cell(6 * 8 + 5, 2 * 8 + 5);
            QTest::mouseMove(palette, {1, 1});
            QTest::mouseMove(palette, cell);
            QTest::mouseClick(palette, Qt::LeftButton, {}, cell);
        }
    };
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    run();
    const int element = f.list()->currentRow() + 1;
    const Rgb given = f.colour(element);
    f.press(kUndo);
    const Rgb before = f.colour(element);
    QVERIFY(before != given);
    QVERIFY(!f.menuItem(u"keyUndo"_s)->isEnabled());

    run();
    QCOMPARE(f.colour(element), given);
    QCOMPARE(f.menuItem(u"keyUndo"_s)->isEnabled(), offered);
    QVERIFY(f.menuItem(u"keyRedo"_s)->isEnabled()); // left as it was
    f.press(kUndo);
    QCOMPARE(f.colour(element), offered ? before : given);
    QVERIFY(f.showsEverywhere(element, f.colour(element)));
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
