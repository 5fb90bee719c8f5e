#include "RecentFilesMenu.h"

#include "MenuBar.h"
#include "MenuTable.h"
#include "Settings.h"

#include <QDir>
#include <QFileInfo>

namespace {

template <typename Change>
RecentFiles storeChanged(Change change)
{
    RecentFiles files(Settings::recentFiles());
    change(files);
    Settings::storeRecentFiles(files.files());
    return files;
}

} // namespace

void RecentFilesMenu::load()
{
    m_files = RecentFiles(Settings::recentFiles());
}

void RecentFilesMenu::remember(const QString &path)
{
    m_files = storeChanged([&path](RecentFiles &files) { files.add(path); });
    show();
}

void RecentFilesMenu::forget(const QString &path)
{
    m_files = storeChanged([&path](RecentFiles &files) { files.remove(path); });
    show();
}

void RecentFilesMenu::show()
{
    const QStringList &files = m_files.files();
    const bool any = !files.isEmpty();
    m_bar.setItemVisible(MenuTable::kRecentPosition, any);
    m_bar.setItemEnabled(MenuTable::kRecentPosition, any);
    m_bar.setItemVisible(MenuTable::kRecentSeparatorPosition, any);
    for (int i = 0; i < MenuTable::kRecentFileCount; ++i) {
        const int position = MenuTable::kFirstRecentFilePosition + i;
        m_bar.setItemVisible(position, i < files.size());
        if (i >= files.size())
            continue;
        // The number is the access key; an "&" of the file name is shown as it is.
        const QString name = QFileInfo(files[i]).fileName().replace(u'&', QStringLiteral("&&"));
        m_bar.setItemCaption(position, u'&' + QString::number(i + 1) + u' ' + name);
        // Two files of the same name in different folders are told apart by their paths.
        m_bar.setItemTip(position, QDir::toNativeSeparators(files[i]));
    }
}
