#include "support/ShownText.h"
#include "support/WindowTest.h"

#include "ClickSequence.h"
#include "ElementCode.h"
#include "Texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTimer>
#include <QToolTip>

using namespace Qt::Literals::StringLiterals;

namespace {

// The visible entries of a menu, separators as "-".
QStringList entries(const QList<QAction *> &actions)
{
    QStringList texts;
    for (const QAction *action : actions) {
        if (action->isVisible())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

QLabel *toolTipLabel()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QTipLabel") && widget->isVisible())
            return qobject_cast<QLabel *>(widget);
    }
    return nullptr;
}

} // namespace

// The menu bar: what it shows in each language, its shortcuts, and its commands.
class TestMenu : public QObject
{
    Q_OBJECT
private slots:
    void menuSpeaksTheLanguage_data();
    void menuSpeaksTheLanguage();
    void shortcutsChooseTheirItems_data();
    void shortcutsChooseTheirItems();
    void redSchemeAfterTheMakersClicks_data();
    void redSchemeAfterTheMakersClicks();
    void keysWithoutACommandDoNothing();
    void openAndSaveAskForTheirFiles_data();
    void openAndSaveAskForTheirFiles();
    void switchingByKeysManyTimesKeepsTheMenuLean();
    void recentFilesTakeTheirPlaces();
};

void TestMenu::menuSpeaksTheLanguage_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<QStringList>("file");
    QTest::addColumn<QString>("ownEntry"); // the one language entry disabled
    QTest::addColumn<QString>("exit");

    QTest::newRow("German") << Language::German
                            << QStringList{u"&Datei"_s, u"&Edit"_s, u"&Einstellungen"_s, u"&About"_s}
                            << QStringList{u"&Neu"_s, u"&Öffnen"_s, u"&Speichern"_s, u"-"_s, u"&Beenden"_s}
                            << "keyGerman" << "&Beenden";
    QTest::newRow("English") << Language::English
                             << QStringList{u"&File"_s, u"&Edit"_s, u"&Configuration"_s, u"&About"_s}
                             << QStringList{u"&New"_s, u"&Open"_s, u"&Save"_s, u"-"_s, u"&Exit"_s} << "keyEnglish" << "&Exit";
    QTest::newRow("French") << Language::French
                            << QStringList{u"&Fichier"_s, u"&Edition"_s, u"&Options"_s, u" &? "_s}
                            << QStringList{u"&Nouveau"_s, u"&Ouvrir"_s, u"&Enregistrer"_s, u"-"_s, u"&Quitter"_s} << "keyFrance"
                            << "&Quitter";
    QTest::newRow("Spanish") << Language::Spanish
                             << QStringList{u"&Fichero"_s, u"&Editar"_s, u"&Configuración"_s, u"&Acerca de"_s}
                             << QStringList{u"&Nuevo"_s, u"&Abrir"_s, u"&Guardar"_s, u"-"_s, u"&Salir"_s} << "keyEspanol"
                             << "&Salir";
    QTest::newRow("Dutch") << Language::Dutch
                           << QStringList{u"&Bestand"_s, u"&Bewerken"_s, u"&Configuratie"_s, u"&Over"_s}
                           << QStringList{u"&Nieuw"_s, u"&Open"_s, u"&Opslaan"_s, u"-"_s, u"&Afsluiten"_s} << "keyDutch"
                           << "&Afsluiten";
}

void TestMenu::menuSpeaksTheLanguage()
{
    QFETCH(Language, language);
    QFETCH(QStringList, headings);
    QFETCH(QStringList, file);
    QFETCH(QString, ownEntry);
    QFETCH(QString, exit);

    WindowFixture f;
    // Switched by the menu itself, from another language.
    const Language from = language == Language::German ? Language::Dutch : Language::German;
    f.window.applyLanguage(from);
    QVERIFY(f.chooseByKeys(ownEntry));
    QCOMPARE(Languages::current(), language);

    MenuBar *bar = f.menuBar();
    QCOMPARE(bar->count(), 29);
    QCOMPARE(entries(bar->actions()), headings);
    QCOMPARE(entries(f.menuItem(QStringLiteral("keyFile"))->menu()->actions()), file);
    QCOMPARE(f.menuItem(QStringLiteral("keyExit"))->text(), exit);
    QCOMPARE(entries(f.menuItem(QStringLiteral("keyNew"))->menu()->actions()).size(), 3);
    QVERIFY(!f.menuItem(QStringLiteral("keyRecent"))->isVisible());

    const QStringList languageKeys{u"keyEnglish"_s, u"keyGerman"_s, u"keyEspanol"_s, u"keyFrance"_s, u"keyDutch"_s};
    QStringList captions;
    for (const QString &key : languageKeys) {
        QCOMPARE(f.menuItem(key)->isEnabled(), key != ownEntry);
        captions << f.menuItem(key)->text();
    }
    const QString spanish = language == Language::French ? u"Cambiar a idioma Español"_s : u"cambiar a idioma español"_s;
    const QStringList expected{u"switch to english version"_s, u"zur deutschen Version wechseln"_s, spanish,
                               u"langue: français"_s, u"verander in nederlands versie"_s};
    QCOMPARE(captions, expected);
    QCOMPARE(bar->itemAction(MenuTable::kUndoPosition), f.menuItem(QStringLiteral("keyUndo")));
    QVERIFY(bar->itemAction(MenuTable::kUndoPosition)->isEnabled());
    QCOMPARE(bar->itemAction(MenuTable::kRedoPosition), f.menuItem(QStringLiteral("keyRedo")));
    QVERIFY(!bar->itemAction(MenuTable::kRedoPosition)->isEnabled());
    QCOMPARE(bar->font().pointSize(), 9);

    QSettings settings(QSettings::UserScope, QStringLiteral("QVX_VXL"));
    QCOMPARE(settings.value(QStringLiteral("Reg/version")), QVariant(Languages::code(language)));
}

void TestMenu::shortcutsChooseTheirItems_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("effect");
    QTest::newRow("Alt+Q") << QKeySequence(Qt::ALT | Qt::Key_Q) << "closed";
    QTest::newRow("Ctrl+N") << QKeySequence(Qt::CTRL | Qt::Key_N) << "blue";
    QTest::newRow("Ctrl+Z") << QKeySequence(Qt::CTRL | Qt::Key_Z) << "undone";
    QTest::newRow("Ctrl+Shift+Z") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) << "redone";
    // The red and green scheme entries carry a modifier but no key.
    QTest::newRow("Ctrl alone") << QKeySequence(Qt::CTRL | Qt::Key_Control) << "nothing";
    QTest::newRow("Ctrl+R") << QKeySequence(Qt::CTRL | Qt::Key_R) << "nothing";
    QTest::newRow("F10 opens the first menu") << QKeySequence(Qt::Key_F10) << "menu";
}

void TestMenu::shortcutsChooseTheirItems()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, effect);
    WindowFixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.window.activateWindow();
    f.window.loadStandardScheme(StandardScheme::Green);
    f.clickElement(4);
    f.typeInto(0, QStringLiteral("7")); // element 4 was (0, 224, 0)
    if (effect == u"redone")
        f.window.dispatch(u"keyUndo"_s);
    const Rgb before = f.colour(4);

    QTest::keySequence(&f.window, keys);

    QCOMPARE(f.window.isVisible(), effect != u"closed");
    auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QCOMPARE(popup != nullptr, effect == u"menu");
    if (popup) {
        QCOMPARE(popup, f.menuBar()->actions().constFirst()->menu());
        popup->close();
    }
    const Rgb first = effect == u"blue" ? Rgb{0, 0, 128} : Rgb{32, 96, 0};
    QCOMPARE(f.colour(1), first);
    if (effect == u"undone")
        QCOMPARE(f.colour(4), (Rgb{0, 224, 0}));
    else if (effect == u"redone")
        QCOMPARE(f.colour(4), (Rgb{7, 224, 0}));
    else if (effect != u"blue")
        QCOMPARE(f.colour(4), before);
}

void TestMenu::redSchemeAfterTheMakersClicks_data()
{
    QTest::addColumn<int>("rightClicks"); // how much of the sequence is clicked
    QTest::addColumn<bool>("oneMore");    // then one click that does not belong
    QTest::addColumn<bool>("tick");       // the timer ticks before the command
    QTest::addColumn<bool>("told");
    QTest::newRow("whole sequence") << 8 << false << false << true;
    QTest::newRow("seven clicks") << 7 << false << false << false;
    QTest::newRow("one click too many") << 8 << true << false << false;
    QTest::newRow("timer ticked") << 8 << false << true << false;
    QTest::newRow("no clicks") << 0 << false << false << false;
}

void TestMenu::redSchemeAfterTheMakersClicks()
{
    QFETCH(int, rightClicks);
    QFETCH(bool, oneMore);
    QFETCH(bool, tick);
    QFETCH(bool, told);
    WindowFixture f;
    auto *timer = f.control<QTimer>(QStringLiteral("tCheatModus"));
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 10000);

    const auto clickPane = [&f](int pane) {
        auto *view = f.control(QStringLiteral("PicturePreview%1").arg(pane));
        const QPoint at(50, 75); // the softkey bar, an element in every pane
        QTest::mouseMove(view, at);
        QTest::mouseClick(view, Qt::LeftButton, {}, at);
    };
    for (int i = 0; i < rightClicks; ++i)
        clickPane(ClickSequence::kPanes[std::size_t(i)]);
    if (oneMore)
        clickPane(ClickSequence::kPanes[0]);
    if (tick) {
        // The timer's next tick is due at once; the sequence starts again when it fires.
        timer->start(0);
        QTRY_COMPARE(f.preview()->clickSequence().state(), 0);
    }
    QCOMPARE(f.preview()->clickSequence().isComplete(), told);

    f.window.dispatch(QStringLiteral("keyRedscheme"));
    auto *status = f.control<QLabel>(QStringLiteral("StatusBar1Panel1"));
    QCOMPARE(status->text() == Texts::get(Text::PreviousInHistory, Language::German), !told);
    QCOMPARE(f.colour(1), (Rgb{128, 0, 0}));
    QCOMPARE(f.preview()->clickSequence().state(), 0);

    // The makers' word stays: the program's own messages cover it for a while only.
    if (!told)
        return;
    const QString word = status->text();
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    f.list()->setFocus();
    QTest::keySequence(f.list(), QKeySequence::Copy);
    QVERIFY(status->text() != word);
    f.control<QTimer>(QStringLiteral("tmrMessage"))->start(0);
    QTRY_COMPARE(status->text(), word);
}

void TestMenu::keysWithoutACommandDoNothing()
{
    WindowFixture f;
    const ColourScheme before = f.scheme();
    for (const char *key : {"", "keyFile", "keyNew", "keyRecent", "keyexit", "KEYEXIT", "keyBluescheme ", "keyHelp"})
        f.window.dispatch(QString::fromLatin1(key));
    QVERIFY(f.window.isVisible());
    QVERIFY(f.scheme().table() == before.table());
    QCOMPARE(Languages::current(), Language::German);
}

// Open and Save, chosen from the menu, each ask for their file: what one
// saves, the other reads back. They work whatever panel is shown.
void TestMenu::openAndSaveAskForTheirFiles_data()
{
    QTest::addColumn<QString>("panel"); // the menu key that shows it, or none
    QTest::newRow("editor") << QString();
    QTest::newRow("support panel") << u"keySupport"_s;
    QTest::newRow("links panel") << u"keyLinks"_s;
    QTest::newRow("disclaimer") << u"keyCopyright"_s;
}

void TestMenu::openAndSaveAskForTheirFiles()
{
    QFETCH(QString, panel);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"chosen.col"_s);
    WindowFixture f;
    f.window.loadStandardScheme(StandardScheme::Green);
    if (!panel.isEmpty())
        QVERIFY(f.chooseByKeys(panel));
    // Ctrl+O and Ctrl+S ask only while the editor shows; the items show no key of their own.
    QCOMPARE(f.menuItem(u"keyOpen"_s)->shortcut(), QKeySequence());
    f.press(QKeySequence::Open);
    f.press(QKeySequence::Save);
    QCOMPARE(f.dialogs->filters.size(), panel.isEmpty() ? 2 : 0);
    f.dialogs->answers << path;
    QVERIFY(f.chooseByKeys(u"keySave"_s));
    QVERIFY(QFileInfo(path).isFile());

    f.window.loadStandardScheme(StandardScheme::Red);
    f.dialogs->answers << path;
    QVERIFY(f.chooseByKeys(u"keyOpen"_s));
    QCOMPARE(f.colour(1), (Rgb{32, 96, 0})); // green's, as saved
    QVERIFY(f.dialogs->answers.isEmpty());
    QVERIFY(f.dialogs->messages.isEmpty());
    QCOMPARE(f.control(u"MainElements"_s)->isEnabled(), panel.isEmpty());
}

// Every switch comes from inside the menu's own signal and retitles the menu:
// nothing may be deleted under it, and nothing may pile up.
void TestMenu::switchingByKeysManyTimesKeepsTheMenuLean()
{
    WindowFixture f;
    const auto menuObjects = [&f] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return f.menuBar()->findChildren<QObject *>().size();
    };
    const auto settled = menuObjects();
    for (int i = 0; i < 200; ++i) {
        const Language next = i % 2 ? Language::German : Language::English;
        QVERIFY2(f.chooseByKeys(MenuTable::switchKey(next)), qPrintable(QString::number(i)));
        QCOMPARE(Languages::current(), next);
    }
    QCOMPARE(menuObjects(), settled);
    QCOMPARE(f.list()->count(), 60);
}

// Hidden while empty, so a first start shows the menu as it always was; then up
// to four files in the places kept for them, Undo and Redo where they were.
void TestMenu::recentFilesTakeTheirPlaces()
{
    QTemporaryDir dir;
    QByteArray scheme = "ColourScheme\r\nKept\r\nData\r\n";
    for (int n = 1; n <= 60; ++n)
        scheme += "9 8 7 100\r\n";
    QFile file(dir.filePath(u"kept.col"_s));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(scheme) == scheme.size());
    file.close();

    WindowFixture f;
    f.window.applyLanguage(Language::English);
    MenuBar *bar = f.menuBar();
    // Looked up afresh each time: a language switch rebuilds the menu.
    const auto entry = [bar] { return bar->itemAction(MenuTable::kRecentPosition); };
    const auto separator = [bar] { return bar->itemAction(MenuTable::kRecentSeparatorPosition); };
    const auto place = [bar](int i) { return bar->itemAction(MenuTable::kFirstRecentFilePosition + i); };
    const auto recentShown = [place] {
        QStringList shown;
        for (int i = 0; i < MenuTable::kRecentFileCount; ++i) {
            if (place(i)->isVisible())
                shown << place(i)->text();
        }
        return shown;
    };
    QVERIFY(!entry()->isVisible() && !entry()->isEnabled());
    QVERIFY(!separator()->isVisible());
    QCOMPARE(entries(f.menuItem(u"keyFile"_s)->menu()->actions()),
             (QStringList{u"&New"_s, u"&Open"_s, u"&Save"_s, u"-"_s, u"&Exit"_s}));

    f.dialogs->answers << file.fileName();
    f.window.openScheme();
    f.dialogs->answers << dir.filePath(u"saved.col"_s);
    f.window.saveScheme();
    QVERIFY(entry()->isVisible() && entry()->isEnabled());
    QVERIFY(separator()->isVisible());
    QCOMPARE(recentShown(), (QStringList{u"&1 saved.col"_s, u"&2 kept.col"_s}));
    QCOMPARE(bar->itemAction(MenuTable::kUndoPosition), f.menuItem(u"keyUndo"_s));
    QCOMPARE(bar->itemAction(MenuTable::kRedoPosition), f.menuItem(u"keyRedo"_s));

    // Kept across a language switch and the next start.
    QVERIFY(f.chooseByKeys(u"keyDutch"_s));
    QCOMPARE(recentShown(), (QStringList{u"&1 saved.col"_s, u"&2 kept.col"_s}));
    WindowFixture next({{u"Reg/RegDone"_s, u"1"_s}, {u"Recent/files"_s, WindowFixture::stored(u"Recent/files"_s)}});
    QCOMPARE(next.menuBar()->itemAction(MenuTable::kFirstRecentFilePosition)->text(), u"&1 saved.col"_s);

    // Choosing one opens it; one that has gone is taken off with a message.
    f.window.loadStandardScheme(StandardScheme::Red);
    place(1)->trigger();
    QCOMPARE(f.colour(1), (Rgb{9, 8, 7}));
    QCOMPARE(recentShown(), (QStringList{u"&1 kept.col"_s, u"&2 saved.col"_s})); // the newest first
    QVERIFY(QFile::remove(dir.filePath(u"saved.col"_s)));
    place(1)->trigger();
    QCOMPARE(f.dialogs->messages.size(), 1);
    QVERIFY(f.dialogs->messages[0].text.contains(u"saved.col"_s));
    QCOMPARE(recentShown(), QStringList{u"&1 kept.col"_s});

    // An "&" of a name is shown, not taken for an access key; files of the same
    // name are told apart by their paths, shown as they are (the folder's name
    // looks like markup).
    QVERIFY(QDir(dir.path()).mkdir(u"<b>bold"_s));
    const QString near = dir.filePath(u"R&D.col"_s);
    const QString far = dir.filePath(u"<b>bold/R&D.col"_s);
    QVERIFY(QFile::copy(file.fileName(), near));
    f.dialogs->answers << near << far;
    f.window.openScheme();
    f.window.saveScheme();
    QCOMPARE(recentShown(), (QStringList{u"&1 R&&D.col"_s, u"&2 R&&D.col"_s, u"&3 kept.col"_s}));
    auto *status = f.control<QLabel>(u"StatusBar1Panel1"_s);
    const QString statusBefore = status->text(); // the word that the file was saved
    QVERIFY(statusBefore.endsWith(QDir::toNativeSeparators(far)));
    QMenu *recentMenu = f.menuItem(u"keyRecent"_s)->menu();
    // Walked to by keys, as the menu bar opens it, an entry shows its path in the
    // status bar.
    QVERIFY(f.chooseByKeys(u"keyRecent"_s, false));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
    QCOMPARE(QApplication::activePopupWidget(), recentMenu);
    QCOMPARE(recentMenu->activeAction(), place(0));
    QCOMPARE(shownText(status), QDir::toNativeSeparators(far));
    QTest::keyClick(recentMenu, Qt::Key_Down);
    QCOMPARE(shownText(status), QDir::toNativeSeparators(near));
    while (QApplication::activePopupWidget())
        QApplication::activePopupWidget()->close();
    QCOMPARE(status->text(), statusBefore); // what the tip covered comes back

    recentMenu->popup(f.window.mapToGlobal(QPoint(40, 40)));
    QVERIFY(QTest::qWaitForWindowExposed(recentMenu));
    for (const auto &[i, path] : {std::pair{0, far}, std::pair{1, near}}) {
        QCOMPARE(place(i)->statusTip(), QDir::toNativeSeparators(path));
        const QPoint at = recentMenu->actionGeometry(place(i)).center();
        QHelpEvent help(QEvent::ToolTip, at, recentMenu->mapToGlobal(at));
        QApplication::sendEvent(recentMenu, &help);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(shownText(toolTipLabel()), QDir::toNativeSeparators(path));
    }
    recentMenu->close();
    QToolTip::hideText();

    // A second window over the same settings changes the stored list from what is
    // stored now, not from what it read at its start: nothing the first window
    // added or took off comes back or goes.
    const QString third = dir.filePath(u"third.col"_s);
    QVERIFY(QFile::copy(file.fileName(), third));
    next.dialogs->answers << third;
    next.window.openScheme();
    const auto canonical = [](const QString &path) { return QFileInfo(path).canonicalFilePath(); };
    QCOMPARE(WindowFixture::stored(u"Recent/files"_s).toStringList(),
             (QStringList{canonical(third), canonical(far), canonical(near), canonical(file.fileName())}));
    QVERIFY(QFile::remove(near));
    place(1)->trigger(); // the first window's list still shows it
    QCOMPARE(WindowFixture::stored(u"Recent/files"_s).toStringList(),
             (QStringList{canonical(third), canonical(far), canonical(file.fileName())}));
    QCOMPARE(recentShown(), (QStringList{u"&1 third.col"_s, u"&2 R&&D.col"_s, u"&3 kept.col"_s}));
}

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
