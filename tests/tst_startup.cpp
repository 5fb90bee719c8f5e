#include "support/WindowTest.h"

#include "ClickSequence.h"
#include "HoverWatch.h"
#include "PanelTexts.h"
#include "SchemeFile.h"
#include "ToolWindow.h"
#include "support/FileTraps.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QGroupBox>
#include <QTemporaryDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kVersion = u"Reg/version"_s;
const QString kConsent = u"Reg/RegDone"_s;

// Which of the five flags carries the border.
QList<int> markedFlags(WindowFixture &f)
{
    QList<int> marked;
    for (int i = 0; i < 5; ++i) {
        if (f.control<QLabel>(u"picLangSelector%1"_s.arg(i))->frameShape() == QFrame::Box)
            marked << i;
    }
    return marked;
}

void clickOn(QWidget *widget, QPoint at = {5, 5})
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

} // namespace

// Starting, agreeing to the disclaimer or not, and what the settings store holds.
class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void startsFromTheStore_data();
    void startsFromTheStore();
    void consent_data();
    void consent();
    void aStoreThatCannotKeepTheChoices_data();
    void aStoreThatCannotKeepTheChoices();
    void selectorLabelFollowsThePointer();
    void texts();
    void unsavedChangesAreAskedAbout_data();
    void unsavedChangesAreAskedAbout();
    void aSchemeGivenAtStartWaitsBehindTheDisclaimer_data();
    void aSchemeGivenAtStartWaitsBehindTheDisclaimer();
    void regionsStackInTheirOrder();
};

void TestStartup::startsFromTheStore_data()
{
    QTest::addColumn<StoredSettings>("stored");
    QTest::addColumn<Language>("language");
    QTest::addColumn<bool>("agreed"); // the editor and the menu, not the disclaimer
    QTest::addColumn<QString>("versionAfter");
    QTest::addColumn<QVariant>("consentAfter");

    QTest::newRow("empty store") << StoredSettings{} << Language::German << false << u"de"_s << QVariant();
    QTest::newRow("frc") << StoredSettings{{kVersion, u"frc"_s}} << Language::French << false << u"frc"_s << QVariant();
    QTest::newRow("ENG is no code") << StoredSettings{{kVersion, u"ENG"_s}} << Language::English << false
                                    << u"eng"_s << QVariant();
    QTest::newRow("unknown code") << StoredSettings{{kVersion, u"klingon"_s}} << Language::English << false
                                  << u"eng"_s << QVariant();
    QTest::newRow("dutch, agreed") << StoredSettings{{kVersion, u"dutch"_s}, {kConsent, u"1"_s}} << Language::Dutch
                                   << true << u"dutch"_s << QVariant(u"1"_s);
    QTest::newRow("declined") << StoredSettings{{kConsent, u"0"_s}} << Language::German << false << u"de"_s
                              << QVariant(u"0"_s);
    QTest::newRow("consent not a number") << StoredSettings{{kConsent, u"yes"_s}} << Language::German << false
                                          << u"de"_s << QVariant(u"yes"_s);
    QTest::newRow("consent as 1.0") << StoredSettings{{kConsent, u"1.0"_s}} << Language::German << true << u"de"_s
                                    << QVariant(u"1.0"_s);
    QTest::newRow("consent as a list") << StoredSettings{{kConsent, QStringList{u"1"_s, u"1"_s}}} << Language::German
                                       << false << u"de"_s << QVariant(QStringList{u"1"_s, u"1"_s});
    // Bad stores start in the fall-backs and keep what they hold, but for the
    // language, which every start stores.
    const QString huge(1 << 20, u'd');
    QTest::newRow("absurdly long values") << StoredSettings{{kVersion, huge}, {kConsent, huge}} << Language::English
                                          << false << u"eng"_s << QVariant(huge);
    const QByteArray binary("\0\x01\xff\x1b[2J", 7);
    QTest::newRow("binary values") << StoredSettings{{kVersion, binary}, {kConsent, binary}} << Language::English
                                   << false << u"eng"_s << QVariant(binary);
    QTest::newRow("language as a list") << StoredSettings{{kVersion, QStringList{u"de"_s, u"frc"_s}}, {kConsent, u"1"_s}}
                                        << Language::English << true << u"eng"_s << QVariant(u"1"_s);
    QTest::newRow("store file not parsable")
        << StoredSettings{{kRawStore, QByteArray("\x89PNG\r\n[Reg\nversion\0=de\n\xff\xfe=\n[", 27)}}
        << Language::German << false << u"de"_s << QVariant();
}

void TestStartup::startsFromTheStore()
{
    QFETCH(StoredSettings, stored);
    QFETCH(Language, language);
    QFETCH(bool, agreed);
    QFETCH(QString, versionAfter);
    QFETCH(QVariant, consentAfter);

    storeOnly(stored);
    QSettings store(QSettings::UserScope, u"QVX_VXL"_s);
    QMap<QString, QVariant> before;
    for (const QString &key : store.allKeys())
        before[key] = store.value(key);

    WindowFixture f(stored);
    QCOMPARE(Languages::current(), language);
    QCOMPARE(markedFlags(f), QList<int>{Languages::flagIndex(language)});
    QCOMPARE(f.control(u"MainElements"_s)->isVisible(), agreed);
    QCOMPARE(f.control(u"frmCopyright"_s)->isVisible(), !agreed);
    QCOMPARE(f.menuBar()->isVisible(), agreed);
    QCOMPARE(f.shownTitle(), u"Siemens S55 Vexlume  -  Version: 0.9.19 - STILL BETA ;)"_s);
    // In any language the start sets every check mark but element 45's.
    for (int element = 1; element <= kElementCount; ++element)
        QCOMPARE(f.list()->item(element - 1)->checkState(), element == 45 ? Qt::Unchecked : Qt::Checked);
    QCOMPARE(f.scheme().visibleBits(), ColourScheme().visibleBits());
    QCOMPARE(f.stored(kVersion).toString(), versionAfter);
    QCOMPARE(f.stored(kConsent), consentAfter);
    // Nothing else was written: every other key holds what it held.
    store.sync();
    for (const QString &key : store.allKeys()) {
        if (key != kVersion)
            QVERIFY2(before.value(key) == store.value(key), qPrintable(key));
    }
    // Whatever shows, the scheme is the blue one and the etched rule is drawn.
    QCOMPARE(f.colour(1), (Rgb{0, 0, 128}));
    QCOMPARE(f.control(u"Line4"_s)->geometry(), QRect(8, 329, 217, 1));
    // The logo is enabled: lit by the pointer, it is watched until the pointer
    // leaves. (Beside a panel: the editor covers it, and it takes nothing then.)
    if (agreed)
        f.window.dispatch(u"keyLinks"_s);
    auto *logo = f.control(u"quorvix1"_s)->findChild<QWidget *>(u"qvx_logo"_s);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), logo->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(logo, &move);
    QVERIFY(HoverWatch::instance().isWatching(logo));
    if (!agreed) { // the hidden menu's shortcuts do nothing either
        f.press(QKeySequence(Qt::ALT | Qt::Key_Q));
        QVERIFY(f.window.isVisible());
        // Nor do the window's own keys, nor a file dropped on it: until the user
        // agrees, the disclaimer is all there is.
        f.press(QKeySequence(Qt::CTRL | Qt::Key_L));
        f.press(QKeySequence(Qt::CTRL | Qt::Key_H));
        QVERIFY(f.window.findChildren<ToolWindow *>().isEmpty());
        QTemporaryDir dir;
        ColourScheme other;
        other.setColour(1, {1, 2, 3});
        QVERIFY(!SchemeFile::save(other, dir.filePath(u"dropped.col"_s)));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(dir.filePath(u"dropped.col"_s))});
        QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&f.window, &enter);
        QVERIFY(!enter.isAccepted());
        QDropEvent drop(QPointF(300, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&f.window, &drop);
        QCOMPARE(f.colour(1), (Rgb{0, 0, 128}));
    }
}

void TestStartup::consent_data()
{
    QTest::addColumn<StoredSettings>("stored");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("versionAfter");
    QTest::addColumn<QVariant>("consentAfter");
    QTest::addColumn<bool>("stillOpen");
    QTest::addColumn<Language>("nextStart"); // the language of the next start
    QTest::addColumn<bool>("nextAgreed");

    QTest::newRow("flag, then agree") << StoredSettings{} << QStringList{u"flag3"_s, u"agree"_s} << u"esp"_s
                                      << QVariant(u"1"_s) << true << Language::Spanish << true;
    QTest::newRow("disagree") << StoredSettings{} << QStringList{u"disagree"_s} << u"de"_s << QVariant(u"0"_s)
                              << false << Language::German << false;
    QTest::newRow("flag, then disagree") << StoredSettings{} << QStringList{u"flag1"_s, u"disagree"_s} << u"de"_s
                                         << QVariant(u"0"_s) << false << Language::German << false;
    // The border still marks German, so agreeing applies German again.
    QTest::newRow("menu switch, then agree") << StoredSettings{{kConsent, u"1"_s}}
                                             << QStringList{u"keyEnglish"_s, u"keyCopyright"_s, u"agree"_s}
                                             << u"de"_s << QVariant(u"1"_s) << true << Language::German << true;
    QTest::newRow("withdrawn from the menu") << StoredSettings{{kConsent, u"1"_s}}
                                             << QStringList{u"keyCopyright"_s, u"disagree"_s} << u"de"_s
                                             << QVariant(u"0"_s) << false << Language::German << false;
}

void TestStartup::consent()
{
    QFETCH(StoredSettings, stored);
    QFETCH(QStringList, steps);
    QFETCH(QString, versionAfter);
    QFETCH(QVariant, consentAfter);
    QFETCH(bool, stillOpen);
    QFETCH(Language, nextStart);
    QFETCH(bool, nextAgreed);
    {
        WindowFixture f(stored);
        for (const QString &step : steps) {
            if (step.startsWith(u"flag"))
                clickOn(f.control(u"picLangSelector"_s + step.back()));
            else if (step == u"agree")
                clickOn(f.control(u"cmdZustimmen"_s));
            else if (step == u"disagree")
                clickOn(f.control(u"cmdAblehnen"_s));
            else
                QVERIFY(f.chooseByKeys(step));
        }
        QCOMPARE(f.window.isVisible(), stillOpen);
        QCOMPARE(f.stored(kVersion).toString(), versionAfter);
        QCOMPARE(f.stored(kConsent), consentAfter);
        if (stillOpen) {
            QVERIFY(f.control(u"MainElements"_s)->isVisible());
            QVERIFY(!f.control(u"frmCopyright"_s)->isVisible());
            QVERIFY(f.menuBar()->isVisible());
            QCOMPARE(f.list()->currentRow(), 0);
        }
    }
    // The next start, from what the store holds now.
    StoredSettings now;
    for (const QString &key : {kVersion, kConsent}) {
        if (WindowFixture::stored(key).isValid())
            now.append({key, WindowFixture::stored(key)});
    }
    WindowFixture next(now);
    QCOMPARE(Languages::current(), nextStart);
    QCOMPARE(next.control(u"frmCopyright"_s)->isVisible(), !nextAgreed);
}

// A store that is no regular file is neither read nor written: the start
// finishes in the fall-backs, the choices hold for this run, and the status bar
// says once that they cannot be kept. So does a store that cannot be written.
void TestStartup::aStoreThatCannotKeepTheChoices_data()
{
    QTest::addColumn<QString>("store");
    QTest::addColumn<QString>("reason");
    for (const char *store : {"FIFO", "link to a FIFO elsewhere", "folder"})
        QTest::newRow(store) << QString::fromLatin1(store)
                             << (store == std::string_view("folder")
                                     ? u"das ist ein Ordner, keine Datei"_s
                                     : u"das ist ein Gerät oder eine andere besondere Datei, keine gewöhnliche Datei"_s);
    QTest::newRow("no room on disk") << u"no room"_s << u"die Datei kann nicht geschrieben werden"_s;
    QTest::newRow("configuration folder is a file") << u"no folder"_s << u"die Datei kann nicht geschrieben werden"_s;
}

void TestStartup::aStoreThatCannotKeepTheChoices()
{
    QFETCH(QString, store);
    QFETCH(QString, reason);
    storeOnly({});
    const QString path = Settings::storePath();
    QVERIFY(QFile::remove(path) || !QFileInfo::exists(path));
    QTemporaryDir elsewhere;
    const QString fifo = store == u"link to a FIFO elsewhere" ? elsewhere.filePath(u"fifo"_s) : path;
    if (store == u"FIFO" || store == u"link to a FIFO elsewhere")
        QVERIFY(makeFifo(fifo));
    if (fifo != path)
        QVERIFY(QFile::link(fifo, path));
    if (store == u"folder")
        QVERIFY(QDir().mkdir(path));
    std::optional<NoRoomOnDisk> noRoom;
    if (store == u"no room")
        noRoom.emplace();
    const QByteArray configFolder = qgetenv("XDG_CONFIG_HOME");
    if (store == u"no folder") {
        QFile file(elsewhere.filePath(u"config"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(file.fileName()));
    }
    const QString shownStore = Settings::storePath();

    {
        MainWindow window;
        window.setDialogs(std::make_unique<ScriptedDialogs>());
        window.start();
        window.show();
        QCOMPARE(Languages::current(), Language::German);
        QVERIFY(window.findChild<QWidget *>(u"frmCopyright"_s)->isVisible());
        auto *status = window.findChild<QLabel *>(u"StatusBar1Panel1"_s);
        const QString told = u"Die Einstellungen können nicht gespeichert werden (%1: %2); sie gelten nur bis zum Beenden."_s
                                 .arg(shownStore, reason);
        QCOMPARE(status->text(), told);
        // Beyond the message's few seconds, a few words of it stay beside the
        // count for as long as they hold, the whole message as their tooltip.
        auto *unkept = window.findChild<QLabel *>(u"StatusBar1Panel4"_s);
        QVERIFY(unkept);
        const auto checkUnkept = [&](const QString &words, const QString &whole) {
            QVERIFY(unkept->isVisible());
            QCOMPARE(unkept->text(), words);
            QCOMPARE(unkept->toolTip(), whole);
            QCOMPARE(unkept->accessibleDescription(), whole);
            QVERIFY(unkept->contentsRect().width() - unkept->indent() >= unkept->fontMetrics().horizontalAdvance(words));
            const QRect count = window.findChild<QWidget *>(u"StatusBar1Panel3"_s)->geometry();
            QVERIFY(status->geometry().right() < unkept->geometry().left());
            QVERIFY(unkept->geometry().right() < count.left());
        };
        checkUnkept(u"Einstellungen: nur diesmal"_s, told);
        window.findChild<QTimer *>(u"tmrMessage"_s)->start(0);
        QTRY_VERIFY(status->text().isEmpty());
        checkUnkept(u"Einstellungen: nur diesmal"_s, told);

        // The choices of this run hold until it ends; the status bar says it once.
        status->clear();
        clickOn(window.findChild<QWidget *>(u"picLangSelector1"_s));
        clickOn(window.findChild<QWidget *>(u"cmdZustimmen"_s));
        window.dispatch(u"keyFrance"_s);
        QVERIFY(status->text().isEmpty());
        // In the language of the moment.
        const QString french = unkept->toolTip();
        QVERIFY2(french.startsWith(u"Les réglages ne peuvent pas être conservés (%1: "_s.arg(shownStore))
                     && french.endsWith(u") ; ils valent jusqu'à la fermeture du programme."_s),
                 qPrintable(french));
        checkUnkept(u"Réglages : pour cette fois"_s, french);
        QCOMPARE(Settings::startLanguage(), Language::French);
        QVERIFY(Settings::hasConsent());
    }
    noRoom.reset();
    qputenv("XDG_CONFIG_HOME", configFolder);
    if (fifo != path || store == u"FIFO")
        QVERIFY(isFifo(fifo));
    QVERIFY(QFile::remove(path) || QDir().rmdir(path) || store == u"no folder");
}

void TestStartup::selectorLabelFollowsThePointer()
{
    WindowFixture f(StoredSettings{});
    auto *label = f.control<QLabel>(u"lblLangSelector"_s);
    QWidget *frame = f.control(u"Frame1"_s);
    const QStringList labels{u"[german]"_s, u"[english]"_s, u"[france]"_s, u"[spain]"_s, u"[dutch]"_s};
    for (int i = 0; i < 5; ++i) {
        QTest::mouseMove(f.control(u"picLangSelector%1"_s.arg(i)), {10, 10});
        QCOMPARE(label->text(), labels[i]);
    }
    // Off the flags, the label names the marked flag again.
    QTest::mouseMove(frame, {frame->width() - 5, frame->height() - 5});
    QCOMPARE(label->text(), u"[german]"_s);

    // A click moves only the border: the language stays until "agree".
    clickOn(f.control(u"picLangSelector4"_s));
    QCOMPARE(markedFlags(f), QList<int>{4});
    QCOMPARE(Languages::current(), Language::German);
    QCOMPARE(f.stored(kVersion).toString(), u"de"_s);
    QTest::mouseMove(frame, {frame->width() - 8, frame->height() - 6});
    QCOMPARE(label->text(), u"[dutch]"_s);
}

void TestStartup::texts()
{
    // The credits: 19 lines and an empty one, CR LF after each.
    const QString thanks = PanelTexts::thanks();
    QVERIFY(thanks.endsWith(u"\r\n"_s));
    QStringList lines = thanks.split(u"\r\n"_s);
    QCOMPARE(lines.takeLast(), QString());
    QCOMPARE(lines.size(), 20);
    QCOMPARE(lines[0], u"Very much thanks goes out to"_s);
    QCOMPARE(lines[1], QString(47, u'-'));
    for (int i = 2; i < 8; ++i)
        QVERIFY(lines[i].startsWith(u"- "_s));
    QCOMPARE(lines[8], QString());
    QCOMPARE(lines[9], u"Greetings go out to"_s);
    QCOMPARE(lines[10], QString(30, u'-'));
    for (int i = 11; i < 20; ++i)
        QVERIFY(lines[i].startsWith(u"- "_s));
    QVERIFY(!thanks.contains(u'\r' + QString(u'\r')));

    // The disclaimer: 55 lines in ten paragraphs, the first in English.
    const QString disclaimer = PanelTexts::disclaimer();
    QVERIFY(disclaimer.startsWith(u"This time no english version of this document is available.\r\n"
                                  "Short form: we don't take ANY responce for anything!\r\n\r\n"_s));
    QVERIFY(disclaimer.endsWith(u"\r\n"_s) && !disclaimer.endsWith(u"\r\n\r\n"_s));
    const QStringList paragraphs = disclaimer.split(u"\r\n\r\n"_s);
    QCOMPARE(paragraphs.size(), 10);
    QList<int> counts;
    for (const QString &paragraph : paragraphs)
        counts << int(paragraph.count(u"\r\n"_s)) + (paragraph.endsWith(u"\r\n"_s) ? 0 : 1);
    QCOMPARE(counts, (QList<int>{2, 12, 16, 2, 6, 9, 3, 1, 1, 3}));

    WindowFixture f;
    QCOMPARE(f.control<QPlainTextEdit>(u"txtThanks"_s)->blockCount(), 21); // and the empty block after the last break
    QVERIFY(f.control<QPlainTextEdit>(u"txtDisclaimer"_s)->toPlainText().startsWith(u"This time no english"_s));
    QVERIFY(f.control<QPlainTextEdit>(u"txtDisclaimer"_s)->isReadOnly());
}

void TestStartup::unsavedChangesAreAskedAbout_data()
{
    using Answer = UserDialogs::SaveAnswer;
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<bool>("saveDialogAccepted");
    QTest::addColumn<bool>("goesOn"); // the command replaced or ended the scheme

    // The close box, Alt+Q, "disagree", New blue, green and red (also the makers'
    // red scheme), Open, a recent file and a dropped file.
    for (const QString &command : {u"close box"_s, u"keyExit"_s, u"disagree"_s, u"keyBluescheme"_s,
                                   u"keyGreenscheme"_s, u"keyRedscheme"_s, u"makers"_s, u"keyOpen"_s, u"recent"_s,
                                   u"drop"_s}) {
        const QByteArray name = command.toUtf8();
        QTest::newRow(name + ", unchanged") << command << false << QList<Answer>{} << false << true;
        QTest::newRow(name + ", saved") << command << true << QList<Answer>{Answer::Save} << true << true;
        QTest::newRow(name + ", save dialog cancelled") << command << true << QList<Answer>{Answer::Save} << false
                                                        << false;
        QTest::newRow(name + ", discarded") << command << true << QList<Answer>{Answer::Discard} << false << true;
        QTest::newRow(name + ", cancelled") << command << true << QList<Answer>{Answer::Cancel} << false << false;
    }
}

// A command that would replace or end a scheme with changes asks first; without
// changes it acts at once and asks nothing. Saved, the changes are in the file;
// cancelled (or the save dialog cancelled), the command leaves all as it was.
void TestStartup::unsavedChangesAreAskedAbout()
{
    QFETCH(QString, command);
    QFETCH(bool, changed);
    QFETCH(QList<UserDialogs::SaveAnswer>, answers);
    QFETCH(bool, saveDialogAccepted);
    QFETCH(bool, goesOn);

    QTemporaryDir dir;
    const QString other = dir.filePath(u"other.col"_s);
    ColourScheme otherScheme;
    otherScheme.setColour(1, {1, 2, 3});
    otherScheme.setName(u"Other"_s);
    QVERIFY(!SchemeFile::save(otherScheme, other));
    const QString saved = dir.filePath(u"saved.col"_s);

    WindowFixture f;
    if (command == u"recent")
        QVERIFY(f.window.openSchemeFile(other)); // the File menu lists it
    const Rgb before = f.colour(1);
    const QString nameBefore = f.scheme().name();
    if (changed)
        f.typeInto(0, u"77"_s);
    const Rgb edited = f.colour(1);
    QCOMPARE(f.shownTitle().endsWith(u"*"_s), changed);
    f.dialogs->saveAnswers = answers;
    if (!answers.isEmpty() && answers.first() == UserDialogs::SaveAnswer::Save)
        f.dialogs->answers << (saveDialogAccepted ? saved : QString());
    if (command == u"keyOpen")
        f.dialogs->answers << other;
    const QString settingsFile = QSettings(QSettings::UserScope, u"QVX_VXL"_s).fileName();
    const QByteArray settingsBefore = readAll(settingsFile);

    if (command == u"close box") {
        f.window.close();
    } else if (command == u"disagree") {
        f.window.dispatch(u"keyCopyright"_s);
        QTest::mouseClick(f.control<QPushButton>(u"cmdAblehnen"_s), Qt::LeftButton);
    } else if (command == u"makers") {
        for (int pane : ClickSequence::kPanes)
            QTest::mouseClick(f.control(u"PicturePreview%1"_s.arg(pane)), Qt::LeftButton, {}, {50, 75});
        QVERIFY(f.preview()->clickSequence().isComplete());
        f.window.dispatch(u"keyRedscheme"_s);
    } else if (command == u"recent") {
        f.menuBar()->itemAction(MenuTable::kFirstRecentFilePosition)->trigger();
    } else if (command == u"drop") {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(other)});
        QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&f.window, &enter);
        QDropEvent drop(QPointF(300, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&f.window, &drop);
    } else {
        f.window.dispatch(command);
    }

    QCOMPARE(f.dialogs->saveQuestions, changed ? 1 : 0);
    QCOMPARE(QFile::exists(saved), saveDialogAccepted);
    if (saveDialogAccepted)
        QCOMPARE(SchemeFile::read(saved).table[0].rgb(), edited);
    const bool ends = command == u"close box" || command == u"keyExit" || command == u"disagree";
    QCOMPARE(f.window.isVisible(), !(ends && goesOn));
    if (!ends) {
        const bool opens = command == u"keyOpen" || command == u"recent" || command == u"drop";
        const Rgb replaced = opens ? Rgb{1, 2, 3}
                                   : StandardSchemes::colour(command == u"keyGreenscheme" ? StandardScheme::Green
                                                                                          : StandardScheme::Red, 1);
        QCOMPARE(f.colour(1), goesOn ? (command == u"keyBluescheme" ? before : replaced) : edited);
        QCOMPARE(f.scheme().name(), goesOn && opens ? u"Other"_s : nameBefore);
    }
    // Unchanged after a command that went on; the changes stay until one does.
    QCOMPARE(f.shownTitle().endsWith(u"*"_s), !goesOn || (ends && !saveDialogAccepted && changed));
    // Only a refusal that ended the program is kept.
    QCOMPARE(f.stored(kConsent).toString(), command == u"disagree" && goesOn ? u"0"_s : u"1"_s);
    if (ends && command != u"disagree" && !saveDialogAccepted)
        QCOMPARE(readAll(settingsFile), settingsBefore); // closing writes nothing
}

// Bottom first, as the window creates them: the banner and its links lie under
// the editor area, the panels over it.
void TestStartup::regionsStackInTheirOrder()
{
    WindowFixture f;
    const QStringList order{u"Picture1"_s,     u"ctlLink1"_s,     u"quorvix1"_s,     u"StatusBar1"_s,
                            u"MainElements"_s, u"SmartMenuXP1"_s, u"frmCopyright"_s, u"FrameSupport"_s,
                            u"frameLinks"_s};
    QStringList stacked;
    for (QObject *child : f.window.children()) {
        if (order.contains(child->objectName()))
            stacked << child->objectName();
    }
    QCOMPARE(stacked, order);
    const QList<std::pair<QString, QRect>> places{{u"Picture1"_s, {520, 176, 105, 177}},
                                                  {u"ctlLink1"_s, {528, 360, 89, 17}},
                                                  {u"quorvix1"_s, {519, 386, 113, 57}},
                                                  {u"frmCopyright"_s, {8, 32, 505, 409}},
                                                  {u"FrameSupport"_s, {8, 32, 505, 409}},
                                                  {u"frameLinks"_s, {8, 32, 505, 409}}};
    for (const auto &[name, geometry] : places)
        QCOMPARE(f.control(name)->geometry(), geometry);
    QCOMPARE(f.control<QGroupBox>(u"Frame1"_s)->title(), u"select your language"_s);
    QCOMPARE(f.control<QPushButton>(u"cmdZustimmen"_s)->text(), u"agree"_s);
    QCOMPARE(f.control<QPushButton>(u"cmdAblehnen"_s)->text(), u"disagree"_s);
}

void TestStartup::aSchemeGivenAtStartWaitsBehindTheDisclaimer_data()
{
    QTest::addColumn<StoredSettings>("stored");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Rgb>("first"); // element 1 once the editor shows
    QByteArray good = "ColourScheme\r\nGiven\r\nData\r\n";
    for (int n = 1; n <= 60; ++n)
        good += "3 2 1 100\r\n";
    QTest::newRow("good file") << StoredSettings{{kConsent, u"1"_s}} << good << Rgb{3, 2, 1};
    QTest::newRow("bad file") << StoredSettings{{kConsent, u"1"_s}} << QByteArray(good).replace("3 2 1", "3 2 x")
                              << Rgb{0, 0, 128};
    QTest::newRow("before consent") << StoredSettings{} << good << Rgb{3, 2, 1};
}

// What "vexlume FILE.col" does once the window has started.
void TestStartup::aSchemeGivenAtStartWaitsBehindTheDisclaimer()
{
    QFETCH(StoredSettings, stored);
    QFETCH(QByteArray, bytes);
    QFETCH(Rgb, first);
    QTemporaryDir dir;
    QFile file(dir.filePath(u"given.col"_s));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();

    WindowFixture f(stored);
    f.window.openSchemeFile(file.fileName());
    const bool good = first == Rgb{3, 2, 1};
    QCOMPARE(f.dialogs->messages.size(), good ? 0 : 1);
    if (f.control(u"frmCopyright"_s)->isVisible())
        clickOn(f.control(u"cmdZustimmen"_s));
    QVERIFY(f.control(u"MainElements"_s)->isVisible());
    QCOMPARE(f.colour(1), first);
    const QPoint date = findPixel(1, [](int r, int g, int) { return r == 1 && g == 253; });
    QCOMPARE(f.panes().pane(1).pictureColourAt(date), first);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
