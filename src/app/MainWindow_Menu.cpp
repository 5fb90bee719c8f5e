// The menu bar: building it in a language from the menu table, and running the
// command of a chosen item.
#include "MainWindow.h"

#include "MenuBar.h"
#include "MenuPictures.h"
#include "MenuTable.h"
#include "Texts.h"

#include <QLabel>
#include <QPushButton>

void MainWindow::buildMenu(Language language)
{
    SmartMenuXP1->clearItems();
    for (const MenuTable::Item &item : MenuTable::items()) {
        SmartMenuXP1->addItem(MenuTable::parent(item), MenuTable::key(item), int(item.kind),
                              MenuTable::caption(item, language),
                              MenuPictures::picture(item.picture.list, item.picture.index), item.modifiers,
                              item.keyCode, 0, MenuTable::isEnabled(item, language), item.visible);
    }
    SmartMenuXP1->setMenuFont(QStringLiteral("Ms Sans Serif"), 9);
    m_session.history().resetOffers();
    showRecentFiles();
}

// Keys are matched exactly, letter case included; a key without a command (a
// heading, a separator, a placeholder) does nothing.
void MainWindow::dispatch(const QString &key)
{
    const std::pair<QStringView, std::function<void()>> commands[] = {
        {u"keyExit", [this] { close(); }},
        {u"keyBluescheme", [this] { loadStandardScheme(StandardScheme::Blue); }},
        {u"keyRedscheme", [this] { loadRedScheme(); }},
        {u"keyGreenscheme", [this] { loadStandardScheme(StandardScheme::Green); }},
        {u"keySave", [this] { cmdSave->click(); }},
        {u"keyOpen", [this] { cmdOpen->click(); }},
        {u"keyCopyright", [this] { showDisclaimer(); }},
        {u"keySupport", [this] { showSupport(); }},
        {u"keyLinks", [this] { showLinks(); }},
        {u"keyUndo", [this] { undo(); }},
        {u"keyRedo", [this] { redo(); }},
    };
    for (const auto &[commandKey, run] : commands) {
        if (key == commandKey) {
            run();
            return;
        }
    }
    if (const auto language = Languages::fromMenuKey(key))
        applyLanguage(*language);
}

// The red scheme, and the makers' word in the status bar when their click
// sequence came before it. Either way the sequence starts again.
void MainWindow::loadRedScheme()
{
    if (m_clickSequence.isComplete())
        StatusBar1Panel1->setText(text(Text::SecretRedScheme));
    loadStandardScheme(StandardScheme::Red);
    m_clickSequence.reset();
}
