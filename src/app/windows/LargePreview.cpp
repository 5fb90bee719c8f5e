#include "LargePreview.h"

#include "FolderMemory.h"
#include "LanguageFollower.h"
#include "PictureFile.h"
#include "ProposalBar.h"
#include "ReadingBar.h"
#include "SchemeFile.h"
#include "SchemeModel.h"
#include "Texts.h"
#include "UserDialogs.h"

#include <QFileInfo>
#include <QHideEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The panes' part of the preview frame, as a rendered preview has it.
constexpr QSize kPreviewSize = PreviewPanes::kRenderSize;

} // namespace

LargePreviewWindow::LargePreviewWindow(const PreviewPanes &panes, const SchemeModel &scheme, UserDialogs &dialogs,
                                       QWidget *parent)
    : ToolWindow(QStringLiteral("LargePreview/geometry"), parent)
    , m_scheme(scheme)
    , m_dialogs(dialogs)
    , m_panes(new LargePanes(panes, scheme, this))
    , m_proposal(new ProposalBar(this))
    , m_reading(new ReadingBar(this))
    , m_compare(new QPushButton(this))
    , m_save(new QPushButton(this))
{
    setObjectName(QStringLiteral("largePreviewWindow"));
    m_save->setObjectName(QStringLiteral("largePreviewSave"));
    m_compare->setObjectName(QStringLiteral("largePreviewCompare"));
    m_compare->setMenu(new QMenu(m_compare));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_compare);
    buttons->addStretch();
    buttons->addWidget(m_save);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_panes, 1);
    layout->addWidget(m_proposal);
    layout->addWidget(m_reading);
    layout->addLayout(buttons);
    m_proposal->hide();
    m_reading->hide();
    resize(kPreviewSize.width() * 3 + 24, kPreviewSize.height() * 3 + 64);
    restorePlace();
    connect(m_panes, &LargePanes::clicked, this, [this](int pane, QPoint at) {
        if (m_changesAllowed)
            emit clicked(pane, at);
    });
    connect(m_save, &QPushButton::clicked, this, &LargePreviewWindow::savePicture);
    // A derived scheme differs everywhere: only Fix all's changes are outlined.
    connect(m_proposal, &ProposalBar::proposed, m_panes, [this](const ColourScheme &proposal) {
        showSecond(proposal, [this] { return m_proposal->caption(); }, m_proposal->isFixAll());
    });
    connect(m_proposal, &ProposalBar::applyRequested, this, &LargePreviewWindow::applyRequested);
    connect(m_proposal, &ProposalBar::fixAllApplyRequested, this, &LargePreviewWindow::fixAllApplyRequested);
    connect(&m_scheme, &SchemeModel::modifiedChanged, this, &LargePreviewWindow::followSaved);
    connect(m_proposal, &ProposalBar::discarded, this, &LargePreviewWindow::endProposal);
    connect(m_reading, &ReadingBar::cancelled, this, [this] {
        cancelReading();
    });
    retranslate();
    new LanguageFollower(this, [this] { retranslate(); });
}

void LargePreviewWindow::showReading(const QString &fileName)
{
    m_compare->hide();
    m_reading->showReading(fileName);
    m_panes->setCursor(Qt::BusyCursor);
}

void LargePreviewWindow::cancelReading()
{
    endReading();
    emit readingCancelled();
}

void LargePreviewWindow::endReading()
{
    if (m_reading->isHidden())
        return;
    m_reading->hide();
    m_panes->unsetCursor();
    m_compare->setVisible(!isProposing());
}

void LargePreviewWindow::propose(const Derive::Seeds &seeds, const QString &source, const QString &name,
                                 bool colourBlind)
{
    endReading();
    m_compare->hide();
    m_proposal->show();
    m_proposal->propose(seeds, source, name, colourBlind);
}

void LargePreviewWindow::proposeFixAll(const FixAllProposal &proposal)
{
    m_compare->hide();
    m_proposal->show();
    m_proposal->proposeFixAll(proposal);
}

void LargePreviewWindow::endProposal()
{
    if (!isProposing())
        return;
    m_proposal->hide();
    m_compare->setVisible(m_reading->isHidden());
    showSecond(std::nullopt);
}

bool LargePreviewWindow::isProposing() const
{
    return !m_proposal->isHidden();
}

bool LargePreviewWindow::isProposingFixAll() const
{
    return isProposing() && m_proposal->isFixAll();
}

void LargePreviewWindow::setEditorCovered(bool covered)
{
    m_changesAllowed = !covered;
    m_proposal->setApplyAllowed(!covered);
}

// A proposal goes with the window (not when it is only minimised): one never
// stands unseen.
void LargePreviewWindow::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous()) {
        if (!m_reading->isHidden()) {
            cancelReading();
        }
        endProposal();
    }
    ToolWindow::hideEvent(event);
}

// The choices of a second scheme, made anew in each language.
void LargePreviewWindow::retranslate()
{
    const Language language = Languages::current();
    setWindowTitle(Texts::get(Text::LargePreviewTitle, language));
    m_save->setText(Texts::get(Text::SavePicture, language));
    m_compare->setText(Texts::get(Text::CompareWith, language));
    QMenu *menu = m_compare->menu();
    menu->clear();
    menu->addAction(Texts::get(Text::CompareNothing, language), this, [this] { showSecond(std::nullopt); })
        ->setObjectName(QStringLiteral("actCompareNothing"));
    menu->addAction(Texts::get(Text::CompareSaved, language), this, [this] {
            showSecond(m_scheme.unmodified(), [] { return Texts::get(Text::SavedScheme, Languages::current()); });
            m_secondIsSaved = true;
        })->setObjectName(QStringLiteral("actCompareSaved"));
    const std::pair<StandardScheme, Text> builtIn[] = {
        {StandardScheme::Blue, Text::ResetBlue}, {StandardScheme::Green, Text::ResetGreen},
        {StandardScheme::Red, Text::ResetRed}};
    for (const auto &[which, text] : builtIn) {
        menu->addAction(Texts::get(text, language), this, [this, which = which, text = text] {
                ColourScheme other = m_scheme.scheme();
                other.loadStandard(which);
                showSecond(other, [text = text] {
                    // "blue scheme" as a caption: "Blue scheme"
                    QString caption = Texts::get(text, Languages::current()).remove(u'&');
                    caption[0] = caption.at(0).toUpper();
                    return caption;
                });
            })->setObjectName(QStringLiteral("actCompare") + StandardSchemes::name(which));
    }
    menu->addAction(Texts::get(Text::CompareFile, language), this, &LargePreviewWindow::compareWithFile)
        ->setObjectName(QStringLiteral("actCompareFile"));
    showCaptions();
}

void LargePreviewWindow::showCaptions()
{
    m_panes->setCaptions(Texts::get(Text::CurrentScheme, Languages::current()),
                         m_secondCaption ? m_secondCaption() : QString());
}

// The scheme as last opened or saved changes only where the scheme becomes
// unmodified (a save, an open, a new scheme), so that is when it is taken again
// (also, needlessly but harmlessly, when a change is undone).
void LargePreviewWindow::followSaved()
{
    if (m_secondIsSaved && !m_scheme.isModified())
        m_panes->compareWith(m_scheme.unmodified());
}

void LargePreviewWindow::showSecond(const std::optional<ColourScheme> &other, std::function<QString()> caption,
                                    bool outlined)
{
    m_secondIsSaved = false;
    const bool wasComparing = m_panes->isComparing();
    m_secondCaption = std::move(caption);
    showCaptions();
    m_panes->compareWith(other, outlined);
    if (!other || wasComparing)
        return;
    const QSize lacking = m_panes->sizeAt(2) - m_panes->size();
    if (lacking.width() > 0 || lacking.height() > 0) {
        resize(size() + lacking.expandedTo({0, 0}));
        keepOnScreen();
    }
}

// A scheme file beside the current scheme; one that does not read cleanly is said so.
void LargePreviewWindow::compareWithFile()
{
    const QString path = m_dialogs.openFileName(this, QStringLiteral("*.col;;all (*)"), FolderMemory::startFolder());
    if (path.isEmpty())
        return;
    const SchemeReadResult read = SchemeFile::read(path);
    if (!read.isLoadable()) {
        m_dialogs.showMessage(this, UserDialogs::Severity::Warning,
                              Texts::get(Text::OpenFailed, Languages::current()).arg(path),
                              read.problem(Languages::current()));
        return;
    }
    ColourScheme other = m_scheme.scheme();
    read.applyTo(other);
    showSecond(other, [name = QFileInfo(path).fileName()] { return name; });
}

// What the window shows, in the format the name's suffix names, whole or not at
// all: a failed write leaves the file it would replace as it was, and a name
// without the suffix of a picture format, or a special file, is refused.
void LargePreviewWindow::savePicture()
{
    const QString path =
        m_dialogs.saveFileName(this, QStringLiteral("PNG (*.png);;all (*)"), FolderMemory::startFolder());
    if (path.isEmpty())
        return;
    FolderMemory::remember(path);
    const Language language = Languages::current();
    std::optional<Problem> problem;
    if (const auto format = PictureFile::formatOfName(path))
        problem = PictureFile::write(m_panes->picture(), *format, path);
    else
        problem = Problem{Text::PictureNeedsSuffix, {u'.' + PictureFile::writableSuffixes().join(QStringLiteral(", ."))}};
    if (problem)
        m_dialogs.showMessage(this, UserDialogs::Severity::Warning,
                              Texts::get(Text::PictureNotSaved, language).arg(path), problem->words(language));
}
