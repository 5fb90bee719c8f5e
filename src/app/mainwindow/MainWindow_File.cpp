// The window's file commands: open and save a scheme, the built-in schemes,
// the question before unsaved changes go, and loading preview pictures.
#include "MainWindow.h"

#include "FolderMemory.h"
#include "PictureFile.h"
#include "RecentFilesMenu.h"
#include "SchemeFile.h"
#include "StatusBar.h"
#include "UserDialogs.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QImageReader>
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
    if (!mayReplaceScheme())
        return;
    const QString path = m_dialogs->openFileName(this, kOpenFilter, FolderMemory::startFolder());
    if (path.isEmpty())
        return;
    FolderMemory::remember(path);
    if (openSchemeFile(path))
        tellPreviousInHistory();
}

bool MainWindow::openSchemeFile(const QString &path)
{
    const SchemeReadResult result = SchemeFile::read(path);
    if (!result.isLoadable()) {
        showProblem(Text::OpenFailed, path, result.problem(Languages::current()));
        return false;
    }
    m_scheme.apply(result, path);
    m_scheme.markUnmodified();
    rememberFile(path);

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
        return true;
    }
    // The message says what the read found (how many colours, from which line
    // on the rest was ignored): the read's own wording of it in the details
    // would say it a second time.
    m_dialogs->showMessage(this, UserDialogs::Severity::Information, told, {});
    return true;
}

bool MainWindow::saveScheme()
{
    const QString path = m_dialogs->saveFileName(this, kSaveFilter, FolderMemory::startFolder());
    if (path.isEmpty())
        return false;
    FolderMemory::remember(path);
    if (const auto problem = SchemeFile::save(m_scheme.scheme(), path)) {
        showProblem(Text::SaveFailed, path, problem->words(Languages::current()));
        return false;
    }
    m_scheme.markUnmodified();
    rememberFile(path);
    StatusBar1->showMessage(text(Text::SchemeSaved).arg(QDir::toNativeSeparators(path)));
    return true;
}

// A built-in scheme starts the scheme anew: unchanged until it is changed.
void MainWindow::loadStandardScheme(StandardScheme scheme)
{
    m_scheme.loadStandard(scheme);
    m_scheme.markUnmodified();
}

// Before a command replaces or ends a scheme with changes, the user says what
// becomes of them: saved first (a cancelled save dialog or a failed save leaves
// the command undone), let go, or kept with the command undone.
bool MainWindow::mayReplaceScheme()
{
    if (!m_scheme.isModified())
        return true;
    switch (m_dialogs->askToSave(this, text(Text::UnsavedChanges))) {
    case UserDialogs::SaveAnswer::Save:
        return saveScheme();
    case UserDialogs::SaveAnswer::Discard:
        return true;
    case UserDialogs::SaveAnswer::Cancel:
        break;
    }
    return false;
}

// After a command replaced the scheme, where the one before can be found.
void MainWindow::tellPreviousInHistory()
{
    StatusBar1->showMessage(text(Text::PreviousInHistory));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (mayReplaceScheme())
        QWidget::closeEvent(event);
    else
        event->ignore();
}

void MainWindow::loadMask()
{
    const QString path = m_dialogs->openFileName(this, kPictureFilter, FolderMemory::startFolder());
    if (path.isEmpty())
        return;
    FolderMemory::remember(path);
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

// --- Recent files

void MainWindow::rememberFile(const QString &path)
{
    FolderMemory::remember(path);
    m_recentFiles->remember(path);
}

void MainWindow::openRecentFile(int index)
{
    const QString path = m_recentFiles->file(index);
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path)) {
        m_recentFiles->forget(path);
        m_dialogs->showMessage(this, UserDialogs::Severity::Warning, text(Text::RecentFileGone).arg(path), {});
        return;
    }
    if (mayReplaceScheme() && openSchemeFile(path))
        tellPreviousInHistory();
}

// --- Drag and drop

namespace {

// What a dropped file is to the window, by its name: a scheme to open, a
// picture to derive a scheme from, or nothing it takes.
enum class Dropped { Nothing, Scheme, Picture };

Dropped kindOf(const QUrl &url)
{
    if (!url.isLocalFile())
        return Dropped::Nothing;
    const QByteArray suffix = QFileInfo(url.toLocalFile()).suffix().toLower().toLatin1();
    if (suffix == "col")
        return Dropped::Scheme;
    return QImageReader::supportedImageFormats().contains(suffix) ? Dropped::Picture : Dropped::Nothing;
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && kindOf(urls.first()) != Dropped::Nothing)
        event->acceptProposedAction();
    else
        event->ignore();
}

// A scheme file is opened as the open command opens it; a picture gives a
// proposal in the large preview, which replaces nothing until it is applied.
void MainWindow::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    const Dropped kind = urls.isEmpty() ? Dropped::Nothing : kindOf(urls.first());
    if (kind == Dropped::Nothing) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    const QString path = urls.first().toLocalFile();
    if (kind == Dropped::Picture) {
        deriveFromPictureFile(path, int(urls.size()));
        return;
    }
    if (!mayReplaceScheme() || !openSchemeFile(path))
        return;
    if (urls.size() > 1)
        StatusBar1->showMessage(text(Text::OnlyFirstDropped).arg(QString::number(urls.size()), path));
    else
        tellPreviousInHistory();
}
