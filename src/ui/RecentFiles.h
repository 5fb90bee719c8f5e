#pragma once

#include <QStringList>

// The schemes last opened or saved, newest first, each once, at most as many as
// the menu has places for.
class RecentFiles
{
public:
    explicit RecentFiles(const QStringList &files = {});

    const QStringList &files() const { return m_files; }
    bool isEmpty() const { return m_files.isEmpty(); }

    void add(const QString &file);
    void remove(const QString &file);

private:
    QStringList m_files;
};
