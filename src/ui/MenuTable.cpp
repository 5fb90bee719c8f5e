#include "MenuTable.h"

#include <cstddef>

namespace {

using Command = MenuCommand;
using Kind = MenuTable::Kind;
using Picture = MenuTable::Picture;

// The entry that holds the recent files, whose places the window fills.
constexpr char kRecentKey[] = "keyRecent";

// Key, parent, command and its language, kind, picture, shortcut keys (a
// modifier without a key is none), enabled, visible, and the captions in German, English, French, Spanish
// and Dutch; "&" marks the access key.
constexpr std::array<MenuTable::Item, MenuTable::kCount> kItems = {{
    {"keyFile", "", Command::None, {}, Kind::Ordinary, Picture::None, {}, true, true, // 1
     {"&Datei", "&File", "&Fichier", "&Fichero", "&Bestand"}},
    {"keyNew", "keyFile", Command::None, {}, Kind::Ordinary, Picture::New, {}, true, true, // 2
     {"&Neu", "&New", "&Nouveau", "&Nuevo", "&Nieuw"}},
    {"keyOpen", "keyFile", Command::Open, {}, Kind::Ordinary, Picture::Open, {}, true, true, // 3
     {"&Öffnen", "&Open", "&Ouvrir", "&Abrir", "&Open"}},
    {"keySave", "keyFile", Command::Save, {}, Kind::Ordinary, Picture::Save, {}, true, true, // 4
     {"&Speichern", "&Save", "&Enregistrer", "&Guardar", "&Opslaan"}},
    {"", "keyFile", Command::None, {}, Kind::Separator, Picture::None, {}, true, true, // 5
     {}},
    {kRecentKey, "keyFile", Command::None, {}, Kind::Ordinary, Picture::None, {}, false, false, // 6
     {"&Letzte Dateien", "&last Files", "&derniers fichiers", "&last Files", "&Laatst geopende bestanden"}},
    {"", "keyFile", Command::None, {}, Kind::Separator, Picture::None, {}, true, false, // 7
     {}},
    {"keyExit", "keyFile", Command::Exit, {}, Kind::Ordinary, Picture::None, Qt::ALT | Qt::Key_Q, true, true, // 8
     {"&Beenden", "&Exit", "&Quitter", "&Salir", "&Afsluiten"}},
    {"keyRedscheme", "keyNew", Command::RedScheme, {}, Kind::Marked, Picture::RedScheme, Qt::CTRL | Qt::Key(0), true, true, // 9
     {"&Redscheme...", "&Redscheme...", "&Thème rouge...", "Esquema en &Rojo...", "&Rood schema..."}},
    {"keyGreenscheme", "keyNew", Command::GreenScheme, {}, Kind::Marked, Picture::GreenScheme, Qt::CTRL | Qt::Key(0), true, true, // 10
     {"&Greenscheme...", "&Greenscheme...", "&Thème vert...", "Esquema en &Verde...", "&Groen schema..."}},
    {"keyBluescheme", "keyNew", Command::BlueScheme, {}, Kind::Marked, Picture::BlueScheme, Qt::CTRL | Qt::Key_N, true, true, // 11
     {"&Bluescheme...", "&Bluescheme...", "&Thème bleu...", "Esquema en &Azul...", "&Blauw schema..."}},
    {"", kRecentKey, Command::None, {}, Kind::Ordinary, Picture::None, {}, true, true, // 12
     {"&1 [...]", "&1 [...]", "&1 [...]", "&1 [...]", "&1 [...]"}},
    {"", kRecentKey, Command::None, {}, Kind::Ordinary, Picture::None, {}, true, true, // 13
     {"&2 [...]", "&2 [...]", "&2 [...]", "&2 [...]", "&2 [...]"}},
    {"", kRecentKey, Command::None, {}, Kind::Ordinary, Picture::None, {}, true, true, // 14
     {"&3 [...]", "&3 [...]", "&3 [...]", "&3 [...]", "&3 [...]"}},
    {"", kRecentKey, Command::None, {}, Kind::Ordinary, Picture::None, {}, true, true, // 15
     {"&4 [...]", "&4 [...]", "&4 [...]", "&4 [...]", "&4 [...]"}},
    {"keyEdit", "", Command::None, {}, Kind::Ordinary, Picture::None, {}, true, true, // 16
     {"&Edit", "&Edit", "&Edition", "&Editar", "&Bewerken"}},
    {"keyUndo", "keyEdit", Command::Undo, {}, Kind::Marked, Picture::Undo, Qt::CTRL | Qt::Key_Z, true, true, // 17
     {"&Undo", "&Undo", "&Annuler", "&Undo", "&ongedaan maken"}},
    {"keyRedo", "keyEdit", Command::Redo, {}, Kind::Marked, Picture::Redo, Qt::CTRL | Qt::SHIFT | Qt::Key_Z, false, true, // 18
     {"&Redo", "&Redo", "&Rétablir", "&Redo", "&opnieuw uitvoeren"}},
    {"keyEinstellungen", "", Command::None, {}, Kind::Ordinary, Picture::None, {}, true, true, // 19
     {"&Einstellungen", "&Configuration", "&Options", "&Configuración", "&Configuratie"}},
    {"keyEnglish", "keyEinstellungen", Command::SwitchLanguage, Language::English, Kind::Ordinary, Picture::Flag, {}, true, true, // 20
     {"switch to english version", "switch to english version", "switch to english version", "switch to english version", "switch to english version"}},
    {"keyGerman", "keyEinstellungen", Command::SwitchLanguage, Language::German, Kind::Ordinary, Picture::Flag, {}, true, true, // 21
     {"zur deutschen Version wechseln", "zur deutschen Version wechseln", "zur deutschen Version wechseln", "zur deutschen Version wechseln", "zur deutschen Version wechseln"}},
    {"keyEspanol", "keyEinstellungen", Command::SwitchLanguage, Language::Spanish, Kind::Ordinary, Picture::Flag, {}, true, true, // 22
     {"cambiar a idioma español", "cambiar a idioma español", "Cambiar a idioma Español", "cambiar a idioma español", "cambiar a idioma español"}},
    {"keyFrance", "keyEinstellungen", Command::SwitchLanguage, Language::French, Kind::Ordinary, Picture::Flag, {}, true, true, // 23
     {"langue: français", "langue: français", "langue: français", "langue: français", "langue: français"}},
    {"keyDutch", "keyEinstellungen", Command::SwitchLanguage, Language::Dutch, Kind::Ordinary, Picture::Flag, {}, true, true, // 24
     {"verander in nederlands versie", "verander in nederlands versie", "verander in nederlands versie", "verander in nederlands versie", "verander in nederlands versie"}},
    {"keyHelp", "", Command::None, {}, Kind::Ordinary, Picture::None, {}, true, true, // 25
     {"&About", "&About", " &? ", "&Acerca de", "&Over"}},
    {"keyCopyright", "keyHelp", Command::Disclaimer, {}, Kind::Ordinary, Picture::None, {}, true, true, // 26
     {"&Copyright / Disclaimer", "&Copyright / Disclaimer", "&Copyright / Dénégation", "&Copyright / Disclaimer", "&Auteursrechten / Disclaimer"}},
    {"", "keyHelp", Command::None, {}, Kind::Separator, Picture::None, {}, true, true, // 27
     {}},
    {"keySupport", "keyHelp", Command::Support, {}, Kind::Ordinary, Picture::Help, {}, true, true, // 28
     {"&Support", "&Support", "&Support", "&Ayuda", "&Support"}},
    {"keyLinks", "keyHelp", Command::Links, {}, Kind::Ordinary, Picture::None, {}, true, true, // 29
     {"&Links", "&Links", "&Liens", "&Enlaces", "&Links"}},
}};

constexpr bool same(const char *a, const char *b)
{
    while (*a != '\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

constexpr bool filled(const char *text)
{
    return text && text[0] != '\0';
}

// The position of the first item from `from` on that has a command, or 0.
constexpr int positionOf(Command command, std::size_t from = 0)
{
    for (std::size_t i = from; i < kItems.size(); ++i) {
        if (kItems[i].command == command)
            return int(i) + 1;
    }
    return 0;
}

// The position of the first item whose key (or parent) is a text, or 0.
constexpr int positionWhere(const char *MenuTable::Item::*field, const char *text)
{
    for (std::size_t i = 0; i < kItems.size(); ++i) {
        if (same(kItems[i].*field, text))
            return int(i) + 1;
    }
    return 0;
}

constexpr int positionOfKey(const char *key)
{
    return positionWhere(&MenuTable::Item::key, key);
}

constexpr int childCount(const char *parent)
{
    int count = 0;
    for (const MenuTable::Item &item : kItems)
        count += same(item.parent, parent) ? 1 : 0;
    return count;
}

// Every item but a separator has a caption in every language.
constexpr bool captionsComplete()
{
    for (const MenuTable::Item &item : kItems) {
        for (const char *caption : item.captions) {
            if (item.kind != Kind::Separator && !filled(caption))
                return false;
        }
    }
    return true;
}
static_assert(captionsComplete(), "a menu item lacks the caption of a language");

constexpr bool treeSound()
{
    for (std::size_t i = 0; i < kItems.size(); ++i) {
        const MenuTable::Item &item = kItems[i];
        if (!item.key || !item.parent)
            return false;
        const int position = int(i) + 1;
        if (filled(item.key) && positionOfKey(item.key) != position)
            return false; // a key given twice
        // The menu bar adds an item to its parent, which must be there already.
        const int parent = filled(item.parent) ? positionOfKey(item.parent) : -1;
        if (parent == 0 || parent >= position)
            return false;
        if (item.command != Command::None && !filled(item.key))
            return false; // the menu bar reports a choice by its key
    }
    return true;
}
static_assert(treeSound(), "every key once, every parent before its children, every command with a key");

// One item per command, but one per language for SwitchLanguage; the language
// items, and they alone, carry their language and show its flag.
constexpr bool commandsSound()
{
    for (std::size_t i = 0; i < kItems.size(); ++i) {
        const MenuTable::Item &item = kItems[i];
        const bool switches = item.command == Command::SwitchLanguage;
        if (switches != item.language.has_value() || switches != (item.picture == Picture::Flag))
            return false;
        if (!switches && item.command != Command::None && positionOf(item.command, i + 1) != 0)
            return false;
    }
    for (Language language : Languages::kAll) {
        int items = 0;
        for (const MenuTable::Item &item : kItems)
            items += item.language == language ? 1 : 0;
        if (items != 1)
            return false;
    }
    return true;
}
static_assert(commandsSound(), "each command once, one language item per language");

} // namespace

const int MenuTable::kUndoPosition = positionOf(Command::Undo);
const int MenuTable::kRedoPosition = positionOf(Command::Redo);
const int MenuTable::kRecentPosition = positionOfKey(kRecentKey);
const int MenuTable::kRecentSeparatorPosition = MenuTable::kRecentPosition + 1;
const int MenuTable::kFirstRecentFilePosition = positionWhere(&MenuTable::Item::parent, kRecentKey);
const int MenuTable::kRecentFileCount = childCount(kRecentKey);

namespace {

// The places follow each other, hold no command and are filled by the window;
// a separator follows their entry.
constexpr bool recentPlacesSound()
{
    const int first = MenuTable::kFirstRecentFilePosition;
    for (int position = first; position < first + MenuTable::kRecentFileCount; ++position) {
        const MenuTable::Item &item = kItems[std::size_t(position - 1)];
        if (!same(item.parent, kRecentKey) || filled(item.key) || item.kind == Kind::Separator)
            return false;
    }
    const MenuTable::Item &entry = kItems[std::size_t(MenuTable::kRecentPosition - 1)];
    const MenuTable::Item &separator = kItems[std::size_t(MenuTable::kRecentSeparatorPosition - 1)];
    return MenuTable::kRecentFileCount > 0 && separator.kind == Kind::Separator && same(separator.parent, entry.parent);
}
static_assert(recentPlacesSound(), "the recent files take places of their own, with a separator after their entry");
static_assert(MenuTable::kUndoPosition > 0 && MenuTable::kRedoPosition > 0, "Undo and Redo are in the menu");

} // namespace

QKeySequence MenuTable::shortcut(const Item &item)
{
    const Qt::Key key = item.keys.key();
    return key == Qt::Key(0) || key == Qt::Key_unknown ? QKeySequence() : QKeySequence(item.keys);
}

const std::array<MenuTable::Item, MenuTable::kCount> &MenuTable::items()
{
    return kItems;
}

const MenuTable::Item *MenuTable::find(const QString &key)
{
    if (key.isEmpty())
        return nullptr;
    for (const Item &item : kItems) {
        if (key == QLatin1StringView(item.key))
            return &item;
    }
    return nullptr;
}

int MenuTable::position(const Item &item)
{
    return int(&item - kItems.data()) + 1;
}

QString MenuTable::switchKey(Language language)
{
    for (const Item &item : kItems) {
        if (item.language == language)
            return key(item);
    }
    return {};
}

QString MenuTable::caption(const Item &item, Language language)
{
    return QString::fromUtf8(item.captions[Languages::index(language)]);
}

bool MenuTable::isEnabled(const Item &item, Language language)
{
    return item.enabled && item.language != language;
}
