#pragma once

// What the window tests share: dialogs answered by the test, and ways to reach
// and drive the window's controls the way a user does.

#include "ColourSwatch.h"
#include "EditSession.h"
#include "ElementCode.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "MenuTable.h"
#include "PreviewFrame.h"
#include "Settings.h"
#include "UserDialogs.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

// Answers file dialogs from a queue (an empty answer cancels) and records every
// message and filter.
class ScriptedDialogs : public UserDialogs
{
public:
    struct Message
    {
        Severity severity;
        QString text;
        QString details;
    };

    QStringList answers;
    QStringList filters;
    QStringList folders; // where each dialog started
    QList<Message> messages;
    // Answers to the unsaved-changes question, in turn; with none left, Discard.
    QList<SaveAnswer> saveAnswers;
    int saveQuestions = 0; // how often it was asked

    QString openFileName(QWidget *, const QString &filter, const QString &folder) override
    {
        folders << folder;
        return answer(filter);
    }
    QString saveFileName(QWidget *, const QString &filter, const QString &folder) override
    {
        folders << folder;
        return answer(filter);
    }
    void showMessage(QWidget *, Severity severity, const QString &text, const QString &details) override
    {
        messages.append({severity, text, details});
    }
    SaveAnswer askToSave(QWidget *, const QString &) override
    {
        ++saveQuestions;
        return saveAnswers.isEmpty() ? SaveAnswer::Discard : saveAnswers.takeFirst();
    }

private:
    QString answer(const QString &filter)
    {
        filters << filter;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

// Points the settings store at a folder of the test's own, for the life of the
// test program: no test reads or writes the user's real settings.
inline const QString &testSettingsFolder()
{
    static QTemporaryDir folder;
    static const bool pointed = [] {
        // The program finds its store in the configuration folder; the tests'
        // own QSettings objects find the same file through the paths.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
        return true;
    }();
    Q_UNUSED(pointed);
    static const QString path = folder.path();
    return path;
}

// The settings store as a test wants it before a start: empty but for the
// values given. The key kRawStore stands for the store file's whole content.
using StoredSettings = QList<std::pair<QString, QVariant>>;
inline const QString kRawStore = QStringLiteral("<file>");
inline void storeOnly(const StoredSettings &values)
{
    testSettingsFolder();
    Settings::forgetUnkept();
    QSettings settings(QSettings::UserScope, QStringLiteral("QVX_VXL"));
    settings.clear();
    for (const auto &[key, value] : values) {
        if (key != kRawStore)
            settings.setValue(key, value);
    }
    settings.sync();
    for (const auto &[key, value] : values) {
        if (key == kRawStore) {
            QFile file(settings.fileName());
            if (file.open(QIODevice::WriteOnly))
                file.write(value.toByteArray());
        }
    }
}

// The window's pieces, found by name as its controls are.
inline const SchemeModel &schemeModelOf(const MainWindow &window)
{
    return *window.findChild<const SchemeModel *>(QStringLiteral("scheme"));
}
inline const ColourScheme &schemeOf(const MainWindow &window)
{
    return schemeModelOf(window).scheme();
}
inline const UndoHistory &historyOf(const MainWindow &window)
{
    return window.findChild<const EditSession *>(QStringLiteral("session"))->history();
}
inline const PreviewPanes &panesOf(const MainWindow &window)
{
    return *window.findChild<const PreviewPanes *>(QStringLiteral("panes"));
}

// A started and shown main window with scripted dialogs. Unless told otherwise,
// the user has agreed to the disclaimer before and nothing else is stored.
struct WindowFixture
{
    MainWindow window;
    ScriptedDialogs *dialogs = nullptr;

    explicit WindowFixture(const StoredSettings &stored = {{QStringLiteral("Reg/RegDone"), QStringLiteral("1")}})
    {
        storeOnly(stored);
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        window.setDialogs(std::move(scripted));
        window.start();
        window.show();
    }

    // What the settings store holds now.
    static QVariant stored(const QString &key)
    {
        return QSettings(QSettings::UserScope, QStringLiteral("QVX_VXL")).value(key);
    }

    template <typename T = QWidget>
    T *control(const QString &name)
    {
        T *widget = window.findChild<T *>(name);
        if (!widget)
            qWarning("no control %s", qPrintable(name));
        return widget;
    }
    const ColourScheme &scheme() const { return schemeOf(window); }
    const UndoHistory &history() const { return historyOf(window); }
    const PreviewPanes &panes() const { return panesOf(window); }
    // The title as the desktop shows it, with Qt's mark of unsaved changes.
    QString shownTitle() const { return window.windowHandle() ? window.windowHandle()->title() : QString(); }

    QLineEdit *box(int channel) { return control<QLineEdit>(QStringLiteral("txtRGB%1").arg(channel)); }
    QListWidget *list() { return control<QListWidget>(QStringLiteral("cmbElement")); }
    PreviewFrame *preview() { return control<PreviewFrame>(QStringLiteral("FramePreview")); }

    // Clicks the list entry of an element, as a user does.
    void clickElement(int element)
    {
        QListWidget *l = list();
        QListWidgetItem *item = l->item(element - 1);
        l->scrollToItem(item);
        const QRect rect = l->visualItemRect(item);
        // Right of the check box, on the text.
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 60, rect.center().y()));
    }

    // Replaces the text of a channel box by typing, key by key.
    void typeInto(int channel, const QString &keys)
    {
        QLineEdit *b = box(channel);
        b->setFocus();
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Backspace);
        QTest::keyClicks(b, keys);
    }

    MenuBar *menuBar() { return control<MenuBar>(QStringLiteral("SmartMenuXP1")); }
    // The item of the current menu with a key.
    QAction *menuItem(const QString &key)
    {
        const MenuTable::Item *item = MenuTable::find(key);
        return item ? menuBar()->itemAction(MenuTable::position(*item)) : nullptr;
    }

    // Chooses a menu item as a keyboard user does: Alt and the first heading's
    // access key open the bar, the arrow keys walk to the item, Return chooses
    // it (or, when told not to, leaves it highlighted in its open menu). Returns
    // false when the way there is blocked.
    bool chooseByKeys(const QString &key, bool choose = true)
    {
        QStringList path{key}; // from the heading down to the item
        for (QString parent = parentOf(key); !parent.isEmpty(); parent = parentOf(parent))
            path.prepend(parent);
        const QList<QAction *> headings = menuBar()->actions();
        const QString first = headings.value(0) ? headings.value(0)->text() : QString();
        const int accessKey = first.at(first.indexOf(u'&') + 1).toUpper().unicode();
        if (QApplication::activeWindow() != &window) {
            window.activateWindow();
            if (!QTest::qWaitForWindowActive(&window))
                return false;
        }
        QTest::keyClick(&window, Qt::Key(accessKey), Qt::AltModifier);
        QMenu *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        for (int step = 0; popup && popup != menuItem(path.first())->menu() && step < 8; ++step) {
            QTest::keyClick(popup, Qt::Key_Right);
            popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        }
        for (int level = 1; popup && level < path.size(); ++level) {
            QAction *target = menuItem(path[level]);
            for (int step = 0; popup->activeAction() != target && step < 20; ++step)
                QTest::keyClick(popup, Qt::Key_Down);
            if (popup->activeAction() != target)
                break;
            if (level + 1 < path.size()) {
                QTest::keyClick(popup, Qt::Key_Right);
                popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            } else {
                if (choose)
                    QTest::keyClick(popup, Qt::Key_Return);
                return true;
            }
        }
        while (QApplication::activePopupWidget())
            QApplication::activePopupWidget()->close();
        return false;
    }

    static QString parentOf(const QString &key)
    {
        const MenuTable::Item *item = MenuTable::find(key);
        return item ? MenuTable::parent(*item) : QString();
    }

    Rgb colour(int element) const { return scheme().colour(element); }

    // Every pane pixel coded for the element shows the colour.
    bool showsEverywhere(int element, const Rgb &colour) const
    {
        for (int i = 0; i < PreviewPanes::kCount; ++i) {
            const PreviewPane &pane = panes().pane(i);
            for (int y = 0; y < pane.size().height(); ++y) {
                for (int x = 0; x < pane.size().width(); ++x) {
                    const Rgb mask = pane.maskColourAt({x, y});
                    if (ElementCode::element(mask.red, mask.green) == element && pane.pictureColourAt({x, y}) != colour)
                        return false;
                }
            }
        }
        return true;
    }

    // Presses keys in the active window, as a user does.
    void press(const QKeySequence &keys)
    {
        if (QApplication::activeWindow() != &window) {
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
        }
        QTest::keySequence(&window, keys);
    }
    Rgb shownValues()
    {
        return {quint8(box(0)->text().toInt()), quint8(box(1)->text().toInt()), quint8(box(2)->text().toInt())};
    }

    // Every pane's picture, to tell whether anything was drawn.
    std::array<QImage, PreviewPanes::kCount> pictures() const
    {
        std::array<QImage, PreviewPanes::kCount> images;
        for (int i = 0; i < PreviewPanes::kCount; ++i)
            images[i] = panes().pane(i).picture().copy();
        return images;
    }
};

// Types any characters, also those without a key of their own.
inline void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The first pixel of a pane's built-in picture that satisfies a test, or (-1, -1).
// (0, 0) is passed over: QTest takes a null point for the widget's centre.
template <typename Test>
QPoint findPixel(int pane, Test test)
{
    const QImage picture = PreviewPanes::builtInPicture(pane);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = y == 0 ? 1 : 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (test(qRed(p), qGreen(p), qBlue(p)))
                return {x, y};
        }
    }
    return {-1, -1};
}
