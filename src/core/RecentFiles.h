#pragma once

#include <QStringList>

// The schemes last opened or saved, newest first, at most four, each once.
class RecentFiles
{
public:
    static constexpr int kMaximum = 4;

    explicit RecentFiles(const QStringList &files = {});

    const QStringList &files() const { return m_files; }
    bool isEmpty() const { return m_files.isEmpty(); }

    void add(const QString &file);
    void remove(const QString &file);

private:
    QStringList m_files;
};
