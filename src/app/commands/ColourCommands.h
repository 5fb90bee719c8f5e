#pragma once

#include "EditSession.h"
#include "Languages.h"
#include "Rgb.h"

#include <QList>
#include <QObject>

#include <array>

class EditSession;
class QAction;
class QMenu;
class QWidget;

// Colours for the current element from outside the editor: copied to and
// pasted from the clipboard, typed into a small dialog, or taken back from a
// built-in scheme. A colour that arrives goes to the element through the
// session as a command: one step for Undo, and Undo offered again. What went
// wrong is announced as a message for the status bar.
//
// Copy and paste also answer Ctrl+C and Ctrl+V anywhere in an area of the
// window, except inside a text box, where the keys keep their text meaning.
class ColourCommands : public QObject
{
    Q_OBJECT
public:
    // The window is the parent of the dialog.
    ColourCommands(EditSession &session, QWidget *window);

    // Ctrl+C and Ctrl+V while the focus is in the area.
    void addShortcutsTo(QWidget *area);
    // The commands as a context menu shows them: the current element's name,
    // copy, paste, enter, and the built-in schemes' sub-menu.
    QList<QAction *> actions() const;
    // Another menu that holds the actions: the name is brought up to date as it opens.
    void watch(QMenu *menu);
    // A context menu of the commands alone.
    QMenu *menu() const { return m_menu; }

    // The menus' words follow the interface language (Qt's LanguageChange, which
    // the window passes on to its children).
    bool event(QEvent *event) override;

    void copy();
    void paste();
    void enter();

signals:
    void message(const QString &text);

private:
    void take(const Rgb &colour, EditSession::Change how);
    void nameTarget();
    void retranslate();

    EditSession &m_session;
    QWidget *m_window;
    QAction *m_target = nullptr; // the element's number and name, not a command
    QAction *m_copy = nullptr;
    QAction *m_paste = nullptr;
    QAction *m_enter = nullptr;
    QMenu *m_reset = nullptr;
    std::array<QAction *, 3> m_resetTo{}; // blue, green, red
    QMenu *m_menu = nullptr;
};
