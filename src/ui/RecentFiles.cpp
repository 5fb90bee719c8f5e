#include "RecentFiles.h"

#include "MenuTable.h"

#include <QFileInfo>

namespace {

// Two names of the same file count as one.
QString canonical(const QString &file)
{
    const QFileInfo info(file);
    const QString path = info.canonicalFilePath();
    return path.isEmpty() ? info.absoluteFilePath() : path;
}

} // namespace

RecentFiles::RecentFiles(const QStringList &files)
{
    for (auto it = files.crbegin(); it != files.crend(); ++it) {
        if (!it->isEmpty())
            add(*it);
    }
}

void RecentFiles::add(const QString &file)
{
    remove(file);
    m_files.prepend(canonical(file));
    while (m_files.size() > MenuTable::kRecentFileCount)
        m_files.removeLast();
}

void RecentFiles::remove(const QString &file)
{
    const QString path = canonical(file);
    m_files.removeAll(path);
    m_files.removeAll(file);
}
