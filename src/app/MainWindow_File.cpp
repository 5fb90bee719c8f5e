// The window's file commands: open and save a scheme, the built-in schemes, and
// loading preview pictures.
#include "MainWindow.h"

#include "PictureFile.h"
#include "SchemeFile.h"
#include "MenuBar.h"
#include "MenuTable.h"
#include "Settings.h"
#include "StatusBar.h"
#include "UserDialogs.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>

namespace {
// "all (*)" rather than "all (*.*)": on this system "*.*" would hide the files
// without an extension, which saving a name typed without ".col" creates.
const QString kOpenFilter = QStringLiteral("*.col;;all (*)");
const QString kSaveFilter = QStringLiteral("Colour Scheme (*.col);;all (*)");
const QString kPictureFilter = QStringLiteral("*.bmp;;all (*)");
} // namespace

// A file that does not read cleanly leaves the scheme in memory exactly as it
// was. One that ends early is loaded (the missing colours are black), and so is
// one that goes on after its 60th entry (the rest is ignored); the user is told.
void MainWindow::openScheme()
{
    const QString path = m_dialogs->openFileName(this, kOpenFilter, startFolder());
    if (path.isEmpty())
        return;
    rememberFolder(path);
    openSchemeFile(path);
}

void MainWindow::rememberFolder(const QString &path)
{
    Settings::storeLastFolder(QFileInfo(path).absolutePath());
}

// The folder kept, while it is still a folder that can be read: a dialog started
// in one that cannot shows an empty list and nothing to go on.
QString MainWindow::startFolder()
{
    const QString folder = Settings::lastFolder();
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isReadable() && info.isExecutable() ? folder : QString();
}

void MainWindow::openSchemeFile(const QString &path)
{
    const SchemeReadResult result = SchemeFile::read(path);
    if (!result.isLoadable()) {
        showProblem(Text::OpenFailed, path, result.problem(Languages::current()));
        return;
    }
    m_scheme.apply(result);
    rememberRecentFile(path);

    QString told;
    switch (result.status) {
    case SchemeReadResult::Status::Incomplete:
        told = text(Text::FileEndsEarly)
                   .arg(path, QString::number(result.completeEntries), QString::number(kElementCount));
        break;
    case SchemeReadResult::Status::TrailingContent:
        told = text(Text::FileGoesOn).arg(path, QString::number(kElementCount), QString::number(result.line));
        break;
    case SchemeReadResult::Status::Complete:
    case SchemeReadResult::Status::Failed:
        return;
    }
    m_dialogs->showMessage(this, UserDialogs::Severity::Information, told, result.problem(Languages::current()));
}

void MainWindow::saveScheme()
{
    const QString path = m_dialogs->saveFileName(this, kSaveFilter, startFolder());
    if (path.isEmpty())
        return;
    rememberFolder(path);
    if (const auto problem = SchemeFile::save(m_scheme.scheme(), path)) {
        showProblem(Text::SaveFailed, path, problem->words(Languages::current()));
    } else {
        rememberRecentFile(path);
        StatusBar1->showMessage(text(Text::SchemeSaved).arg(QDir::toNativeSeparators(path)));
    }
}

void MainWindow::loadStandardScheme(StandardScheme scheme)
{
    m_scheme.loadStandard(scheme);
}

void MainWindow::loadMask()
{
    const QString path = m_dialogs->openFileName(this, kPictureFilter, startFolder());
    if (path.isEmpty())
        return;
    rememberFolder(path);
    if (const auto problem = m_panes.loadMaskFile(path)) {
        // The one message of its own words: it stands alone, with the file below.
        if (problem->reason == Text::Only24Bit)
            m_dialogs->showMessage(this, UserDialogs::Severity::Warning, problem->words(Languages::current()), path);
        else
            showProblem(Text::PictureRefused, path, problem->words(Languages::current()));
    }
}

void MainWindow::showProblem(Text message, const QString &path, const QString &details)
{
    m_dialogs->showMessage(this, UserDialogs::Severity::Warning, text(message).arg(path), details);
}

// --- Recent files: hidden while the list is empty, so that a first start shows
// the menu as it always was; then the entry with up to four files, in the places
// the menu keeps for them.

namespace {

// Another window of the program may have changed the stored list since this one
// read it: every change starts from the list as stored now, or the last window
// to write would drop the other's files.
template <typename Change>
RecentFiles storeChanged(Change change)
{
    RecentFiles files(Settings::recentFiles());
    change(files);
    Settings::storeRecentFiles(files.files());
    return files;
}

} // namespace

void MainWindow::rememberRecentFile(const QString &path)
{
    rememberFolder(path);
    m_recentFiles = storeChanged([&path](RecentFiles &files) { files.add(path); });
    showRecentFiles();
}

void MainWindow::showRecentFiles()
{
    const QStringList &files = m_recentFiles.files();
    const bool any = !files.isEmpty();
    SmartMenuXP1->setItemVisible(MenuTable::kRecentPosition, any);
    SmartMenuXP1->setItemEnabled(MenuTable::kRecentPosition, any);
    SmartMenuXP1->setItemVisible(MenuTable::kRecentSeparatorPosition, any);
    for (int i = 0; i < MenuTable::kRecentFileCount; ++i) {
        const int position = MenuTable::kFirstRecentFilePosition + i;
        SmartMenuXP1->setItemVisible(position, i < files.size());
        if (i >= files.size())
            continue;
        // The number is the access key; an "&" of the file name is shown as it is.
        const QString name = QFileInfo(files[i]).fileName().replace(u'&', QStringLiteral("&&"));
        SmartMenuXP1->setItemCaption(position, u'&' + QString::number(i + 1) + u' ' + name);
        // Two files of the same name in different folders are told apart by their paths.
        SmartMenuXP1->setItemTip(position, QDir::toNativeSeparators(files[i]));
    }
}

void MainWindow::openRecentFile(int index)
{
    const QString path = m_recentFiles.files().value(index);
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path)) {
        m_recentFiles = storeChanged([&path](RecentFiles &files) { files.remove(path); });
        showRecentFiles();
        m_dialogs->showMessage(this, UserDialogs::Severity::Warning, text(Text::RecentFileGone).arg(path), {});
        return;
    }
    openSchemeFile(path);
}

// --- Drag and drop

namespace {

QString schemeFileOf(const QUrl &url)
{
    const QString path = url.toLocalFile();
    return path.endsWith(QStringLiteral(".col"), Qt::CaseInsensitive) ? path : QString();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && !schemeFileOf(urls.first()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    const QString path = urls.isEmpty() ? QString() : schemeFileOf(urls.first());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    if (urls.size() > 1)
        StatusBar1->showMessage(text(Text::OnlyFirstDropped).arg(QString::number(urls.size()), path));
    openSchemeFile(path);
}
