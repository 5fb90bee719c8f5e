// The window's file commands: open and save a scheme, the built-in schemes, and
// loading preview pictures.
#include "MainWindow.h"

#include "PictureFile.h"
#include "SchemeFile.h"
#include "UserDialogs.h"

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
    const QString path = m_dialogs->openFileName(this, kOpenFilter);
    if (path.isEmpty())
        return;
    const SchemeReadResult result = SchemeFile::read(path);
    if (!result.isLoadable()) {
        showProblem(Text::OpenFailed, path, result.problem(m_language));
        return;
    }
    m_scheme.apply(result);
    repaintAll();

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
    m_dialogs->showMessage(this, UserDialogs::Severity::Information, told, result.problem(m_language));
}

void MainWindow::saveScheme()
{
    const QString path = m_dialogs->saveFileName(this, kSaveFilter);
    if (path.isEmpty())
        return;
    if (const auto problem = SchemeFile::save(m_scheme.scheme(), path))
        showProblem(Text::SaveFailed, path, problem->words(m_language));
}

void MainWindow::loadStandardScheme(StandardScheme scheme)
{
    m_scheme.loadStandard(scheme);
    repaintAll();
}

void MainWindow::repaintAll()
{
    m_panes.repaintAll(m_scheme.scheme());
}

void MainWindow::loadMask()
{
    const QString path = m_dialogs->openFileName(this, kPictureFilter);
    if (path.isEmpty())
        return;
    if (const auto problem = m_panes.loadMaskFile(path)) {
        // The one message of its own words: it stands alone, with the file below.
        if (problem->reason == Text::Only24Bit)
            m_dialogs->showMessage(this, UserDialogs::Severity::Warning, problem->words(m_language), path);
        else
            showProblem(Text::PictureRefused, path, problem->words(m_language));
    }
}

void MainWindow::showProblem(Text message, const QString &path, const QString &details)
{
    m_dialogs->showMessage(this, UserDialogs::Severity::Warning, text(message).arg(path), details);
}
