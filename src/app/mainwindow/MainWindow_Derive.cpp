// A whole scheme derived from a colour or a picture, or Fix all's result:
// proposed in the large preview beside the current scheme, which it replaces
// only when applied.
#include "MainWindow.h"

#include "ColourText.h"
#include "FolderMemory.h"
#include "LargePreview.h"
#include "PictureReading.h"
#include "Rgb.h"
#include "SchemeCommands.h"
#include "SchemeFile.h"
#include "StatusBar.h"
#include "UserDialogs.h"

#include <QColorDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QTimer>

// The colour dialog starts at the current element's colour and does not block.
void MainWindow::deriveFromColour()
{
    const Rgb start = m_session.currentColour().value_or(m_scheme.scheme().colour(1));
    auto *dialog = new QColorDialog(toQColor(start), this);
    dialog->setObjectName(QStringLiteral("deriveColourDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(text(Text::DeriveFromColour).remove(u'&').remove(u'…'));
    connect(dialog, &QColorDialog::colorSelected, this, [this](const QColor &chosen) {
        const Rgb seed = fromQColor(chosen);
        proposeDerived({seed, std::nullopt}, ColourText::hex(seed), ColourText::hex(seed));
    });
    dialog->open();
}

void MainWindow::deriveFromPicture()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    const QString filter = patterns.join(u' ') + QStringLiteral(";;all (*)");
    const QString path = m_dialogs->openFileName(this, filter, FolderMemory::startFolder());
    if (path.isEmpty())
        return;
    FolderMemory::remember(path);
    deriveFromPictureFile(path);
}

// Read off the interface thread, the large preview showing the picture's name,
// a busy sign and Cancel meanwhile; the proposal (or why there is none) comes
// when the read ends.
void MainWindow::deriveFromPictureFile(const QString &path, int filesDropped)
{
    // A picture dropped while another is read keeps what the window was before the first.
    if (!m_pictureReading || !m_pictureReading->isReading()) {
        const auto *shown = m_toolWindows.made<LargePreviewWindow>();
        m_largePreviewOpenedToRead = !shown || !shown->isVisible();
    }
    LargePreviewWindow *preview = m_toolWindows.show<LargePreviewWindow>();
    if (!m_pictureReading) {
        m_pictureReading = new PictureReading(this);
        connect(m_pictureReading, &PictureReading::finished, this, &MainWindow::pictureRead);
        connect(preview, &LargePreviewWindow::readingCancelled, this, [this, preview] {
            m_pictureReading->cancel();
            // Opened for the read alone, the window goes with it.
            if (m_largePreviewOpenedToRead && !preview->isProposing())
                preview->hide();
        });
    }
    m_filesDropped = filesDropped;
    preview->showReading(QFileInfo(path).fileName());
    m_pictureReading->start(path);
}

void MainWindow::pictureRead(const QString &path, const std::variant<Derive::Seeds, Problem> &result)
{
    LargePreviewWindow *preview = m_toolWindows.made<LargePreviewWindow>();
    preview->endReading();
    if (const auto *problem = std::get_if<Problem>(&result)) {
        if (m_largePreviewOpenedToRead && !preview->isProposing())
            preview->hide();
        showProblem(Text::PictureNotRead, path, problem->words(Languages::current()));
        return;
    }
    const QFileInfo file(path);
    proposeDerived(std::get<Derive::Seeds>(result), file.fileName(), file.completeBaseName());
    if (m_filesDropped > 1)
        StatusBar1->showMessage(text(Text::OnlyFirstPictureDropped).arg(QString::number(m_filesDropped), path));
}

void MainWindow::proposeDerived(const Derive::Seeds &seeds, const QString &source, const QString &name)
{
    m_toolWindows.show<LargePreviewWindow>()->propose(seeds, source, SchemeFile::nameItCanHold(name),
                                                      m_readabilityModel.isColourBlind());
}

// One whole-scheme change, after the question about unsaved changes; a scheme
// of no file, so it is unsaved until it is saved.
void MainWindow::applyDerived(const ColourScheme &scheme, const QString &source)
{
    if (!mayReplaceScheme())
        return;
    m_toolWindows.made<LargePreviewWindow>()->endProposal();
    m_scheme.replace(scheme, ChangeCause::Derived, source);
    tellPreviousInHistory();
}

void MainWindow::proposeFixAll(const FixAllProposal &proposal, bool again)
{
    LargePreviewWindow *preview = m_toolWindows.made<LargePreviewWindow>();
    if (!again || !preview)
        preview = m_toolWindows.show<LargePreviewWindow>();
    preview->proposeFixAll(proposal);
}

// One change of the history, as Fix all always was; nothing is asked about
// unsaved changes: it edits the scheme there is and makes no new one.
void MainWindow::applyFixAll(const FixAllProposal &proposal)
{
    m_toolWindows.made<LargePreviewWindow>()->endProposal();
    m_schemeCommands->applyFixAll(proposal);
}

void MainWindow::endFixAllProposal()
{
    if (auto *preview = m_toolWindows.made<LargePreviewWindow>(); preview && preview->isProposingFixAll())
        preview->endProposal();
}

void MainWindow::outdateFixAllProposal()
{
    if (const auto *preview = m_toolWindows.made<LargePreviewWindow>(); preview && preview->isProposingFixAll())
        m_fixAllAgain->start();
}
