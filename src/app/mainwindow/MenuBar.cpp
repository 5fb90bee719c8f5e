#include "MenuBar.h"

#include <QApplication>
#include <QFontDatabase>
#include <QMenu>
#include <QTextDocument>

MenuBar::MenuBar(QWidget *parent) : QMenuBar(parent)
{
    setObjectName(QStringLiteral("SmartMenuXP1"));
    setNativeMenuBar(false); // it lies inside the window's own top band
    m_menuFont = font();
}

int MenuBar::addItem(const QString &parentKey, const QString &key, MenuTable::Kind kind, const QString &caption,
                     const QIcon &picture, const QKeySequence &shortcut, bool enabled, bool visible)
{
    QWidget *owner = this;
    if (!parentKey.isEmpty()) {
        auto parent = std::find_if(m_items.begin(), m_items.end(),
                                   [&parentKey](const Item &item) { return item.key == parentKey; });
        if (parent != m_items.end())
            owner = subMenuOf(*parent);
    }

    auto *action = new QAction(picture, caption, owner);
    action->setSeparator(kind == MenuTable::Kind::Separator);
    action->setShortcut(shortcut);
    action->setEnabled(enabled);
    action->setVisible(visible);
    owner->addAction(action);

    const int id = m_nextId++;
    m_items.push_back({id, key, action, nullptr});
    connect(action, &QAction::triggered, this, [this, id] { emit itemClick(id); });
    return id;
}

QMenu *MenuBar::subMenuOf(Item &item)
{
    if (!item.menu) {
        item.menu = new QMenu(this);
        item.menu->setFont(m_menuFont);
        item.menu->setToolTipsVisible(true); // only items given a tip have one
        item.action->setMenu(item.menu);
    }
    return item.menu;
}

void MenuBar::setMenuFont(const QString &family, int pointSize)
{
    // A family the system lacks is replaced by the application's own (a
    // sans-serif font), rather than left to a slow search for a look-alike.
    const QFont font(QFontDatabase::hasFamily(family) ? family : QApplication::font().family(), pointSize);
    if (font == m_menuFont)
        return; // every rebuild asks for the same font
    m_menuFont = font;
    setFont(m_menuFont);
    for (const Item &item : m_items) {
        if (item.menu)
            item.menu->setFont(m_menuFont);
    }
}

void MenuBar::setItemEnabled(int position, bool enabled)
{
    if (QAction *action = itemAction(position))
        action->setEnabled(enabled);
}

void MenuBar::setItemVisible(int position, bool visible)
{
    if (QAction *action = itemAction(position))
        action->setVisible(visible);
}

void MenuBar::setItemCaption(int position, const QString &caption)
{
    if (QAction *action = itemAction(position))
        action->setText(caption);
}

void MenuBar::setItemTip(int position, const QString &tip)
{
    QAction *action = itemAction(position);
    if (!action)
        return;
    // A tooltip that might be rich text is shown as such: a file name holding
    // "<b>" would be drawn bold. Converted, it is shown character for character.
    action->setToolTip(tip.isEmpty() ? QString() : Qt::convertFromPlainText(tip, Qt::WhiteSpaceNoWrap));
    action->setStatusTip(tip);
}

int MenuBar::positionOfItem(int id) const
{
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].id == id)
            return int(i) + 1;
    }
    return 0;
}

QAction *MenuBar::itemAction(int position) const
{
    if (position < 1 || position > count())
        return nullptr;
    return m_items[std::size_t(position - 1)].action;
}
