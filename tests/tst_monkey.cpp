#include "support/ReferenceScan.h"
#include "support/UrlCatcher.h"
#include "support/WindowTest.h"

#include "ColourInputDialog.h"
#include "ColourText.h"
#include "ElementCatalogue.h"
#include "ElementList.h"
#include "HoverWatch.h"
#include "Readability.h"
#include "ReadabilityWindow.h"
#include "SchemeHistory.h"
#include "StandardSchemes.h"
#include "Texts.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTimer>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;

namespace {

// How long a run is: VEXLUME_MONKEY_EVENTS events per language (1000 unless
// set), from the seed in VEXLUME_MONKEY_SEED (20261207 unless set).
quint32 fromEnvironment(const char *name, quint32 fallback)
{
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

constexpr int kBatch = 50;

std::array<Rgb, 60> coloursOf(const ColourScheme &scheme)
{
    std::array<Rgb, 60> colours;
    for (int element = 1; element <= 60; ++element)
        colours[std::size_t(element - 1)] = scheme.colour(element);
    return colours;
}

Rgb rgbOf(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return {quint8(rgb.red()), quint8(rgb.green()), quint8(rgb.blue())};
}

// Walks an open menu to the action with the arrow keys, as a keyboard user does.
bool highlight(QMenu *menu, QAction *target)
{
    for (int step = 0; menu->activeAction() != target && step < 20; ++step)
        QTest::keyClick(menu, Qt::Key_Down);
    return menu->activeAction() == target;
}

} // namespace

// Thousands of random but reproducible user actions on the real window, with the
// invariants checked after every batch and the readability count and window
// after every action. A failure names the seed and the event that make it.
class TestMonkey : public QObject
{
    Q_OBJECT
private slots:
    void survivesRandomUse_data();
    void survivesRandomUse();

private:
    struct Run
    {
        WindowFixture &f;
        QRandomGenerator random;
        QTemporaryDir &dir;
        QStringList chosenFiles; // every name a dialog answered with
        int savedCount = 0;
        QByteArray where; // the seed and the event, for a failure's message

        QPoint anywhere(const QWidget *widget) { return {int(random.bounded(widget->width())), int(random.bounded(widget->height()))}; }
        void act();
        void answerDialog(bool saving);

        // The commands beside the menu: the readability window, the clipboard,
        // the colour dialog, the built-in colours and the preview's views.
        void useReadabilityWindow();
        void useHistoryWindow();
        void paste();
        void copy();
        void enterColour();
        void resetColour();
        void chooseView();

        std::optional<int> currentElement()
        {
            const QListWidgetItem *entry = f.list()->currentItem();
            return entry && entry->isSelected() ? std::optional(ElementList::elementOf(entry)) : std::nullopt;
        }
        bool activateEditor();
        QWidget *focusArea();
        QMenu *openContextMenu(bool onPane);
        QString colourText();
        QString hostileText();
        QVariant hostileColourData();
    };
    static void checkInvariants(Run &run, const QString &where);
    static void checkReadability(Run &run);
};

void TestMonkey::survivesRandomUse_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<quint32>("seed");
    const quint32 seed = fromEnvironment("VEXLUME_MONKEY_SEED", 20261207);
    for (Language language : Languages::kAll)
        QTest::newRow(qPrintable(Languages::code(language))) << language << seed + quint32(Languages::index(language));
}

void TestMonkey::Run::answerDialog(bool saving)
{
    QString answer;
    switch (random.bounded(saving ? 3 : 5)) {
    case 0: break; // cancelled
    case 1: answer = saving ? dir.filePath(u"saved-%1.col"_s.arg(savedCount++)) : dir.filePath(u"good.col"_s); break;
    case 2: answer = saving ? dir.filePath(u"good.col"_s) : dir.filePath(u"bad.col"_s); break;
    case 3: answer = dir.filePath(u"missing.col"_s); break;
    default: answer = dir.filePath(u"short.col"_s); break;
    }
    if (!answer.isEmpty())
        chosenFiles << answer;
    f.dialogs->answers.clear();
    f.dialogs->answers << answer;
}

void TestMonkey::Run::act()
{
    MainWindow &w = f.window;
    switch (random.bounded(17)) {
    case 0: { // a click anywhere
        const QPoint at = anywhere(&w);
        QWidget *target = w.childAt(at);
        if (!target)
            target = &w;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&w, at));
        break;
    }
    case 1: { // a drag
        const QPoint from = anywhere(&w);
        const QPoint to = anywhere(&w);
        QWidget *target = w.childAt(from) ? w.childAt(from) : &w;
        QTest::mousePress(target, Qt::LeftButton, {}, target->mapFrom(&w, from));
        QTest::mouseMove(target, target->mapFrom(&w, to));
        QTest::mouseRelease(target, Qt::LeftButton, {}, target->mapFrom(&w, to));
        break;
    }
    case 2: { // a pick on the preview
        QWidget *pane = f.control(u"PicturePreview%1"_s.arg(random.bounded(6)));
        const QPoint at = anywhere(pane);
        QTest::mouseMove(pane, at);
        QTest::mouseClick(pane, Qt::LeftButton, {}, at);
        break;
    }
    case 3: { // keys in a text box, any of them
        QList<QWidget *> boxes;
        for (QWidget *box : w.findChildren<QLineEdit *>())
            boxes << box;
        for (QWidget *box : w.findChildren<QPlainTextEdit *>())
            boxes << box;
        QWidget *box = boxes[random.bounded(boxes.size())];
        static const Qt::Key keys[] = {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_5, Qt::Key_9, Qt::Key_A,
                                       Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_End, Qt::Key_Home};
        for (int i = 0, n = int(random.bounded(1, 5)); i < n; ++i)
            QTest::keyClick(box, keys[random.bounded(int(std::size(keys)))]);
        break;
    }
    case 4: { // a menu command, the language switches included
        const auto &items = MenuTable::items();
        const QString key = MenuTable::key(items[random.bounded(int(items.size()))]);
        if (key == u"keyOpen" || key == u"keySave")
            answerDialog(key == u"keySave");
        if (key == u"keyExit" && random.bounded(4) != 0)
            break;
        // Now and then by the keyboard through the real menus, else straight.
        if (random.bounded(8) != 0 || !f.menuBar()->isVisible() || key.isEmpty() || !f.chooseByKeys(key))
            w.dispatch(key);
        break;
    }
    case 5: // undo or redo, by their keys
        f.press(random.bounded(2) ? QKeySequence(Qt::CTRL | Qt::Key_Z) : QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
        break;
    case 6: { // a panel's buttons
        static const QStringList buttons{u"cmdCloseSupport"_s, u"cmdCloseLinks"_s, u"cmdZustimmen"_s,
                                         u"cmdSetAll0"_s, u"cmdSetAll1"_s, u"cmdSetAll2"_s};
        auto *button = f.control<QPushButton>(buttons[random.bounded(buttons.size())]);
        if (button->isVisible())
            QTest::mouseClick(button, Qt::LeftButton);
        break;
    }
    case 7: // an element from the list, and now and then Space sets or clears its check mark
        if (f.list()->isVisible()) {
            f.clickElement(int(random.bounded(1, 61)));
            if (random.bounded(3) == 0)
                QTest::keyClick(f.list(), Qt::Key_Space);
        }
        break;
    case 8: // the timers tick, those that run
        if (f.control<QTimer>(u"tmrBlink"_s)->isActive())
            f.preview()->blink();
        HoverWatch::instance().check();
        if (random.bounded(3) == 0)
            f.preview()->resetClickSequence();
        break;
    case 9: // the built-in schemes
        w.loadStandardScheme(StandardScheme(random.bounded(3)));
        break;
    case 10:
        useReadabilityWindow();
        break;
    case 11:
        paste();
        break;
    case 12:
        copy();
        break;
    case 13:
        enterColour();
        break;
    case 14:
        resetColour();
        break;
    case 15:
        useHistoryWindow();
        break;
    default:
        chooseView();
        break;
    }
    while (QApplication::activePopupWidget())
        QApplication::activePopupWidget()->close();
    // Closing is the user's right; the monkey opens the window again.
    if (!w.isVisible())
        w.show();
}

// The editor's window active, as the colour keys need: the readability window
// takes that when it opens. Not while a dialog waits for an answer.
bool TestMonkey::Run::activateEditor()
{
    if (QApplication::activeModalWidget())
        return false;
    if (QApplication::activeWindow() == &f.window)
        return true;
    f.window.activateWindow();
    // The activation arrives as an event: most often the first round delivers
    // it, and the wait's 10 ms naps are left for when it does not.
    QCoreApplication::processEvents();
    return QApplication::activeWindow() == &f.window || QTest::qWaitForWindowActive(&f.window);
}

// The element list or a pane, given the focus: where Ctrl+C and Ctrl+V act on
// colours. Nothing while a panel covers them.
QWidget *TestMonkey::Run::focusArea()
{
    if (!activateEditor())
        return nullptr;
    QWidget *area = random.bounded(2) ? f.list() : f.control(u"PicturePreview%1"_s.arg(random.bounded(6)));
    if (!area->isVisible() || !area->isEnabled())
        return nullptr;
    area->setFocus();
    return area->hasFocus() ? area : nullptr;
}

// The context menu of the list or of a pane, opened by a right click or by the
// menu key; nothing while a panel covers them.
QMenu *TestMonkey::Run::openContextMenu(bool onPane)
{
    if (!activateEditor())
        return nullptr;
    QWidget *target = onPane ? f.control(u"PicturePreview%1"_s.arg(random.bounded(6))) : f.list()->viewport();
    if (!target->isVisible() || !target->isEnabled())
        return nullptr;
    const QPoint at = anywhere(target);
    if (random.bounded(2)) {
        QTest::mouseClick(target, Qt::RightButton, {}, at);
    } else {
        // The menu key, as the desktop delivers it to the control with the focus.
        QWidget *focus = onPane ? target : f.list();
        focus->setFocus();
        const QPoint global = target->mapToGlobal(at);
        QContextMenuEvent key(QContextMenuEvent::Keyboard, focus->mapFromGlobal(global), global);
        QApplication::sendEvent(focus, &key);
    }
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

// A colour written in one of the ways the program reads.
QString TestMonkey::Run::colourText()
{
    const Rgb c{quint8(random.bounded(256)), quint8(random.bounded(256)), quint8(random.bounded(256))};
    switch (random.bounded(4)) {
    case 0: return ColourText::hex(c);
    case 1: return u"rgb(%1, %2, %3)"_s.arg(c.red).arg(c.green).arg(c.blue);
    case 2: return u"%1 %2 %3"_s.arg(c.red).arg(c.green).arg(c.blue);
    default: {
        static const QStringList names = QColor::colorNames();
        return names[random.bounded(names.size())];
    }
    }
}

// What a clipboard may hold as text: huge, control characters, NUL, marks of
// writing direction, near misses, any UTF-16 at all, and now and then a colour.
QString TestMonkey::Run::hostileText()
{
    static const QStringList nearMisses{u"rgb(256, 0, 0)"_s, u"#12345G"_s, u"-1 0 0"_s, u"1e2 3 4"_s, u"#"_s,
                                        u"rgb(,,)"_s, u"transparent"_s, u"0x123456"_s, u"12 34"_s, u"1 2 3 4"_s,
                                        u"#1234"_s, u"rgba(1, 2, 3, 0.5)"_s, u"hsv(10, 20, 30)"_s,
                                        u"\u0663 \u0664 \u0665"_s, u"\uff11\uff12 \uff13\uff14 \uff15\uff16"_s,
                                        QString(39, u'x') + u"\U0001F600 a character cut by the quote"_s};
    static const QStringList blank{QString(), u"   "_s, u"\u00a0"_s, u";"_s, u"\n\t"_s};
    static const char16_t marks[] = {0x200E, 0x200F, 0x202E, 0x2066, 0x061C};
    switch (random.bounded(8)) {
    case 0: { // huge
        constexpr int kHuge = 100000;
        switch (random.bounded(3)) {
        case 0: return QString(kHuge, u'7');
        case 1: return u"rgb("_s + QString(kHuge, u' ') + u"1, 2, 3)"_s;
        default: return u"#"_s + QString(kHuge, u'f');
        }
    }
    case 1: { // control characters inside a colour
        QString text = colourText();
        for (int i = 0, n = int(random.bounded(1, 4)); i < n; ++i)
            text.insert(random.bounded(text.size() + 1), QChar(char16_t(random.bounded(32))));
        return text;
    }
    case 2: return colourText().insert(random.bounded(8), QChar(u'\0'));
    case 3: return colourText().insert(random.bounded(8), QChar(marks[random.bounded(int(std::size(marks)))]));
    case 4: return nearMisses[random.bounded(nearMisses.size())];
    case 5: return colourText();
    case 6: {
        QString text;
        for (int i = 0, n = int(random.bounded(60)); i < n; ++i)
            text += QChar(char16_t(random.bounded(0x10000)));
        return text;
    }
    default: return blank[random.bounded(blank.size())];
    }
}

// What a clipboard may hold as colour data: no valid colour, colours of other
// specs (HSV, CMYK, HSL, beyond the RGB range, transparent), text or bytes.
QVariant TestMonkey::Run::hostileColourData()
{
    const auto channel = [this] { return int(random.bounded(256)); };
    const auto beyond = [this] { return float(random.generateDouble() * 3 - 1); };
    switch (random.bounded(8)) {
    case 0: return QColor();
    case 1: return QColor::fromHsv(int(random.bounded(-1, 360)), channel(), channel());
    case 2: return QColor::fromCmyk(channel(), channel(), channel(), channel());
    case 3: return QColor::fromHsl(int(random.bounded(-1, 360)), channel(), channel());
    case 4: return QColor::fromRgbF(beyond(), beyond(), beyond());
    case 5: return QColor(channel(), channel(), channel(), random.bounded(2) ? 0 : channel());
    case 6: return hostileText().left(64);
    default: {
        QByteArray bytes(random.bounded(16), '\0');
        for (char &byte : bytes)
            byte = char(random.bounded(256));
        return bytes;
    }
    }
}

// The count in the status bar opens the window; a row is chosen by a click or
// the keys; Fix changes the pair's text alone and makes the pair readable.
void TestMonkey::Run::useReadabilityWindow()
{
    auto *window = f.window.findChild<ReadabilityWindow *>(u"readabilityWindow"_s);
    if (!window || !window->isVisible()) {
        if (auto *count = f.control<QLabel>(u"StatusBar1Panel3"_s); count->isVisible())
            QTest::mouseClick(count, Qt::LeftButton);
        return;
    }
    auto *rows = window->findChild<QTreeView *>(u"readabilityList"_s);
    auto *fix = window->findChild<QPushButton *>(u"readabilityFix"_s);
    switch (random.bounded(5)) {
    case 0: {
        const QModelIndex row = rows->model()->index(int(random.bounded(rows->model()->rowCount())), 0);
        rows->scrollTo(row);
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualRect(row).center());
        break;
    }
    case 1: {
        static const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown};
        QTest::keyClick(rows, keys[random.bounded(int(std::size(keys)))]);
        break;
    }
    case 2:
    case 3: {
        const int row = rows->currentIndex().isValid() ? rows->currentIndex().row() : -1;
        if (row < 0 || !fix->isEnabled())
            break;
        QVERIFY2(row < int(window->verdicts().size()), where.constData());
        const Readability::Pair pair = window->verdicts()[std::size_t(row)].pair;
        const auto before = coloursOf(f.scheme());
        QTest::mouseClick(fix, Qt::LeftButton);
        auto after = coloursOf(f.scheme());
        if (after == before) // already readable, or the editor is covered
            break;
        // The pair's text, or its background where the text is a drawing of the phone's.
        const int fixedElement = Readability::elementToFix(pair);
        after[std::size_t(fixedElement - 1)] = before[std::size_t(fixedElement - 1)];
        QVERIFY2(after == before, (where + ": Fix changed another element than the pair's own").constData());
        for (const Readability::Verdict &verdict : Readability::evaluate(f.scheme())) {
            if (verdict.pair.text == pair.text && verdict.pair.background == pair.background)
                QVERIFY2(!verdict.isBelowLevel(), (where + ": the pair is still hard to read after Fix").constData());
        }
        break;
    }
    default:
        window->close();
        break;
    }
}

// Ctrl+H opens the history; going back to a random entry makes the scheme what
// it was right after it, which going back to the entry before undoes.
void TestMonkey::Run::useHistoryWindow()
{
    auto *window = f.window.findChild<QWidget *>(u"historyWindow"_s);
    if (!window || !window->isVisible()) {
        f.press(QKeySequence(Qt::CTRL | Qt::Key_H));
        return;
    }
    auto *rows = window->findChild<QTreeView *>(u"historyList"_s);
    auto *goBack = window->findChild<QPushButton *>(u"historyGoBack"_s);
    if (random.bounded(4) == 0) {
        QTest::keyClick(rows, Qt::Key_Escape);
        return;
    }
    const int count = rows->model()->rowCount();
    QVERIFY2(count >= 1, where.constData());
    rows->setCurrentIndex(rows->model()->index(int(random.bounded(count)), 0));
    if (!goBack->isEnabled())
        return;
    const ColourScheme before = f.scheme();
    QTest::mouseClick(goBack, Qt::LeftButton);
    QVERIFY2(rows->model()->rowCount() == std::min(count + 1, int(SchemeHistory::kLimit)), where.constData());
    rows->setCurrentIndex(rows->model()->index(1, 0));
    QTest::mouseClick(goBack, Qt::LeftButton);
    QVERIFY2(f.scheme().table() == before.table() && f.scheme().visibleBits() == before.visibleBits()
                 && f.scheme().name() == before.name(),
             (where + ": going back twice is not where it began").constData());
}

// Whatever the clipboard holds: the list or a pane takes its colour data, else
// its text read as a colour, else nothing changes. Colour data that is no valid
// colour may stand for the clipboard's content or be passed over for the text:
// either is fine. A text box pastes text.
void TestMonkey::Run::paste()
{
    auto *data = new QMimeData;
    if (random.bounded(4) != 0)
        data->setText(hostileText());
    if (random.bounded(3) == 0)
        data->setColorData(hostileColourData());
    std::optional<Rgb> offered;
    bool mayRefuse = false;
    if (const QColor colour = qvariant_cast<QColor>(data->colorData()); data->hasColor() && colour.isValid()) {
        offered = rgbOf(colour);
    } else if (data->hasText()) {
        offered = ColourText::parse(data->text());
        mayRefuse = data->hasColor();
    }
    QGuiApplication::clipboard()->setMimeData(data);

    if (random.bounded(4) == 0) {
        QList<QLineEdit *> boxes;
        for (QLineEdit *box : f.window.findChildren<QLineEdit *>())
            if (box->isVisible() && box->isEnabled())
                boxes << box;
        if (!boxes.isEmpty() && activateEditor()) {
            QLineEdit *box = boxes[random.bounded(boxes.size())];
            box->setFocus();
            QTest::keySequence(box, QKeySequence::Paste);
        }
        return;
    }
    QWidget *area = focusArea();
    if (!area)
        return;
    const auto element = currentElement();
    const auto before = coloursOf(f.scheme());
    QTest::keySequence(area, QKeySequence::Paste);
    auto after = coloursOf(f.scheme());
    if (element && offered) {
        const Rgb pasted = after[std::size_t(*element - 1)];
        QVERIFY2(pasted == *offered || (mayRefuse && pasted == before[std::size_t(*element - 1)]),
                 (where + ": the paste was not taken").constData());
        after[std::size_t(*element - 1)] = before[std::size_t(*element - 1)];
    }
    QVERIFY2(after == before, (where + ": the paste changed what it should not").constData());
}

// Ctrl+C in the list or a pane puts the current colour on the clipboard as
// #RRGGBB and as colour data.
void TestMonkey::Run::copy()
{
    QWidget *area = focusArea();
    if (!area)
        return;
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(area, QKeySequence::Copy);
    const auto element = currentElement();
    if (!element)
        return;
    const Rgb colour = f.colour(*element);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY2(data && data->text() == ColourText::hex(colour), where.constData());
    QVERIFY2(qvariant_cast<QColor>(data->colorData()) == QColor(colour.red, colour.green, colour.blue),
             where.constData());
}

// "Enter colour…" from a context menu: the dialog starts with the element's
// colour; typed or pasted text, then OK, Return, Cancel, Escape or the window's
// close. Only an accepted dialog changes the element, to the colour it showed.
void TestMonkey::Run::enterColour()
{
    QMenu *menu = openContextMenu(random.bounded(2));
    if (!menu)
        return;
    auto *enter = f.window.findChild<QAction *>(u"actEnterColour"_s);
    if (random.bounded(2))
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(enter).center());
    else if (highlight(menu, enter))
        QTest::keyClick(menu, Qt::Key_Return);
    QPointer<ColourInputDialog> dialog;
    for (ColourInputDialog *open : f.window.findChildren<ColourInputDialog *>())
        if (open->isVisible())
            dialog = open;
    const auto element = currentElement();
    if (!dialog || !element)
        return;
    auto *text = dialog->findChild<QLineEdit *>(u"colourText"_s);
    QVERIFY2(text->text() == ColourText::hex(f.colour(*element)), where.constData());
    switch (random.bounded(3)) {
    case 0:
        text->selectAll();
        typeText(text, random.bounded(2) ? colourText() : hostileText().left(40));
        break;
    case 1:
        QGuiApplication::clipboard()->setText(random.bounded(2) ? colourText() : hostileText());
        text->selectAll();
        QTest::keySequence(text, QKeySequence::Paste);
        break;
    default: // the colour it started with
        break;
    }
    const Rgb shown = dialog->colour();
    const auto before = coloursOf(f.scheme());
    QSignalSpy finished(dialog.data(), &QDialog::finished);
    auto *buttons = dialog->findChild<QDialogButtonBox *>();
    switch (random.bounded(5)) {
    case 0:
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok); ok->isEnabled())
            QTest::mouseClick(ok, Qt::LeftButton);
        break;
    case 1: QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton); break;
    case 2: QTest::keyClick(text, Qt::Key_Return); break;
    case 3: QTest::keyClick(text, Qt::Key_Escape); break;
    default: dialog->close(); break;
    }
    // Return on text that is no colour leaves the dialog open.
    if (dialog && dialog->isVisible())
        QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY2(!dialog || !dialog->isVisible(), where.constData());
    auto after = coloursOf(f.scheme());
    if (!finished.isEmpty() && finished.first().first().toInt() == QDialog::Accepted) {
        QVERIFY2(after[std::size_t(*element - 1)] == shown,
                 (where + ": the dialog's colour was not taken").constData());
        after[std::size_t(*element - 1)] = before[std::size_t(*element - 1)];
    }
    QVERIFY2(after == before, (where + ": the colour dialog changed what it should not").constData());
}

// "Reset to built-in" from a context menu, by the keys: the current element
// takes its colour in the blue, green or red scheme.
void TestMonkey::Run::resetColour()
{
    QMenu *menu = openContextMenu(random.bounded(2));
    auto *reset = f.window.findChild<QMenu *>(u"mnuResetColour"_s);
    if (!menu || !highlight(menu, reset->menuAction()))
        return;
    QTest::keyClick(menu, Qt::Key_Right);
    if (QApplication::activePopupWidget() != reset)
        return;
    static const QString names[] = {u"actResetBlue"_s, u"actResetGreen"_s, u"actResetRed"_s};
    const int scheme = int(random.bounded(3));
    if (!highlight(reset, f.window.findChild<QAction *>(names[scheme])))
        return;
    const auto element = currentElement();
    const auto before = coloursOf(f.scheme());
    QTest::keyClick(reset, Qt::Key_Return);
    auto after = coloursOf(f.scheme());
    if (element) {
        QVERIFY2(after[std::size_t(*element - 1)] == StandardSchemes::colour(StandardScheme(scheme), *element),
                 where.constData());
        after[std::size_t(*element - 1)] = before[std::size_t(*element - 1)];
    }
    QVERIFY2(after == before, (where + ": Reset changed another element").constData());
}

// A view of the preview from a pane's context menu: the phone's 16 bits on or
// off, or one of the visions.
void TestMonkey::Run::chooseView()
{
    QMenu *menu = openContextMenu(true);
    if (!menu)
        return;
    const QString name = random.bounded(3) == 0 ? u"actPhoneColours"_s : u"actVision%1"_s.arg(random.bounded(4));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(f.window.findChild<QAction *>(name)).center());
}

// The status bar counts the pairs below their level, and the readability
// window, while open, lists every pair as the scheme has it now.
void TestMonkey::checkReadability(Run &run)
{
    const MainWindow &w = run.f.window;
    const Language language = Languages::current();
    const std::vector<Readability::Verdict> verdicts = Readability::evaluate(schemeOf(w));
    const auto below = std::count_if(verdicts.cbegin(), verdicts.cend(),
                                     [](const Readability::Verdict &verdict) { return verdict.isBelowLevel(); });
    const QString count = below == 0 ? Texts::get(Text::AllReadable, language)
                                     : Texts::get(Text::PairsHardToRead, language).arg(below);
    // Until the user agrees to the disclaimer the count is not offered (the
    // panel itself is disabled) and shows nothing.
    const auto *panel = run.f.control<QLabel>(u"StatusBar1Panel3"_s);
    QVERIFY2(panel->text() == (panel->isEnabledTo(panel->parentWidget()) ? count : QString()),
             (run.where + ": the count is not the scheme's").constData());

    const auto *window = w.findChild<ReadabilityWindow *>(u"readabilityWindow"_s);
    if (!window || !window->isVisible())
        return;
    const std::vector<Readability::Verdict> &shown = window->verdicts();
    const auto *rows = window->findChild<QTreeView *>(u"readabilityList"_s);
    QVERIFY2(shown.size() == verdicts.size() && rows->model()->rowCount() == int(verdicts.size()),
             run.where.constData());
    for (std::size_t i = 0; i < verdicts.size(); ++i) {
        const Readability::Verdict &a = shown[i];
        const Readability::Verdict &b = verdicts[i];
        QVERIFY2(a.pair.text == b.pair.text && a.pair.background == b.pair.background && a.pair.kind == b.pair.kind
                     && a.ratio == b.ratio && a.level == b.level && a.checked == b.checked,
                 (run.where + ": row " + QByteArray::number(qulonglong(i)) + " is not the scheme's").constData());
        const auto text = [&](int column) { return rows->model()->index(int(i), column).data().toString(); };
        QVERIFY2(text(1) == Readability::textName(language, b.pair, false)
                     && text(2) == Readability::backgroundName(language, b.pair, false)
                     && text(3) == (b.checked ? Readability::ratioText(b.ratio) + u":1"_s : QString()),
                 (run.where + ": row " + QByteArray::number(qulonglong(i)) + " shows another pair").constData());
    }
}

void TestMonkey::checkInvariants(Run &run, const QString &where)
{
    MainWindow &w = run.f.window;
    const QByteArray whereText = where.toLocal8Bit();
    const char *at = whereText.constData();

    // A flash runs its course first: until then one element shows its inverse.
    for (int tick = 0; tick < 3 && run.f.control<QTimer>(u"tmrBlink"_s)->isActive(); ++tick)
        run.f.preview()->blink();

    // The view is the one the panes' menu shows checked.
    const PreviewPanes::View view = panesOf(w).view();
    QVERIFY2(w.findChild<QAction *>(u"actPhoneColours"_s)->isChecked() == view.phone, at);
    QVERIFY2(w.findChild<QAction *>(u"actVision%1"_s.arg(int(view.vision)))->isChecked(), at);

    // The preview shows the table: exactly what a plain scan paints, and drawn
    // in the view's colours.
    for (int i = 0; i < PreviewPanes::kCount; ++i) {
        const PreviewPane &pane = panesOf(w).pane(i);
        QImage expected = pane.mask().copy();
        for (int element = 1; element <= 60; ++element) {
            const Rgb c = schemeOf(w).colour(element);
            referencePaintElement(element, c.red, c.green, c.blue, expected, pane.mask());
        }
        if (pane.picture() != expected) {
            QString first;
            for (int y = 0; y < expected.height() && first.isEmpty(); ++y) {
                for (int x = 0; x < expected.width() && first.isEmpty(); ++x) {
                    if (pane.picture().pixel(x, y) != expected.pixel(x, y))
                        first = u"at (%1, %2), mask %3, shows %4, table %5"_s.arg(x).arg(y)
                                    .arg(uint(pane.mask().pixel(x, y) & 0xffffff), 6, 16, QChar(u'0'))
                                    .arg(uint(pane.picture().pixel(x, y) & 0xffffff), 6, 16, QChar(u'0'))
                                    .arg(uint(expected.pixel(x, y) & 0xffffff), 6, 16, QChar(u'0'));
                }
            }
            QFAIL(qPrintable(where + u": pane %1 differs from the table "_s.arg(i) + first));
        }
        QVERIFY2(panesOf(w).shownPicture(i) == (view.isPlain() ? expected : PreviewPanes::viewed(expected, view)),
                 qPrintable(where + u": pane %1 is not drawn in the view's colours"_s.arg(i)));
    }

    // The list: 60 entries in the language in force, marks as the flags say.
    QCOMPARE(run.f.list()->count(), 60);
    const QStringList texts = ElementCatalogue::listTexts(Languages::current());
    for (int row = 0; row < 60; ++row) {
        QVERIFY2(run.f.list()->item(row)->text() == texts[row], at);
        QVERIFY2((run.f.list()->item(row)->checkState() == Qt::Checked) == schemeOf(w).isVisible(row + 1), at);
    }

    // Undo and Redo are offered exactly as the history says.
    QVERIFY2(run.f.menuItem(u"keyUndo"_s)->isEnabled() == historyOf(w).isUndoOffered(), at);
    QVERIFY2(run.f.menuItem(u"keyRedo"_s)->isEnabled() == historyOf(w).isRedoOffered(), at);

    // Choosing the current element again shows its values in the editor.
    if (const auto element = ElementCatalogue::elementNumber(run.f.list()->currentItem()
                                                                  ? run.f.list()->currentItem()->text()
                                                                  : QString());
        element && run.f.list()->isVisible()) {
        run.f.clickElement(*element);
        QVERIFY2(run.f.shownValues() == schemeOf(w).colour(*element), at);
    }

    // Nothing was written but the files the user chose.
    const QStringList present = QDir(run.dir.path()).entryList(QDir::Files);
    for (const QString &name : present)
        QVERIFY2(run.chosenFiles.contains(run.dir.filePath(name)) || name == u"bad.col" || name == u"short.col",
                 qPrintable(where + u": unexpected file "_s + name));
}

void TestMonkey::survivesRandomUse()
{
    QFETCH(Language, language);
    QFETCH(quint32, seed);
    const quint32 events = fromEnvironment("VEXLUME_MONKEY_EVENTS", 1000);

    QTemporaryDir dir;
    QByteArray good = "ColourScheme\r\nMonkey\r\nData\r\n";
    for (int n = 1; n <= 60; ++n)
        good += QByteArray::number(n * 4) + " 10 200 100\r\n";
    const auto put = [&dir](const QString &name, const QByteArray &bytes) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    QVERIFY(put(u"good.col"_s, good));
    QVERIFY(put(u"bad.col"_s, QByteArray(good).replace("40 10 200", "40 10 999")));
    QVERIFY(put(u"short.col"_s, good.left(300)));

    UrlCatcher catcher;
    WindowFixture f({{u"Reg/RegDone"_s, u"1"_s}, {u"Reg/version"_s, Languages::code(language)}});
    QCOMPARE(Languages::current(), language);
    Run run{f, QRandomGenerator(seed), dir, {dir.filePath(u"good.col"_s)}, 0, {}};
    for (quint32 done = 0; done < events;) {
        for (int i = 0; i < kBatch && done < events; ++i, ++done) {
            run.where = "seed " + QByteArray::number(seed) + ", event " + QByteArray::number(done + 1);
            run.act();
            if (!QTest::currentTestFailed())
                checkReadability(run);
            if (QTest::currentTestFailed())
                return;
        }
        checkInvariants(run, u"seed %1, after %2 events"_s.arg(seed).arg(done));
        if (QTest::currentTestFailed())
            return;
    }
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
