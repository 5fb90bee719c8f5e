// The window's file commands: open and save a scheme, the built-in schemes, and
// loading preview pictures.
#include "MainWindow.h"

#include "PictureFile.h"
#include "SchemeFile.h"
#include "UserDialogs.h"

#include <QLineEdit>

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
        showProblem(tr("%1 could not be opened.").arg(path), result.problem());
        return;
    }
    result.applyTo(m_scheme);
    if (result.name)
        txtNamedesSchemes->setText(*result.name);
    repaintAll();
    switch (result.status) {
    case SchemeReadResult::Status::Incomplete:
        m_dialogs->showMessage(this, UserDialogs::Severity::Information,
                               tr("%1 holds only %2 of the %3 colours; the others are black.")
                                   .arg(path)
                                   .arg(result.completeEntries)
                                   .arg(kElementCount),
                               result.problem());
        break;
    case SchemeReadResult::Status::TrailingContent:
        m_dialogs->showMessage(this, UserDialogs::Severity::Information,
                               tr("%1 goes on after its %2 colours; everything from line %3 on was ignored.")
                                   .arg(path)
                                   .arg(kElementCount)
                                   .arg(result.line),
                               result.problem());
        break;
    case SchemeReadResult::Status::Complete:
    case SchemeReadResult::Status::Failed:
        break;
    }
}

void MainWindow::saveScheme()
{
    const QString path = m_dialogs->saveFileName(this, kSaveFilter);
    if (path.isEmpty())
        return;
    if (const auto problem = SchemeFile::save(m_scheme, path))
        showProblem(tr("The colour scheme could not be saved to %1.").arg(path), *problem);
}

void MainWindow::loadStandardScheme(StandardScheme scheme)
{
    m_scheme.loadStandard(scheme);
    repaintAll();
}

void MainWindow::loadMask()
{
    const QString path = m_dialogs->openFileName(this, kPictureFilter);
    if (path.isEmpty())
        return;
    if (const auto problem = m_panes.loadMaskFile(path)) {
        if (*problem == PictureFile::kOnly24BitMessage)
            showProblem(*problem, path);
        else
            showProblem(tr("%1 could not be loaded as a preview picture.").arg(path), *problem);
    }
}
