#include "support/WindowTest.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTemporaryDir>

// The RGB editor of the main window, driven by keys and clicks.
Q_DECLARE_METATYPE(Rgb)

class TestRgbEditor : public QObject
{
    Q_OBJECT
private slots:
    void typingThreeHundredIntoAnEmptiedBox();
    void leadingZerosAreRewrittenOnlyWhenTheBarMoves();
    void setAllChangesThreeChannels();
    void choosingAnElementLoadsItWithoutRedrawing();
    void theEditorShowsTheColourOfAWholeNewTable_data();
    void theEditorShowsTheColourOfAWholeNewTable();
    void onlyDigitsReachTheBoxes();
    void barStepsAndDragsReachTheTable();
    void arrowKeysStepAChannel_data();
    void arrowKeysStepAChannel();
    void withoutASelectedElementNothingChanges_data();
    void withoutASelectedElementNothingChanges();
};

void TestRgbEditor::typingThreeHundredIntoAnEmptiedBox()
{
    WindowFixture f;
    f.clickElement(11); // black in the blue scheme
    QCOMPARE(f.shownValues(), (Rgb{0, 0, 0}));
    QLineEdit *red = f.box(0);
    red->setFocus();
    red->selectAll();
    QTest::keyClick(red, Qt::Key_Backspace);
    QCOMPARE(red->text(), QString());
    QCOMPARE(f.colour(11), (Rgb{0, 0, 0}));

    QTest::keyClick(red, Qt::Key_3);
    QCOMPARE(f.colour(11).red, quint8(3));
    QTest::keyClick(red, Qt::Key_0);
    QCOMPARE(f.colour(11).red, quint8(30));
    QTest::keyClick(red, Qt::Key_0);
    QCOMPARE(red->text(), QStringLiteral("255"));
    QCOMPARE(f.colour(11), (Rgb{255, 0, 0}));
    QCOMPARE(f.history().undoColour(), (Rgb{30, 0, 0}));
    QCOMPARE(f.control<QScrollBar>(QStringLiteral("scrollRGB0"))->value(), 255);

    // The element is redrawn at once wherever a pane shows it.
    const QPoint pixel = findPixel(4, [](int r, int g, int) { return r == 11 && g == 243; });
    QVERIFY(pixel.x() >= 0);
    QCOMPARE(f.panes().pane(4).pictureColourAt(pixel), (Rgb{255, 0, 0}));
}

void TestRgbEditor::leadingZerosAreRewrittenOnlyWhenTheBarMoves()
{
    WindowFixture f;
    f.clickElement(11);
    f.typeInto(0, QStringLiteral("007"));
    QCOMPARE(f.box(0)->text(), QStringLiteral("7"));
    QCOMPARE(f.colour(11).red, quint8(7));

    // The bar already stands at 7: the typed text stays as it is.
    QTest::keyClick(f.box(0), Qt::Key_Home);
    QTest::keyClick(f.box(0), Qt::Key_0);
    QCOMPARE(f.box(0)->text(), QStringLiteral("07"));
    QCOMPARE(f.colour(11).red, quint8(7));
}

void TestRgbEditor::setAllChangesThreeChannels()
{
    WindowFixture f;
    f.clickElement(11);
    f.typeInto(0, QStringLiteral("10"));
    f.typeInto(1, QStringLiteral("20"));
    f.typeInto(2, QStringLiteral("30"));
    QCOMPARE(f.colour(11), (Rgb{10, 20, 30}));

    QTest::mouseClick(f.control<QPushButton>(QStringLiteral("cmdSetAll1")), Qt::LeftButton);
    QCOMPARE(f.colour(11), (Rgb{255, 255, 255}));
    QCOMPARE(f.shownValues(), (Rgb{255, 255, 255}));
    QCOMPARE(f.history().undoColour(), (Rgb{255, 255, 30})); // only the last change is one step

    QTest::mouseClick(f.control<QPushButton>(QStringLiteral("cmdSetAll2")), Qt::LeftButton);
    QCOMPARE(f.colour(11), (Rgb{127, 127, 127}));
    QTest::mouseClick(f.control<QPushButton>(QStringLiteral("cmdSetAll0")), Qt::LeftButton);
    QCOMPARE(f.colour(11), (Rgb{0, 0, 0}));
    QCOMPARE(f.control<QPushButton>(QStringLiteral("cmdSetAll2"))->text(), QStringLiteral("127"));
}

void TestRgbEditor::choosingAnElementLoadsItWithoutRedrawing()
{
    WindowFixture f;
    QSignalSpy drawn(&f.panes(), &PreviewPanes::paneChanged);
    const auto before = f.pictures();
    f.clickElement(12); // (32, 160, 192)
    QCOMPARE(f.shownValues(), (Rgb{32, 160, 192}));
    QCOMPARE(f.history().undoColour(), (Rgb{32, 160, 192}));
    QCOMPARE(f.control<ColourSwatch>(QStringLiteral("picColor"))->colour(), (Rgb{32, 160, 192}));
    QCOMPARE(f.control<ColourSwatch>(QStringLiteral("picColor2"))->colour(), (Rgb{32, 160, 192}));
    QCOMPARE(f.control<QLineEdit>(QStringLiteral("txtS55PaletteRGB1"))->text(), QStringLiteral("160"));
    QCOMPARE(f.control<QScrollBar>(QStringLiteral("scrollRGB2"))->value(), 192);
    QCOMPARE(drawn.size(), 0);
    QCOMPARE(f.pictures(), before);

    f.clickElement(1);
    QCOMPARE(f.shownValues(), (Rgb{0, 0, 128}));
    QCOMPARE(f.colour(12), (Rgb{32, 160, 192}));
    QCOMPARE(drawn.size(), 0);
}

// Whatever replaces the colours behind the editor's back, the editor and both
// swatches show the current element's entry afterwards, and nothing is recorded
// for undo. Each row starts from element 4 typed to (1, 2, 3).
void TestRgbEditor::theEditorShowsTheColourOfAWholeNewTable_data()
{
    QTest::addColumn<QString>("change");
    for (const char *change : {"start", "New blue", "New green", "New red", "open", "recent file",
                               "dropped file", "command line", "palette click"})
        QTest::newRow(change) << QString::fromLatin1(change);
}

void TestRgbEditor::theEditorShowsTheColourOfAWholeNewTable()
{
    QFETCH(QString, change);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("autumn.col"));
    {
        QByteArray bytes = "ColourScheme\r\nAutumn\r\nData\r\n";
        for (int n = 1; n <= 60; ++n)
            bytes += QByteArray::number(n) + " 1 2 " + (n % 2 ? "100" : "000") + "\r\n";
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
    }

    WindowFixture f;
    f.control(QStringLiteral("frameFarbe16Bit"))->show();
    int element = 1;
    if (change != u"start") {
        element = 4;
        if (change == u"recent file") {
            f.dialogs->answers << file;
            f.window.openScheme();
        }
        f.clickElement(element);
        f.typeInto(0, QStringLiteral("1"));
        f.typeInto(1, QStringLiteral("2"));
        f.typeInto(2, QStringLiteral("3"));
        QCOMPARE(f.colour(element), (Rgb{1, 2, 3}));
    }
    const Rgb undo = f.history().undoColour();
    const bool undoOffered = f.menuItem(QStringLiteral("keyUndo"))->isEnabled();

    if (change.startsWith(u"New ")) {
        QVERIFY(f.chooseByKeys(change == u"New blue" ? QStringLiteral("keyBluescheme")
                               : change == u"New green" ? QStringLiteral("keyGreenscheme")
                                                        : QStringLiteral("keyRedscheme")));
    } else if (change == u"open") {
        f.dialogs->answers << file;
        f.window.openScheme();
    } else if (change == u"recent file") {
        f.menuBar()->itemAction(MenuTable::kFirstRecentFilePosition)->trigger();
    } else if (change == u"dropped file") {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&f.window, &enter);
        QDropEvent drop(QPointF(300, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&f.window, &drop);
    } else if (change == u"command line") {
        f.window.openSchemeFile(file);
    } else if (change == u"palette click") {
        QWidget *palette = f.control(QStringLiteral("picS55Palette"));
        QTest::mouseMove(palette, {1 + 8 * 9 + 3, 1 + 8 * 6 + 4});
        QTest::mouseClick(palette, Qt::LeftButton, {}, {1 + 8 * 9 + 3, 1 + 8 * 6 + 4});
    }

    const ColourEntry entry = f.scheme().entry(element);
    QVERIFY(entry.rgb() != (Rgb{1, 2, 3}));
    QVERIFY(f.showsEverywhere(element, entry.rgb()));
    QCOMPARE(f.shownValues(), entry.rgb());
    for (int channel = 0; channel < 3; ++channel)
        QCOMPARE(f.control<QScrollBar>(QStringLiteral("scrollRGB%1").arg(channel))->value(),
                 int(entry.component(channel)));
    QCOMPARE(f.control<QLineEdit>(QStringLiteral("txtHelligkeit"))->text(), QString::number(entry.brightness));
    QCOMPARE(f.control<ColourSwatch>(QStringLiteral("picColor"))->colour(), entry.rgb());
    QCOMPARE(f.control<ColourSwatch>(QStringLiteral("picColor2"))->colour(), entry.rgb());
    if (change != u"palette click") { // a click records the colour before it, as it always did
        QCOMPARE(f.history().undoColour(), undo);
        QCOMPARE(f.menuItem(QStringLiteral("keyUndo"))->isEnabled(), undoOffered);
    }

    // One channel typed now builds its colour from the element's own others.
    f.typeInto(1, QStringLiteral("77"));
    const Rgb typed{entry.rgb().red, 77, entry.rgb().blue};
    QCOMPARE(f.colour(element), typed);
    QCOMPARE(f.control<ColourSwatch>(QStringLiteral("picColor"))->colour(), typed);
    QVERIFY(f.showsEverywhere(element, typed));
}

void TestRgbEditor::onlyDigitsReachTheBoxes()
{
    WindowFixture f;
    f.clickElement(2);
    QLineEdit *green = f.box(1);
    green->setFocus();
    QTest::keyClick(green, Qt::Key_End);
    QTest::keyClicks(green, QStringLiteral("a -x."));
    QCOMPARE(green->text(), QStringLiteral("255"));

    QGuiApplication::clipboard()->setText(QStringLiteral("12abc"));
    green->selectAll();
    QTest::keyClick(green, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(green->text(), QStringLiteral("255"));
    QGuiApplication::clipboard()->setText(QStringLiteral("42"));
    green->selectAll();
    QTest::keyClick(green, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(green->text(), QStringLiteral("42"));
    QCOMPARE(f.colour(2).green, quint8(42));

    // A long row of digits is just a large number.
    f.typeInto(1, QStringLiteral("99999999999"));
    QCOMPARE(green->text(), QStringLiteral("255"));
    QCOMPARE(f.colour(2).green, quint8(255));
}

void TestRgbEditor::barStepsAndDragsReachTheTable()
{
    WindowFixture f;
    f.clickElement(12); // (32, 160, 192)
    auto *bar = f.control<QScrollBar>(QStringLiteral("scrollRGB0"));

    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = false;
    const QRect addLine = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, bar);
    const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);

    QTest::mouseClick(bar, Qt::LeftButton, {}, addLine.center());
    QCOMPARE(f.colour(12).red, quint8(33));
    QCOMPARE(f.box(0)->text(), QStringLiteral("33"));
    QCOMPARE(f.history().undoColour(), (Rgb{32, 160, 192}));

    // Dragging the thumb changes nothing until it is released.
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb.center());
    QTest::mouseMove(bar, thumb.center() + QPoint(40, 0));
    QVERIFY(bar->isSliderDown());
    QCOMPARE(f.colour(12).red, quint8(33));
    QCOMPARE(f.box(0)->text(), QStringLiteral("33"));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb.center() + QPoint(40, 0));
    QVERIFY(f.colour(12).red > 33);
    QCOMPARE(f.box(0)->text(), QString::number(f.colour(12).red));
}

// Element 12 is (32, 160, 192). Each press is one change: the undo colour is
// the colour before the last press.
void TestRgbEditor::arrowKeysStepAChannel_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<Rgb>("colour");
    QTest::addColumn<Rgb>("undo");
    const auto keys = [](std::initializer_list<Qt::Key> list) {
        QTestEventList events;
        for (Qt::Key key : list)
            events.addKeyClick(key);
        return events;
    };
    QTest::newRow("Up") << 0 << keys({Qt::Key_Up}) << Rgb{33, 160, 192} << Rgb{32, 160, 192};
    QTest::newRow("Down twice") << 1 << keys({Qt::Key_Down, Qt::Key_Down}) << Rgb{32, 158, 192} << Rgb{32, 159, 192};
    QTest::newRow("Page Up") << 0 << keys({Qt::Key_PageUp}) << Rgb{48, 160, 192} << Rgb{32, 160, 192};
    QTest::newRow("Page Down to 0") << 0 << keys({Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageDown})
                                    << Rgb{0, 160, 192} << Rgb{16, 160, 192};
    QTest::newRow("Page Up stops at 255") << 2 << keys({Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp,
                                                        Qt::Key_PageUp, Qt::Key_Up})
                                          << Rgb{32, 160, 255} << Rgb{32, 160, 240};
}

void TestRgbEditor::arrowKeysStepAChannel()
{
    QFETCH(int, channel);
    QFETCH(QTestEventList, keys);
    QFETCH(Rgb, colour);
    QFETCH(Rgb, undo);
    WindowFixture f;
    f.clickElement(12);
    QLineEdit *box = f.box(channel);
    box->setFocus();
    keys.simulate(box);
    QCOMPARE(f.colour(12), colour);
    QCOMPARE(f.shownValues(), colour);
    QCOMPARE(f.history().undoColour(), undo);
    QVERIFY(f.showsEverywhere(12, colour));
}

// No click or key leaves the list without a selected entry; only the program
// can, and then the editor changes nothing.
void TestRgbEditor::withoutASelectedElementNothingChanges_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("selected");
    QTest::newRow("Ctrl and a click on the selected entry") << QStringLiteral("ctrl-click") << true;
    QTest::newRow("Ctrl and Space on the selected entry") << QStringLiteral("ctrl-space") << true;
    QTest::newRow("the program clears the selection") << QStringLiteral("clear") << false;
}

void TestRgbEditor::withoutASelectedElementNothingChanges()
{
    QFETCH(QString, how);
    QFETCH(bool, selected);
    WindowFixture f;
    f.clickElement(12);
    const Rgb undo = f.history().undoColour();
    QListWidget *list = f.list();
    const QRect rect = list->visualItemRect(list->item(11));
    if (how == QStringLiteral("ctrl-click")) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          QPoint(rect.left() + 60, rect.center().y()));
    } else if (how == QStringLiteral("ctrl-space")) {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
    } else {
        list->clearSelection();
    }
    QCOMPARE(list->selectedItems().size(), selected ? 1 : 0);
    QCOMPARE(list->currentRow(), 11);

    const auto before = f.pictures();
    f.typeInto(0, QStringLiteral("99"));
    QTest::mouseClick(f.control<QPushButton>(QStringLiteral("cmdSetAll0")), Qt::LeftButton);
    if (selected) {
        QCOMPARE(f.colour(12), (Rgb{0, 0, 0}));
        QVERIFY(f.showsEverywhere(12, {0, 0, 0}));
    } else {
        QCOMPARE(f.colour(12), (Rgb{32, 160, 192}));
        QCOMPARE(f.history().undoColour(), undo);
        QCOMPARE(f.pictures(), before);
    }
}

QTEST_MAIN(TestRgbEditor)
#include "tst_rgbeditor.moc"
