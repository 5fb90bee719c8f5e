#include "support/WindowTest.h"

#include "ColourSwatch.h"
#include "ColourText.h"
#include "ElementCatalogue.h"
#include "PaneView.h"
#include "StandardSchemes.h"
#include "Texts.h"

#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

// Clipboard data that counts what is fetched from it, as another program that
// owns the clipboard would be asked for it.
class FetchCountingData : public QMimeData
{
public:
    mutable QStringList fetched;

protected:
    QVariant retrieveData(const QString &format, QMetaType type) const override
    {
        fetched << format;
        return QMimeData::retrieveData(format, type);
    }
};

// Colours by clipboard, by the colour dialog and from the built-in schemes,
// reached by keys and by the context menus of the list and the panes.
class TestColourCommands : public QObject
{
    Q_OBJECT
private slots:
    void pasteTakesEveryForm_data();
    void pasteTakesEveryForm();
    void copyAndPasteByKeysBetweenElements();
    void enterAndResetFromTheContextMenus();

private:
    static QString statusMessage(WindowFixture &f) { return f.control<QLabel>(u"StatusBar1Panel1"_s)->text(); }
    // Ctrl+V with the element list focused.
    static void pasteIntoList(WindowFixture &f)
    {
        focusList(f);
        QTest::keySequence(f.list(), QKeySequence::Paste);
    }
    static void focusList(WindowFixture &f)
    {
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.list()->setFocus();
        QTRY_VERIFY(f.list()->hasFocus());
    }
};

void TestColourCommands::pasteTakesEveryForm_data()
{
    QTest::addColumn<QString>("text");      // on the clipboard as text
    QTest::addColumn<QColor>("colourData"); // on the clipboard as colour data, where valid
    QTest::addColumn<std::optional<Rgb>>("pasted");
    const QColor none;
    QTest::newRow("#RRGGBB") << u"#1A2b3C"_s << none << std::optional(Rgb{0x1A, 0x2B, 0x3C});
    QTest::newRow("#RGB") << u"#f80"_s << none << std::optional(Rgb{255, 136, 0});
    QTest::newRow("RRGGBB, blanks around") << u"  00FF7f\n"_s << none << std::optional(Rgb{0, 255, 127});
    QTest::newRow("rgb()") << u"RGB( 12,34 , 255 )"_s << none << std::optional(Rgb{12, 34, 255});
    QTest::newRow("numbers and blanks") << u"12 34  56"_s << none << std::optional(Rgb{12, 34, 56});
    QTest::newRow("numbers and commas") << u"0,128, 255"_s << none << std::optional(Rgb{0, 128, 255});
    QTest::newRow("a name") << u"DarkOrange"_s << none << std::optional(Rgb{255, 140, 0});
    QTest::newRow("a name written apart") << u"dark orange"_s << none << std::optional(Rgb{255, 140, 0});
    QTest::newRow("from a style sheet") << u"rgb(255 0 0);"_s << none << std::optional(Rgb{255, 0, 0});
    QTest::newRow("no-break spaces from a web page") << u"12\u00a034\u00a056"_s << none << std::optional(Rgb{12, 34, 56});
    QTest::newRow("colour data before its text") << u"#000000"_s << QColor(10, 20, 30) << std::optional(Rgb{10, 20, 30});
    QTest::newRow("colour data alone") << QString() << QColor(QColorConstants::Svg::teal)
                                       << std::optional(Rgb{0, 128, 128});
    QTest::newRow("rubbish") << u"hello world"_s << none << std::optional<Rgb>();
    QTest::newRow("long rubbish, cut where a character of two units begins")
        << QString(39, u'x') + u"\U0001F600 is no colour"_s << none << std::optional<Rgb>();
    QTest::newRow("a channel over 255") << u"rgb(256, 0, 0)"_s << none << std::optional<Rgb>();
    QTest::newRow("two numbers") << u"12 34"_s << none << std::optional<Rgb>();
    QTest::newRow("five hex digits") << u"#12345"_s << none << std::optional<Rgb>();
    QTest::newRow("transparent") << u"transparent"_s << none << std::optional<Rgb>();
    QTest::newRow("empty") << QString() << none << std::optional<Rgb>();
}

// Each form gives the current element its colour as one step for Undo, drawn
// at once and shown in the editor; anything else changes nothing and the status
// bar says why.
void TestColourCommands::pasteTakesEveryForm()
{
    QFETCH(QString, text);
    QFETCH(QColor, colourData);
    QFETCH(std::optional<Rgb>, pasted);
    WindowFixture f;
    f.clickElement(7);
    const Rgb before = f.colour(7);
    const auto pictures = f.pictures();

    // A message of an earlier paste that went wrong.
    QGuiApplication::clipboard()->setText(u"not a colour"_s);
    pasteIntoList(f);
    const QString earlier = statusMessage(f);
    QVERIFY(!earlier.isEmpty());

    auto *data = new FetchCountingData;
    if (!text.isNull())
        data->setText(text);
    if (colourData.isValid())
        data->setColorData(colourData);
    QGuiApplication::clipboard()->setMimeData(data);
    pasteIntoList(f);
    // One format fetched, once: each fetch may wait seconds for a program that never answers.
    QVERIFY2(data->fetched.size() <= 1, qPrintable(data->fetched.join(u", "_s)));

    if (!pasted) {
        QCOMPARE(f.colour(7), before);
        QCOMPARE(f.pictures(), pictures);
        const QString why = text.trimmed().isEmpty() ? Texts::get(Text::ClipboardEmpty, Languages::current())
                                                     : Texts::get(Text::NotAColour, Languages::current())
                                                           .arg(ColourText::quoted(text));
        QCOMPARE(statusMessage(f), why);
        QVERIFY(why.isValidUtf16()); // a quote cut short splits no character
        // It shows for a few seconds; then the panel is empty again.
        auto *time = f.control<QTimer>(u"tmrMessage"_s);
        QCOMPARE(time->interval(), 5000);
        QVERIFY(time->isActive());
        time->start(0); // its time is up
        QTRY_COMPARE(statusMessage(f), QString());
        return;
    }
    QCOMPARE(statusMessage(f), QString()); // the colour came: the earlier word is done
    QCOMPARE(f.colour(7), *pasted);
    QVERIFY(f.showsEverywhere(7, *pasted));
    QCOMPARE(f.shownValues(), *pasted);
    f.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(f.colour(7), before);
    QVERIFY(f.showsEverywhere(7, before));
}

// Copy one element's colour and paste it into another by keys; one Undo takes
// the paste back. In a text box the keys keep their text meaning.
void TestColourCommands::copyAndPasteByKeysBetweenElements()
{
    WindowFixture f;
    f.clickElement(4);
    const Rgb copied = f.colour(4);
    focusList(f);
    QTest::keySequence(f.list(), QKeySequence::Copy);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(data->text(), ColourText::hex(copied));
    QCOMPARE(qvariant_cast<QColor>(data->colorData()), QColor(copied.red, copied.green, copied.blue));
    QCOMPARE(statusMessage(f), Texts::get(Text::ColourCopied, Languages::current()).arg(ColourText::hex(copied)));

    QTest::keyClick(f.list(), Qt::Key_Down); // element 5
    QCOMPARE(f.list()->currentRow(), 4);
    // Space toggles its check mark, as a click on the box does.
    QTest::keyClick(f.list(), Qt::Key_Space);
    QVERIFY(!f.scheme().isVisible(5));
    QTest::keyClick(f.list(), Qt::Key_Space);
    QVERIFY(f.scheme().isVisible(5));
    const Rgb before = f.colour(5);
    QVERIFY(before != copied);
    QTest::keySequence(f.list(), QKeySequence::Paste);
    QCOMPARE(f.colour(5), copied);
    QCOMPARE(f.shownValues(), copied);
    f.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(f.colour(5), before);

    // A click on a pane picks its element and takes the focus: the keys act from there.
    auto *pane = f.control<PaneView>(u"PicturePreview0"_s);
    const QPoint at = findPixel(0, [](int r, int g, int) { return r == 21 && g == 254 - 21; });
    QTest::mouseClick(pane, Qt::LeftButton, {}, at);
    QCOMPARE(f.list()->currentRow(), 20);
    QVERIFY(pane->hasFocus());
    QTest::keySequence(pane, QKeySequence::Paste);
    QCOMPARE(f.colour(21), copied);

    // The name box copies and pastes its text, not a colour.
    auto *name = f.control<QLineEdit>(u"txtNamedesSchemes"_s);
    name->setText(u"Abend"_s);
    name->setFocus();
    name->selectAll();
    QTest::keySequence(name, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Abend"_s);
    name->setCursorPosition(name->text().size());
    QTest::keySequence(name, QKeySequence::Paste);
    QCOMPARE(name->text(), u"AbendAbend"_s);
    QCOMPARE(f.colour(5), before);
}

// The list's context menu types a colour into the dialog; the panes' menu
// takes an element back to a built-in scheme. Each is one step for Undo.
void TestColourCommands::enterAndResetFromTheContextMenus()
{
    WindowFixture f;
    f.clickElement(6);
    const Rgb before = f.colour(6);
    auto *menu = f.control<QMenu>(u"mnuColour"_s);
    QVERIFY(menu);
    focusList(f);
    // The menu key, as the desktop delivers it.
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(20, 10), f.list()->mapToGlobal(QPoint(20, 10)));
    QApplication::sendEvent(f.list(), &key);
    QTRY_VERIFY(menu->isVisible());
    // The menu names the element its commands act on.
    QCOMPARE(f.window.findChild<QAction *>(u"actColourTarget"_s)->text(),
             u"6 "_s + ElementCatalogue::name(Languages::current(), 6).trimmed());
    QAction *enter = nullptr;
    for (QAction *action : menu->actions())
        if (action->objectName() == u"actEnterColour"_s)
            enter = action;
    QVERIFY(enter);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(enter).center());
    QTRY_VERIFY(f.window.findChild<QDialog *>(u"colourInputDialog"_s));
    auto *dialog = f.window.findChild<QDialog *>(u"colourInputDialog"_s);
    auto *text = dialog->findChild<QLineEdit *>(u"colourText"_s);
    QCOMPARE(text->text(), ColourText::hex(before));
    QTRY_VERIFY(text->hasFocus());
    const int width = dialog->width();
    QTest::keyClicks(text, u"nonsense"_s); // replaces the selected colour
    QVERIFY(!dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled());
    auto *problem = dialog->findChild<QLabel *>(u"colourTextProblem"_s);
    QVERIFY(!problem->text().isEmpty());
    // A long text is named in the message, cut short to the dialog's width.
    text->setText(QString(60, u'w'));
    QCOMPARE(dialog->width(), width);
    QVERIFY(problem->fontMetrics().horizontalAdvance(problem->text()) <= problem->width());
    QVERIFY(problem->toolTip().contains(u"wwwwwwwwww"_s));
    text->selectAll();
    QTest::keyClicks(text, u"rgb(1, 2, 3)"_s);
    QCOMPARE(dialog->findChild<ColourSwatch *>(u"colourTextSwatch"_s)->colour(), (Rgb{1, 2, 3}));
    QTest::keyClick(text, Qt::Key_Return);
    QCOMPARE(f.colour(6), (Rgb{1, 2, 3}));
    QCOMPARE(f.shownValues(), (Rgb{1, 2, 3}));

    // A right click on a pane offers the same commands above the views.
    auto *panes = f.control<QMenu>(u"mnuPreviewView"_s);
    auto *reset = f.window.findChild<QAction *>(u"actResetRed"_s);
    QVERIFY(reset);
    QVERIFY(panes->actions().contains(f.window.findChild<QAction *>(u"actPasteColour"_s)));
    QVERIFY(panes->actions().contains(f.window.findChild<QMenu *>(u"mnuResetColour"_s)->menuAction()));
    reset->trigger();
    QCOMPARE(f.colour(6), StandardSchemes::colour(StandardScheme::Red, 6));
    f.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(f.colour(6), (Rgb{1, 2, 3}));
}

QTEST_MAIN(TestColourCommands)
#include "tst_colourcommands.moc"
