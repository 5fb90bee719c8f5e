#include "support/WindowTest.h"

#include "Readability.h"
#include "ReadabilityWindow.h"
#include "SchemeFile.h"
#include "SchemeHistory.h"
#include "Texts.h"

#include <QClipboard>
#include <QColorDialog>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;

namespace {

// What going back must restore: colours, check marks and name.
struct State
{
    ColourTable table;
    quint64 marks;
    QString name;
    friend bool operator==(const State &a, const State &b)
    {
        return a.table == b.table && a.marks == b.marks && a.name == b.name;
    }
};

State stateOf(const ColourScheme &scheme)
{
    return {scheme.table(), scheme.visibleBits(), scheme.name()};
}

} // namespace

// The history of every change, and going back to any of them.
class TestHistory : public QObject
{
    Q_OBJECT
private slots:
    void goingBackRestoresEveryEarlierState();
    void typingIsOneEntryAndTheOldestGo();
};

// Typed colours, a paste, a Fix, a cleared mark, a name, New, Open, Fix all,
// a derived scheme and every colour inverted; going back to each entry makes the scheme what it was right after it,
// and going back to the entry before that going back takes it back.
void TestHistory::goingBackRestoresEveryEarlierState()
{
    QTemporaryDir dir;
    const QString night = dir.filePath(u"night.col"_s);
    ColourScheme file;
    file.loadStandard(StandardScheme::Red);
    file.setColour(5, {1, 2, 3});
    file.setName(u"Night"_s);
    QVERIFY(!SchemeFile::save(file, night));

    WindowFixture f;
    f.window.applyLanguage(Language::English);
    // Offered in the list's and the preview's context menus, and by its key.
    auto *command = f.window.findChild<QAction *>(u"actHistory"_s);
    QCOMPARE(command->text(), u"&History…"_s);
    QVERIFY(f.window.findChild<QMenu *>(u"mnuColour"_s)->actions().contains(command));
    QVERIFY(f.window.findChild<QMenu *>(u"mnuPreviewView"_s)->actions().contains(command));
    f.press(QKeySequence(Qt::CTRL | Qt::Key_H));
    auto *window = f.window.findChild<QWidget *>(u"historyWindow"_s);
    QVERIFY(window && window->isVisible());
    auto *rows = window->findChild<QTreeView *>(u"historyList"_s);
    auto *goBack = window->findChild<QPushButton *>(u"historyGoBack"_s);
    const auto text = [rows](int row, int column) { return rows->model()->index(row, column).data().toString(); };
    QCOMPARE(text(0, 1), u"New: blue scheme"_s); // the start
    QCOMPARE(text(0, 2), u"menu"_s);

    // The state right after each entry, and how the newest entry tells it.
    QList<State> after{stateOf(f.scheme())};
    const auto step = [&](const QString &how) {
        const int entries = f.window.findChild<const SchemeHistory *>(u"history"_s)->count();
        if (entries > after.size())
            after << stateOf(f.scheme());
        else
            after.last() = stateOf(f.scheme()); // a run of typing is one entry
        QCOMPARE(rows->model()->rowCount(), after.size());
        QCOMPARE(text(0, 2), how);
    };
    f.clickElement(4);
    f.typeInto(0, u"12"_s);
    step(u"typed"_s);
    QGuiApplication::clipboard()->setText(u"#eeeeee"_s); // the window's white text on it is hard to read
    f.list()->setFocus();
    QTest::keySequence(f.list(), QKeySequence::Paste);
    step(u"paste"_s);
    QCOMPARE(rows->model()->index(0, 1).data(Qt::ToolTipRole).toString(), u"#0C00C0 \u2192 #EEEEEE"_s);
    QTest::mouseClick(f.control<QLabel>(u"StatusBar1Panel3"_s), Qt::LeftButton);
    auto *readability = f.window.findChild<ReadabilityWindow *>();
    f.list()->item(22)->setCheckState(Qt::Unchecked);
    step(u"check box"_s);
    QCOMPARE(text(0, 1), u"23 provider font inner: unchecked"_s);
    auto *pairs = readability->findChild<QTreeView *>();
    pairs->setCurrentIndex(pairs->model()->index(0, 0));
    QTest::mouseClick(readability->findChild<QPushButton *>(u"readabilityFix"_s), Qt::LeftButton);
    step(u"fix"_s);
    f.window.findChild<QLineEdit *>(u"txtNamedesSchemes"_s)->setText(u"Dusk"_s);
    step(u"typed"_s);
    QCOMPARE(text(0, 1), u"Name: \"Dusk\""_s);
    f.dialogs->saveAnswers = {UserDialogs::SaveAnswer::Discard};
    f.window.dispatch(u"keyGreenscheme"_s);
    step(u"menu"_s);
    QCOMPARE(text(0, 1), u"New: green scheme"_s);
    QCOMPARE(f.control<QLabel>(u"StatusBar1Panel1"_s)->text(), Texts::get(Text::PreviousInHistory, Language::English));
    f.dialogs->answers << night;
    f.window.dispatch(u"keyOpen"_s);
    step(u"file"_s);
    QCOMPARE(text(0, 1), u"Opened night.col"_s);
    // Fix all from the context menus, proposed and applied: one change, after
    // which every pair reads.
    QVERIFY(Readability::evaluate(f.scheme()).front().isBelowLevel());
    f.window.findChild<QAction *>(u"actFixAll"_s)->trigger();
    QCOMPARE(rows->model()->rowCount(), after.size());
    QTest::mouseClick(f.window.findChild<QPushButton *>(u"proposalApply"_s), Qt::LeftButton);
    step(u"fix"_s);
    QCOMPARE(text(0, 1), u"Fix all"_s);
    QVERIFY(!Readability::evaluate(f.scheme()).front().isBelowLevel());
    QVERIFY(f.control<QLabel>(u"StatusBar1Panel1"_s)->text().startsWith(u"Fix all: "_s));
    // A scheme derived from a colour and applied: one change, named by the colour.
    f.window.findChild<QAction *>(u"actDeriveFromColour"_s)->trigger();
    auto *colours = f.window.findChild<QColorDialog *>(u"deriveColourDialog"_s);
    colours->setCurrentColor(QColor(0x33, 0x66, 0xcc));
    colours->accept();
    QTest::mouseClick(f.window.findChild<QPushButton *>(u"proposalApply"_s), Qt::LeftButton);
    step(u"derived"_s);
    QCOMPARE(text(0, 1), u"Derived from #3366CC"_s);
    // Every colour inverted from the context menus: one change at once, each
    // channel c becoming 255 - c, brightness, name and check marks kept.
    auto *invert = f.window.findChild<QAction *>(u"actInvert"_s);
    QVERIFY(f.window.findChild<QMenu *>(u"mnuColour"_s)->actions().contains(invert));
    QVERIFY(f.window.findChild<QMenu *>(u"mnuPreviewView"_s)->actions().contains(invert));
    State inverted = stateOf(f.scheme());
    for (ColourEntry &entry : inverted.table)
        entry = {quint8(255 - entry.red), quint8(255 - entry.green), quint8(255 - entry.blue), entry.brightness};
    invert->trigger();
    step(u"inverted"_s);
    QCOMPARE(text(0, 1), u"All colours inverted"_s);
    QVERIFY(stateOf(f.scheme()) == inverted);

    for (int entry = after.size() - 2; entry >= 0; --entry) {
        // Going back to the entry, the newest row `newest - entry` down.
        const int rowsBefore = rows->model()->rowCount();
        rows->setCurrentIndex(rows->model()->index(rowsBefore - 1 - entry, 0));
        QTest::mouseClick(goBack, Qt::LeftButton);
        QVERIFY2(stateOf(f.scheme()) == after[entry], qPrintable(QString::number(entry)));
        QCOMPARE(rows->model()->rowCount(), rowsBefore + 1);
        QCOMPARE(text(0, 2), u"history"_s);
        QCOMPARE(rows->currentIndex().row(), 0);
        // The entry below it is the state before going back.
        rows->setCurrentIndex(rows->model()->index(1, 0));
        QTest::mouseClick(goBack, Qt::LeftButton);
        QVERIFY(stateOf(f.scheme()) == after.last());
    }
    // The controls show the newest scheme again: its check marks as the start sets them, its name.
    QCOMPARE(f.list()->item(22)->checkState(), Qt::Checked);
    QCOMPARE(f.list()->item(44)->checkState(), Qt::Unchecked);
    QCOMPARE(f.window.findChild<QLineEdit *>(u"txtNamedesSchemes"_s)->text(), u"#3366CC"_s);

    // Under a panel nothing changes the scheme unseen; Esc closes the window.
    f.window.dispatch(u"keyLinks"_s);
    QVERIFY(!goBack->isEnabled());
    QVERIFY(!invert->isEnabled());
    QTest::keyClick(rows, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
}

// With the history's own clock: typing in one place without a pause is one
// entry that keeps the colour before the run; the 10,000 newest entries stay.
void TestHistory::typingIsOneEntryAndTheOldestGo()
{
    SchemeModel scheme;
    SchemeHistory history(scheme);
    qint64 now = 0;
    history.setClock([&now] { return now; });

    scheme.setComponent(1, 0, 10);
    now += 1000;
    scheme.setComponent(1, 0, 100);
    now += SchemeHistory::kTypingPause;
    scheme.setComponent(1, 1, 20); // at the pause's end: still the same run
    QCOMPARE(history.count(), 1);
    QCOMPARE(history.entry(0).change.before.rgb(), (Rgb{0, 0, 0}));
    QCOMPARE(history.entry(0).change.after.rgb(), (Rgb{100, 20, 0}));
    now += SchemeHistory::kTypingPause + 1;
    scheme.setComponent(1, 2, 30); // after a pause
    scheme.setComponent(2, 2, 30); // another element
    scheme.setColour(2, {1, 1, 1}, ChangeCause::Palette); // no typing
    scheme.setComponent(2, 2, 31);
    QCOMPARE(history.count(), 5);

    for (int i = 1; i <= SchemeHistory::kLimit; ++i)
        scheme.setColour(3, {quint8(i), quint8(i >> 8), 0}, ChangeCause::Palette);
    QCOMPARE(history.count(), SchemeHistory::kLimit);
    QCOMPARE(history.entry(0).change.after.rgb(), (Rgb{1, 0, 0}));
    history.goBackTo(0);
    QCOMPARE(scheme.colour(3), (Rgb{1, 0, 0}));
    QCOMPARE(scheme.colour(2), (Rgb{1, 1, 31}));
    QCOMPARE(history.count(), SchemeHistory::kLimit);
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
