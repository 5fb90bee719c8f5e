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
    addToolWindows();
}

MainWindow::~MainWindow() = default;

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

// A new window of its own is one row here; it is made when first shown.
void MainWindow::addToolWindows()
{
    m_toolWindows.add<ReadabilityWindow>([this](QWidget *editor) {
        auto *window = new ReadabilityWindow(m_readabilityModel, editor);
        connect(window, &ReadabilityWindow::elementChosen, &m_session, &EditSession::choose);
        // The fixed text becomes current and takes the colour as the colour commands give it.
        connect(window, &ReadabilityWindow::fixRequested, &m_session, [this](int element, const Rgb &colour) {
            m_session.giveColourTo(element, colour, EditSession::Change::Fix);
        });
        connect(window, &ReadabilityWindow::fixAllRequested, m_schemeCommands, &SchemeCommands::fixAll);
        connect(window, &ReadabilityWindow::colourBlindChosen, &m_readabilityModel, [this](bool colourBlind) {
            Settings::storeReadableForColourBlind(colourBlind);
            m_readabilityModel.setColourBlind(colourBlind);
        });
        return window;
    });
    // The history of every change.
    m_toolWindows.add<HistoryWindow>([this](QWidget *editor) {
        auto *window = new HistoryWindow(m_history, editor);
        connect(window, &HistoryWindow::goBackRequested, &m_history, &SchemeHistory::goBackTo);
        return window;
    });
    // A click on the large preview picks as one on the preview does.
    m_toolWindows.add<LargePreviewWindow>([this](QWidget *editor) {
        auto *window = new LargePreviewWindow(m_panes, m_scheme, *m_dialogs, editor);
        connect(window, &LargePreviewWindow::clicked, FramePreview, &PreviewFrame::pickAt);
        window->panes()->setToolTipSource([this](int pane, QPoint at) { return FramePreview->toolTip(pane, at); });
        connect(window, &LargePreviewWindow::applyRequested, this, &MainWindow::applyDerived);
        connect(window, &LargePreviewWindow::fixAllApplyRequested, this, &MainWindow::applyFixAll);
        return window;
    });
}
