#include "FolderMemory.h"

#include "Settings.h"

#include <QFileInfo>

void FolderMemory::remember(const QString &path)
{
    Settings::storeLastFolder(QFileInfo(path).absolutePath());
}

QString FolderMemory::startFolder()
{
    const QString folder = Settings::lastFolder();
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isReadable() && info.isExecutable() ? folder : QString();
}
