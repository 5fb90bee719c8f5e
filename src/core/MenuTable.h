#pragma once

#include "Languages.h"

#include <QString>

#include <array>

// The menu tree: 29 items, added to the menu bar in this order. An item's
// position (1 to 29, separators and hidden items included) is how the menu bar
// addresses it; positions 17 and 18 are Undo and Redo.
class MenuTable
{
public:
    static constexpr int kCount = 29;
    static constexpr int kUndoPosition = 17;
    static constexpr int kRedoPosition = 18;
    // The recent-files entry, the separator after it and its four places.
    static constexpr int kRecentPosition = 6;
    static constexpr int kRecentSeparatorPosition = 7;
    static constexpr int kFirstRecentFilePosition = 12;
    static constexpr int kRecentFileCount = 4;

    enum class Kind { Ordinary = 0, Marked = 1, Separator = 3 };
    // The two picture lists of the window: six menu icons and eight 16 x 11
    // pictures (flags and scheme swatches), numbered from 1.
    enum class ImageList { None, Menu, Flags };
    // Shortcut modifiers as a bit mask.
    static constexpr int kShift = 1, kCtrl = 2, kAlt = 4;

    struct Item
    {
        const char *key;    // empty for separators and the recent-file placeholders
        const char *parent; // empty for a heading of the bar
        Kind kind;
        struct
        {
            ImageList list;
            int index;
        } picture;
        int modifiers;
        int keyCode; // a virtual key code ('Q' is 81); 0: no shortcut
        bool enabled;
        bool visible;
        const char *captions[Languages::kCount];
    };

    static const std::array<Item, kCount> &items();

    static QString key(const Item &item) { return QString::fromUtf8(item.key); }
    static QString parent(const Item &item) { return QString::fromUtf8(item.parent); }
    static QString caption(const Item &item, Language language);
    // As built for a language's menu: the entry of the language itself is the
    // one disabled language entry.
    static bool isEnabled(const Item &item, Language language);
};
