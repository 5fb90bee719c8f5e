#pragma once

#include "RecentFiles.h"

#include <QString>

class MenuBar;

// The recent files of the File menu: up to four, in the places the menu keeps
// for them, and the entry that holds them hidden while there are none, so that
// a first start shows the menu as it always was. The list lives in the settings
// store; another window of the program may have changed it since this one read
// it, so every change starts from the list as stored now, or the last window to
// write would drop the other's files.
class RecentFilesMenu
{
public:
    explicit RecentFilesMenu(MenuBar &bar) : m_bar(bar) {}

    // Reads the stored list.
    void load();
    // Shows the list in the menu as it is built now.
    void show();
    void remember(const QString &path);
    void forget(const QString &path);
    // The file at a place of the menu (0 to 3), or an empty text.
    QString file(int index) const { return m_files.files().value(index); }

private:
    MenuBar &m_bar;
    RecentFiles m_files;
};
