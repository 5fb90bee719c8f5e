#include "support/ReferenceScan.h"
#include "support/UrlCatcher.h"
#include "support/WindowTest.h"

#include "ElementCatalogue.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>

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

} // namespace

// Thousands of random but reproducible user actions on the real window, with the
// invariants checked after every batch. A failure names the seed that makes it.
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

        QPoint anywhere(const QWidget *widget) { return {int(random.bounded(widget->width())), int(random.bounded(widget->height()))}; }
        void act();
        void answerDialog(bool saving);
    };
    static void checkInvariants(Run &run, const QString &where);
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
    switch (random.bounded(10)) {
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
    case 7: // an element from the list
        if (f.list()->isVisible())
            f.clickElement(int(random.bounded(1, 61)));
        break;
    case 8: // the timers tick, those that run
        if (f.control<QTimer>(u"tmrBlink"_s)->isActive())
            f.preview()->blink();
        w.checkLinkHover();
        if (random.bounded(3) == 0)
            f.preview()->resetClickSequence();
        break;
    default: // the built-in schemes
        w.loadStandardScheme(StandardScheme(random.bounded(3)));
        break;
    }
    while (QApplication::activePopupWidget())
        QApplication::activePopupWidget()->close();
    // Closing is the user's right; the monkey opens the window again.
    if (!w.isVisible())
        w.show();
}

void TestMonkey::checkInvariants(Run &run, const QString &where)
{
    MainWindow &w = run.f.window;
    const char *at = qPrintable(where);

    // A flash runs its course first: until then one element shows its inverse.
    for (int tick = 0; tick < 3 && run.f.control<QTimer>(u"tmrBlink"_s)->isActive(); ++tick)
        run.f.preview()->blink();

    // The preview shows the table: exactly what a plain scan paints.
    for (int i = 0; i < PreviewPanes::kCount; ++i) {
        const PreviewPane &pane = w.panes().pane(i);
        QImage expected = pane.mask().copy();
        for (int element = 1; element <= 60; ++element) {
            const Rgb c = w.scheme().colour(element);
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
    }

    // The list: 60 entries in the language in force, marks as the flags say.
    QCOMPARE(run.f.list()->count(), 60);
    const QStringList texts = ElementCatalogue::listTexts(w.language());
    for (int row = 0; row < 60; ++row) {
        QVERIFY2(run.f.list()->item(row)->text() == texts[row], at);
        QVERIFY2((run.f.list()->item(row)->checkState() == Qt::Checked) == w.scheme().isVisible(row + 1), at);
    }

    // Undo and Redo are offered exactly as the history says.
    QVERIFY2(run.f.menuItem(u"keyUndo"_s)->isEnabled() == w.history().isUndoOffered(), at);
    QVERIFY2(run.f.menuItem(u"keyRedo"_s)->isEnabled() == w.history().isRedoOffered(), at);

    // Choosing the current element again shows its values in the editor.
    if (const auto element = ElementCatalogue::elementNumber(run.f.list()->currentItem()
                                                                  ? run.f.list()->currentItem()->text()
                                                                  : QString());
        element && run.f.list()->isVisible()) {
        run.f.clickElement(*element);
        QVERIFY2(run.f.shownValues() == w.scheme().colour(*element), at);
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
    QCOMPARE(f.window.language(), language);
    Run run{f, QRandomGenerator(seed), dir, {dir.filePath(u"good.col"_s)}};
    for (quint32 done = 0; done < events;) {
        for (int i = 0; i < kBatch && done < events; ++i, ++done)
            run.act();
        checkInvariants(run, u"seed %1, after %2 events"_s.arg(seed).arg(done));
        if (QTest::currentTestFailed())
            return;
    }
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
