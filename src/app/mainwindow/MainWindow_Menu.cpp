// The menu bar: building it in a language from the menu table, and running the
// command of a chosen item.
#include "MainWindow.h"

#include "MenuBar.h"
#include "MenuPictures.h"
#include "MenuTable.h"
#include "PreviewFrame.h"
#include "RecentFilesMenu.h"
#include "StatusBar.h"
#include "Texts.h"

#include <QLabel>

// The menu is built from the table once; a language switch then retitles its
// items from the table. Either way Undo and Redo take the states a new menu has
// (Undo offered, Redo not), and the language of the menu is the one item of the
// languages that is not offered.
void MainWindow::showMenuIn(Language language)
{
    if (SmartMenuXP1->count() == 0) {
        for (const MenuTable::Item &item : MenuTable::items()) {
            SmartMenuXP1->addItem(MenuTable::parent(item), MenuTable::key(item), item.kind,
                                  MenuTable::caption(item, language), MenuPictures::picture(item),
                                  MenuTable::shortcut(item), MenuTable::isEnabled(item, language), item.visible);
        }
        SmartMenuXP1->setMenuFont(QStringLiteral("Ms Sans Serif"), 9);
    } else {
        for (const MenuTable::Item &item : MenuTable::items()) {
            const int position = MenuTable::position(item);
            SmartMenuXP1->setItemCaption(position, MenuTable::caption(item, language));
            SmartMenuXP1->setItemEnabled(position, MenuTable::isEnabled(item, language));
        }
    }
    m_session.history().resetOffers();
    m_recentFiles->show();
    offerEditorKeys();
}

// Ctrl+O and Ctrl+S are the Open and Save items' second keys, but only while the
// editor shows: under a panel they would act on what nobody sees. The items'
// own keys from the table stay first, so the menu shows them as it always has.
void MainWindow::offerEditorKeys()
{
    const bool shown = isEditorShown();
    const auto offer = [this, shown](const QString &key, QKeySequence::StandardKey second) {
        const MenuTable::Item *item = MenuTable::find(key);
        QAction *action = item ? SmartMenuXP1->itemAction(MenuTable::position(*item)) : nullptr;
        if (!action)
            return;
        QList<QKeySequence> keys{MenuTable::shortcut(*item)};
        if (shown)
            keys << QKeySequence(second);
        action->setShortcuts(keys);
    };
    offer(QStringLiteral("keyOpen"), QKeySequence::Open);
    offer(QStringLiteral("keySave"), QKeySequence::Save);
}

// The one place that gives the menu's commands their actions. Keys are matched
// exactly, letter case included; a key without a command (a heading, a
// separator, a recent file's place) does nothing.
void MainWindow::dispatch(const QString &key)
{
    if (const MenuTable::Item *item = MenuTable::find(key))
        run(*item);
}

// A chosen item carries its row of the table: its place in the menu. The recent
// files have no keys of their own; their places tell them apart.
void MainWindow::chooseItem(int id)
{
    const int position = SmartMenuXP1->positionOfItem(id);
    if (position < 1 || position > MenuTable::kCount)
        return;
    const int recent = position - MenuTable::kFirstRecentFilePosition;
    if (recent >= 0 && recent < MenuTable::kRecentFileCount)
        openRecentFile(recent);
    else
        run(MenuTable::items()[std::size_t(position - 1)]);
}

void MainWindow::run(const MenuTable::Item &item)
{
    switch (item.command) {
    case MenuCommand::None:
        break;
    // The commands of the hidden buttons, run directly: the buttons lie in the
    // editor area, which ignores clicks while a panel covers it.
    case MenuCommand::Open:
        openScheme();
        break;
    case MenuCommand::Save:
        saveScheme();
        break;
    case MenuCommand::Exit:
        close();
        break;
    case MenuCommand::RedScheme:
        loadRedScheme();
        break;
    case MenuCommand::GreenScheme:
        newScheme(StandardScheme::Green);
        break;
    case MenuCommand::BlueScheme:
        newScheme(StandardScheme::Blue);
        break;
    case MenuCommand::Undo:
        m_session.undo();
        break;
    case MenuCommand::Redo:
        m_session.redo();
        break;
    case MenuCommand::SwitchLanguage:
        applyLanguage(*item.language);
        break;
    case MenuCommand::Disclaimer:
        showDisclaimer();
        break;
    case MenuCommand::Support:
        showSupport();
        break;
    case MenuCommand::Links:
        showLinks();
        break;
    }
}

// A built-in scheme from the menu, once unsaved changes are seen to.
bool MainWindow::newScheme(StandardScheme scheme)
{
    if (!mayReplaceScheme())
        return false;
    loadStandardScheme(scheme);
    tellPreviousInHistory();
    return true;
}

// The red scheme, and the makers' word in the status bar when their click
// sequence came before it. Either way the sequence starts again; a command
// left undone leaves it as it was.
void MainWindow::loadRedScheme()
{
    const bool told = FramePreview->clickSequence().isComplete();
    if (!newScheme(StandardScheme::Red))
        return;
    if (told)
        StatusBar1->showLastingMessage(text(Text::SecretRedScheme));
    FramePreview->resetClickSequence();
}
