#pragma once

#include "MenuTable.h"

#include <QFont>
#include <QIcon>
#include <QMenuBar>

#include <vector>

class QMenu;

// The window's menu bar, built item by item, once. Every item has a key (the
// command it stands for) and a position: its number in the order of adding,
// counted from 1 across the whole tree, separators and hidden items included.
// The bar reports a chosen item by an identifier that positionOfItem() turns
// back into the position.
class MenuBar : public QMenuBar
{
    Q_OBJECT
public:
    explicit MenuBar(QWidget *parent = nullptr);

    // Appends an item as the last child of the item with parentKey (a heading of
    // the bar when parentKey is empty) and returns its identifier.
    int addItem(const QString &parentKey, const QString &key, MenuTable::Kind kind, const QString &caption,
                const QIcon &picture, const QKeySequence &shortcut, bool enabled, bool visible);
    // The font of the menu texts; a family the system lacks gives a sans-serif
    // font of the same size.
    void setMenuFont(const QString &family, int pointSize);

    // Enables or disables the item at a position (1 to count()); other positions
    // are ignored.
    void setItemEnabled(int position, bool enabled);
    void setItemVisible(int position, bool visible);
    void setItemCaption(int position, const QString &caption);
    // What the item says while the pointer rests on it: a tooltip shown by its
    // menu, and the status tip. Shown as plain text, whatever characters it holds.
    void setItemTip(int position, const QString &tip);
    // The position of the item with an identifier, or 0.
    int positionOfItem(int id) const;

    int count() const { return int(m_items.size()); }
    // The action that shows the item at a position, or null.
    QAction *itemAction(int position) const;

signals:
    void itemClick(int id);

private:
    struct Item
    {
        int id;
        QString key;
        QAction *action;
        QMenu *menu; // the item's own sub-menu, once it has children
    };

    QMenu *subMenuOf(Item &item);

    std::vector<Item> m_items;
    int m_nextId = 1;
    QFont m_menuFont;
};
