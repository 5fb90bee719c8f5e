#pragma once

#include "Languages.h"

#include <QKeySequence>
#include <QString>

#include <array>
#include <optional>

// What choosing a menu item does. Headings, separators and the places of the
// recent files (which the window tells apart by their places) do nothing.
enum class MenuCommand {
    None,
    Open,
    Save,
    Exit,
    RedScheme,
    GreenScheme,
    BlueScheme,
    Undo,
    Redo,
    SwitchLanguage, // to the item's language
    Disclaimer,
    Support,
    Links,
};

// The menu tree: 29 items, added to the menu bar in this order. An item's
// position (1 to 29, separators and hidden items included) is how the menu bar
// addresses it. The positions below are found in the table when it is compiled.
class MenuTable
{
public:
    static constexpr int kCount = 29;
    static const int kUndoPosition;
    static const int kRedoPosition;
    // The recent-files entry, the separator after it and its places.
    static const int kRecentPosition;
    static const int kRecentSeparatorPosition;
    static const int kFirstRecentFilePosition;
    static const int kRecentFileCount;

    enum class Kind { Ordinary, Marked, Separator };
    // The picture beside an item: one of the six menu icons, the swatch of a
    // built-in scheme, or the flag of the item's language.
    enum class Picture { None, Undo, Redo, Save, Open, New, Help, RedScheme, GreenScheme, BlueScheme, Flag };

    struct Item
    {
        const char *key;    // empty for separators and the recent-file places
        const char *parent; // empty for a heading of the bar
        MenuCommand command;
        std::optional<Language> language; // the language of a SwitchLanguage item
        Kind kind;
        Picture picture;
        QKeyCombination keys; // a modifier without a key is no shortcut
        bool enabled;
        bool visible;
        const char *captions[Languages::kCount]; // none for separators
    };

    static const std::array<Item, kCount> &items();
    // The item with a key, matched exactly, letter case included; null for an
    // empty key and for a key no item has.
    static const Item *find(const QString &key);
    // 1 to kCount.
    static int position(const Item &item);
    // The key of the item that switches to a language.
    static QString switchKey(Language language);

    static QString key(const Item &item) { return QString::fromUtf8(item.key); }
    // The item's shortcut; none for a modifier without a key.
    static QKeySequence shortcut(const Item &item);
    static QString parent(const Item &item) { return QString::fromUtf8(item.parent); }
    static QString caption(const Item &item, Language language);
    // As built for a language's menu: the entry of the language itself is the
    // one disabled language entry.
    static bool isEnabled(const Item &item, Language language);
};
