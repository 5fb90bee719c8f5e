#include "MainWindow.h"

#include "DisclaimerPanel.h"
#include "HistoryWindow.h"
#include "LargePreview.h"
#include "ElementList.h"
#include "LinkControl.h"
#include "LogoControl.h"
#include "MenuBar.h"
#include "PanelTexts.h"
#include "Place.h"
#include "PaletteTabs.h"
#include "PreviewFrame.h"
#include "QtUserDialogs.h"
#include "ReadabilityWindow.h"
#include "RecentFilesMenu.h"
#include "SchemeCommands.h"
#include "SchemeNameValidator.h"
#include "Settings.h"
#include "StatusBar.h"
#include "Texts.h"
#include "Version.h"

#include <QFrame>
#include <QStatusTipEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent), m_session(m_scheme), m_dialogs(std::make_unique<QtUserDialogs>())
{
    // The scheme, its readability, the pictures and the edit session are the
    // window's pieces: found by name like its controls.
    const std::pair<QObject *, const char *> pieces[] = {
        {&m_scheme, "scheme"},   {&m_readabilityModel, "readability"}, {&m_history, "history"},
        {&m_panes, "panes"}, {&m_session, "session"}};
    for (const auto &[piece, name] : pieces) {
        piece->setObjectName(QLatin1String(name));
        piece->setParent(this);
    }
    // In the order of stacking, bottom first.
    createWindow();
    createBanner();
    StatusBar1 = place<StatusBar>(this, QStringLiteral("StatusBar1"), {0, 452, 634, 25});
    createEditorArea();
    createMenu();
    createDisclaimerPanel();
    createSupportPanel();
    createLinksPanel();
    connectControls();
}

// The windows of their own follow the scheme and the session, which are
// members: they go first, while what they follow still lives (a window that
// closes as it goes still asks for what it shows).
MainWindow::~MainWindow()
{
    delete m_readability;
    delete m_historyWindow;
    delete m_largePreview;
}

// The element list is filled and element 1 chosen while the table is still
// black; then the blue scheme is drawn and shown in the editor.
void MainWindow::start()
{
    // Until the stored language is applied, the program speaks German: a store
    // that cannot be read says so in German, the language it then starts in.
    Languages::setCurrent(Language::German);
    quorvix1->setLogoEnabled(true);

    FramePreview->etchRule();

    // Qt puts its mark of unsaved changes, an asterisk, at the caption's end.
    const QString caption = windowTitle() + QStringLiteral("  -  Version: ") + Version::shortText()
                            + QStringLiteral(" - STILL BETA ;)");
    setWindowTitle(caption + QStringLiteral("[*]"));

    m_recentFiles->load();
    m_readabilityModel.setColourBlind(Settings::readableForColourBlind());
    const Language language = Settings::startLanguage();
    applyLanguage(language);
    frmCopyright->markLanguage(language);

    // The start sets every check mark but element 45's; a language switch later
    // leaves them alone.
    m_scheme.resetVisibleFlags();
    m_history.clear(); // it begins with the blue scheme
    loadStandardScheme(StandardScheme::Blue);
    m_scheme.markUnmodified();

    offerOwnCommands(Settings::hasConsent());
    if (Settings::hasConsent()) {
        closePanel(frmCopyright);
        SmartMenuXP1->show();
    } else {
        showPanel(frmCopyright);
    }

    // A mail to the maker with the caption as its subject and body.
    ctlLink1->setEMailBody(caption);
    ctlLink1->setEMailSubject(caption);
    ctlLink1->setEMailMailTo(PanelTexts::kSupportMail);
    ctlLink1->setIsEMailLink(true);
    ctlLink1->setLinkTitle(PanelTexts::kAuthorCredit);
    // The update guard needs no clearing: it is set only while a handler runs.
}

void MainWindow::tellSettingsNotKept(const QString &store, const Problem &why)
{
    if (m_toldSettingsNotKept)
        return;
    m_toldSettingsNotKept = true;
    StatusBar1->showSettingsNotKept(store, why);
}

bool MainWindow::event(QEvent *event)
{
    if (event->type() != QEvent::StatusTip)
        return QWidget::event(event);
    StatusBar1->showTip(static_cast<QStatusTipEvent *>(event)->tip());
    return true;
}

void MainWindow::setDialogs(std::unique_ptr<UserDialogs> dialogs)
{
    m_dialogs = std::move(dialogs);
}

QString MainWindow::text(Text text) const
{
    return Texts::get(text, Languages::current());
}

// The name box refuses what a file cannot hold; the status bar says why, so
// that a character that does not appear is no riddle.
void MainWindow::tellRefusedNameCharacter()
{
    const auto *validator = qobject_cast<const SchemeNameValidator *>(txtNamedesSchemes->validator());
    if (const auto refused = validator ? validator->lastRefused() : std::nullopt)
        StatusBar1->showMessage(text(Text::NameCharacterRefused).arg(*refused));
}

void MainWindow::showReadability()
{
    if (!m_readability) {
        m_readability = new ReadabilityWindow(m_readabilityModel, this);
        connect(m_readability, &ReadabilityWindow::elementChosen, &m_session, &EditSession::choose);
        // The fixed text becomes current and takes the colour as the colour commands give it.
        connect(m_readability, &ReadabilityWindow::fixRequested, &m_session, [this](int element, const Rgb &colour) {
            m_session.giveColourTo(element, colour, EditSession::Change::Fix);
        });
        connect(m_readability, &ReadabilityWindow::fixAllRequested, m_schemeCommands, &SchemeCommands::fixAll);
        connect(m_readability, &ReadabilityWindow::colourBlindChosen, &m_readabilityModel, [this](bool colourBlind) {
            Settings::storeReadableForColourBlind(colourBlind);
            m_readabilityModel.setColourBlind(colourBlind);
        });
        m_readability->setFixAllowed(isEditorShown());
    }
    m_readability->show();
    m_readability->raise();
    m_readability->activateWindow();
}

// Opens and raises the large preview; a click on it picks as one on the preview does.
void MainWindow::showLargePreview()
{
    if (!m_largePreview) {
        m_largePreview = new LargePreviewWindow(m_panes, m_scheme, *m_dialogs, this);
        connect(m_largePreview, &LargePreviewWindow::clicked, FramePreview, &PreviewFrame::pickAt);
        m_largePreview->panes()->setToolTipSource(
            [this](int pane, QPoint at) { return FramePreview->toolTip(pane, at); });
        connect(m_largePreview, &LargePreviewWindow::applyRequested, this, &MainWindow::applyDerived);
        connect(m_largePreview, &LargePreviewWindow::fixAllApplyRequested, this, &MainWindow::applyFixAll);
        m_largePreview->setChangesAllowed(isEditorShown());
    }
    m_largePreview->show();
    m_largePreview->raise();
    m_largePreview->activateWindow();
}

// Opens and raises the history of every change.
void MainWindow::showHistory()
{
    if (!m_historyWindow) {
        m_historyWindow = new HistoryWindow(m_history, this);
        connect(m_historyWindow, &HistoryWindow::goBackRequested, &m_history, &SchemeHistory::goBackTo);
        m_historyWindow->setGoBackAllowed(isEditorShown());
    }
    m_historyWindow->show();
    m_historyWindow->raise();
    m_historyWindow->activateWindow();
}
