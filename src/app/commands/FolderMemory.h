#pragma once

#include <QString>

// Where the file dialogs start: the folder of the file last chosen, opened or
// saved, kept in the settings store.
namespace FolderMemory {

void remember(const QString &path);
// The folder kept, while it is still a folder that can be read: a dialog started
// in one that cannot shows an empty list and nothing to go on. Empty otherwise.
QString startFolder();

} // namespace FolderMemory
